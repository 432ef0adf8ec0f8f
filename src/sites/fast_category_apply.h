// Choosing a fast category: from the "Sites" page's drop-down list (Cats2Change) or from the
// "Category" page's tree (CatsListClick).
#pragma once

#include <filesystem>
#include <string>
#include <string_view>

#include "catalogue/product_editor.h"
#include "sites/fast_categories.h"
#include "sites/site_index.h"
#include "sites/site_list.h"
#include "sites/site_packages.h"

namespace listrider::sites {

/// What choosing a fast category changes.
struct FastCategoryTarget
{
    SiteTable& table;
    SiteList& list;
    SitePackages& packages;
    catalogue::ProductEditor& editor; ///< the open product
    const std::filesystem::path& workspace;
};

/// Applies a drop-down entry: the sites' categories from the fast category's member (pairs
/// saying "not avail" passed over), the operating-system correction, the category column, the
/// exclusion list; the product's fast category becomes the entry ("none" for the first). The
/// suitability marks are the caller's to refresh.
void ApplyFastCategoryFromList(FastCategories& fastCategories,
                               const FastCategoryTarget& target,
                               std::string_view entry);

/// Applies a tree node: the product's fast category becomes the node's name ("none" for the
/// first node, which also empties the exclusion list); the categories of the sites with their
/// own categories come from the member (every pair), then the operating-system correction and
/// the "Category" page's list. The product is marked as changed.
void ApplyFastCategoryFromTree(FastCategories& fastCategories,
                               const FastCategoryTarget& target,
                               const TreePath& node);

/// Returns the "Category" page's label for the product's fast category.
std::string FastCategoryLabel(std::string_view fastCategory);

} // namespace listrider::sites
