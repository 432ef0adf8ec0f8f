// Small text rules shared by the whole program: names, trims, cases, digits, schemes.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace listrider::store {

/// Returns the file-name form of a company or product name: every ':' ',' '.' '/' and '\'
/// removed, then trailing and leading spaces trimmed (a text of spaces only stays as it is).
std::string RIS(std::string_view name);

/// Returns the text without its leading spaces; a text of spaces only is returned unchanged.
std::string TrimLeadingSpaces(std::string_view text);

/// Returns the text without its trailing spaces; a text of spaces only is returned unchanged.
std::string TrimTrailingSpaces(std::string_view text);

/// Returns the text lower-cased (ASCII) with its first character upper-cased.
std::string Capitalize(std::string_view text);

/// Returns the text upper-cased by the ASCII rule with the Windows-1251 small letters (bytes
/// above 223) lowered by 32 to their capitals.
std::string UpperCyrillic(std::string_view text);

/// Returns the text with every '.' replaced by ','.
std::string DotToComma(std::string_view text);

/// Returns the text with every ',' replaced by '.'.
std::string CommaToDot(std::string_view text);

/// Returns the number made of a leading '-' and every decimal digit of the text; a text without
/// digits (a lone minus included) gives 0, and a number too large for 64 bits is clamped.
std::int64_t DigitsToInt(std::string_view text);

/// Returns whether every character of the text occurs in `set`; an empty text gives true.
bool AllCharsIn(std::string_view text, std::string_view set);

/// Returns the text without the characters that do not occur in `set`.
std::string KeepCharsIn(std::string_view text, std::string_view set);

/// Returns the text up to and including the first character of the first occurrence of `part`
/// (ASCII case ignored), or the empty text when `part` does not occur.
std::string PrefixThroughMatch(std::string_view text, std::string_view part);

/// Returns the text with every '&' doubled (captions mark shortcut keys with one '&').
std::string DoubleAmpersands(std::string_view text);

/// Returns the caption text with doubled ampersands made single: an '&' is dropped when the
/// result so far is empty or ends with '&'.
std::string UndoubleAmpersands(std::string_view text);

/// Returns the address without its scheme: "https://" removed whole, otherwise the first 7
/// characters of a text starting with "HTT" and the first 6 of one starting with "FTP" (ASCII
/// case ignored); any other text is returned unchanged.
std::string StripScheme(std::string_view text);

} // namespace listrider::store
