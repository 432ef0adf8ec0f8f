// The Site Properties dialog's searches of a site's category list.
#pragma once

#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace listrider::sites {

/// Returns the position of the first item after `selected` (-1: from the start) that contains
/// the text, letters compared upper-cased with Cyrillic ones included; `selected` when none does.
int FindCategory(std::span<const std::string> items, int selected, std::string_view text);

/// Returns the position of the item after `selected` that contains the most of the keywords
/// (the text split at spaces and commas), the first of equal ones; `selected` when no item
/// contains any.
int FindCategoryByKeywords(std::span<const std::string> items, int selected, std::string_view keywords);

/// Returns the entries of "PAD File Categories:": the product's PAD categories split at commas,
/// each trimmed of spaces, empty ones left out.
std::vector<std::string> PadCategoryEntries(std::string_view padCategories);

} // namespace listrider::sites
