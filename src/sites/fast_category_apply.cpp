#include "sites/fast_category_apply.h"

#include "catalogue/product_category.h"
#include "sites/fast_category_archive.h"
#include "sites/os_category_correction.h"
#include "store/ascii.h"
#include "store/text_helpers.h"

namespace listrider::sites {
namespace {

constexpr std::string_view kLabel = "Selected Fast Category: ";

SitesR* FindSite(SiteTable& table, std::string_view name)
{
    const int position = FindDBIndex(table, name);
    return position < 0 ? nullptr : &table.sites[static_cast<std::size_t>(position)];
}

} // namespace

void ApplyFastCategoryFromList(FastCategories& fastCategories,
                               const FastCategoryTarget& target,
                               std::string_view entry)
{
    fastCategories.SetChosen(std::string(entry));
    catalogue::ProductCategory& category = target.editor.product.category;
    if (IsNoFastCategory(entry)) {
        category.fastCategory = catalogue::kNoFastCategory;
        // No fast category is chosen, so none can leave a site out.
        fastCategories.SetExclusions({});
        return;
    }
    SiteList& list = target.list;
    for (SiteRow& row : list.Rows()) {
        if (std::string* cell = list.Cell(row, ColumnDatum::Category);
            cell != nullptr && !store::ContainsNoCase(*cell, "not available")) {
            *cell = "-";
        }
    }
    FastCategoryMember member = ReadFastCategoryMember(target.workspace, entry);
    for (const auto& [siteName, siteCategory] : member.pairs) {
        if (store::ContainsNoCase(siteCategory, "not avail")) {
            continue;
        }
        if (SitesR* site = FindSite(target.table, siteName)) {
            site->Category = siteCategory;
        }
    }
    // The correction is for the fast category being chosen, not the one it replaces.
    CorrectFastCats(target.table, target.packages, target.editor.product.program.os, entry);
    for (SiteRow& row : list.Rows()) {
        const SitesR* site = FindSite(target.table, row.name);
        std::string* cell = list.Cell(row, ColumnDatum::Category);
        if (site != nullptr && cell != nullptr && site->HasCategories) {
            *cell = site->Category;
        }
    }
    fastCategories.SetExclusions(std::move(member.exclusions));
    category.fastCategory = std::string(entry);
}

void ApplyFastCategoryFromTree(FastCategories& fastCategories,
                               const FastCategoryTarget& target,
                               const TreePath& node)
{
    target.editor.modified = true;
    std::vector<CategoryRow>& rows = target.list.CategoryRows();
    for (CategoryRow& row : rows) {
        row.category.clear();
    }
    const std::string name = NodeName(fastCategories.Tree(), node);
    const bool none = name.empty() || store::ContainsNoCase(name, "Fast Categ");
    target.editor.product.category.fastCategory = none ? std::string(catalogue::kNoFastCategory) : name;
    if (none) {
        fastCategories.SetExclusions({});
    } else {
        for (const auto& [siteName, siteCategory] : ReadFastCategoryMember(target.workspace, name).pairs) {
            SitesR* site = FindSite(target.table, siteName);
            if (site != nullptr && site->HasCategories) {
                site->Category = siteCategory;
            }
        }
    }
    CorrectFastCats(target.table,
                    target.packages,
                    target.editor.product.program.os,
                    target.editor.product.category.fastCategory);
    for (CategoryRow& row : rows) {
        if (const SitesR* site = FindSite(target.table, row.site);
            site != nullptr && !store::ContainsNoCase(row.category, "Not Available")) {
            row.category = site->Category;
        }
    }
}

std::string FastCategoryLabel(std::string_view fastCategory)
{
    return std::string(kLabel) + store::DoubleAmpersands(fastCategory);
}

} // namespace listrider::sites
