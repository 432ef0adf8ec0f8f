// Reading the fast-category archive Sites/fastcats.dat: the list of names and one member each.
#pragma once

#include <filesystem>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "store/line_list.h"

namespace listrider::sites {

/// The archive's path in the workspace.
std::filesystem::path FastCategoriesPath(const std::filesystem::path& workspace);

/// A fast category's member <name>.fct.
struct FastCategoryMember
{
    std::vector<std::pair<std::string, std::string>> pairs; ///< site name, the site's category
    std::vector<std::string> exclusions;                    ///< sites without a category for it (after "@")

    friend bool operator==(const FastCategoryMember&, const FastCategoryMember&) = default;
};

/// Returns the member read from its lines: the first line is a header; then pairs of lines up
/// to a line "@"; every line after it names an excluded site.
FastCategoryMember ReadFastCategoryLines(store::LineSpan lines);

/// Returns the lines of Categories.lst in the archive; none when the archive or member is missing.
std::vector<std::string> ReadCategoryList(const std::filesystem::path& workspace);

/// Returns the member of the fast category; empty when the archive or member is missing.
FastCategoryMember ReadFastCategoryMember(const std::filesystem::path& workspace, std::string_view name);

} // namespace listrider::sites
