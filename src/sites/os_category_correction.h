// The operating-system correction of fast categories (CorrectFastCats): sites whose categories
// depend on the operating system take the category of their .caa list for non-Windows products.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "catalogue/operating_systems.h"
#include "sites/site_index.h"
#include "sites/site_packages.h"
#include "store/line_list.h"

namespace listrider::sites {

/// Returns the top group of a fast category name: the text before its first " - " (empty when
/// it starts with one or has none).
std::string TopGroup(std::string_view fastCategory);

/// Returns the operating-system word of the .caa lists for a product operating-system text, or
/// nothing for a Windows product (which keeps the fast category's choices) or one of no known
/// system.
std::optional<std::string> OsCategoryWord(std::string_view osText);

/// Returns the category the .caa pairs give for the word and the top group: the last pair for
/// the word whose value contains the top group, else the word's "ALL" pair; nothing without both.
std::optional<std::string>
OsCategory(store::LineSpan caaLines, std::string_view word, std::string_view topGroup);

/// Sets the Category of every site with OsCategories (its package loaded on demand) from its
/// .caa list, for the chosen fast category (nothing for an empty one or "none").
void CorrectFastCats(SiteTable& table,
                     SitePackages& packages,
                     const catalogue::OsSelection& os,
                     std::string_view fastCategory);

} // namespace listrider::sites
