// ASCII-only case rules: the program never folds case by locale.
#pragma once

#include <string>
#include <string_view>

namespace listrider::store {

/// Returns the byte upper-cased by the ASCII rule (a-z only).
constexpr char AsciiUpper(char c)
{
    return (c >= 'a' && c <= 'z') ? static_cast<char>(c - 'a' + 'A') : c;
}

/// Returns the byte lower-cased by the ASCII rule (A-Z only).
constexpr char AsciiLower(char c)
{
    return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
}

/// Returns the text upper-cased by the ASCII rule.
std::string AsciiUpper(std::string_view text);

/// Returns the text lower-cased by the ASCII rule.
std::string AsciiLower(std::string_view text);

/// Returns whether both texts are equal ignoring ASCII case.
bool EqualsNoCase(std::string_view a, std::string_view b);

/// Returns whether `text` starts with `prefix` ignoring ASCII case.
bool StartsWithNoCase(std::string_view text, std::string_view prefix);

/// Returns whether `part` occurs in `text` ignoring ASCII case; an empty part gives false.
bool ContainsNoCase(std::string_view text, std::string_view part);

/// Returns the 1-based position of the first occurrence of `part` ignoring ASCII case, or -1
/// when there is none or `part` is empty.
int PosNoCase(std::string_view text, std::string_view part);

/// Returns the 0-based offset of the first occurrence of `part` at or after `from` ignoring
/// ASCII case, or npos.
std::size_t FindNoCase(std::string_view text, std::string_view part, std::size_t from = 0);

} // namespace listrider::store
