// Helpers on the wide texts of the editor (descriptions and keywords in other languages).
#pragma once

#include <span>
#include <string>
#include <string_view>

namespace listrider::store {

/// Returns the sum of the lengths of a multi-line field's lines (line breaks not counted).
std::size_t CountEditChars(std::span<const std::string> lines);

/// Returns the sum of the lengths of a wide multi-line field's lines.
std::size_t CountEditChars(std::span<const std::u16string> lines);

/// Returns the text up to the comma that ends its (count-1)-th comma-separated item, without one
/// final space and then one final comma. A count of 1 keeps only the first character; a count
/// below 1 gives the empty text.
std::u16string FirstItems(std::u16string_view text, int count);

/// Returns the text with every run of spaces made one space (a leading space is kept).
std::u16string CollapseSpaces(std::u16string_view text);

} // namespace listrider::store
