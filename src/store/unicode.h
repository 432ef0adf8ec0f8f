// UTF-8 and UTF-16 (the wide texts of descriptions and keywords in other languages).
#pragma once

#include <string>
#include <string_view>

namespace listrider::store {

/// Returns the UTF-8 text as UTF-16; characters beyond the basic plane become surrogate pairs.
/// A malformed sequence (stray continuation byte, truncated or overlong sequence, encoded
/// surrogate, value above U+10FFFF) makes the whole result empty.
std::u16string Utf8ToWide(std::string_view utf8);

/// Returns the UTF-16 text as UTF-8; an unpaired surrogate is written as U+FFFD.
std::string WideToUtf8(std::u16string_view wide);

/// Appends one Unicode character as UTF-8.
void AppendUtf8(std::string& out, char32_t cp);

/// Returns whether the bytes are well-formed UTF-8 (the empty text is).
bool IsValidUtf8(std::string_view bytes);

} // namespace listrider::store
