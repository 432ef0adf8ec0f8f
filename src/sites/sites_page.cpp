#include "sites/sites_page.h"

#include "catalogue/product_category.h"
#include "sites/fast_category_apply.h"

namespace listrider::sites {

void LoadSitesPageColumns(SitesPage& page, const std::filesystem::path& workspace)
{
    page.columns = LoadColumns(workspace);
    page.list.RefreshColumns(page.columns);
    page.list.Sort() = SortOrder{};
}

void LoadSitesPageFilter(SitesPage& page, const std::filesystem::path& workspace, double now)
{
    page.filter = LoadFilter(workspace, now);
}

void LoadSitesPageSettings(SitesPage& page, const std::filesystem::path& workspace, double now)
{
    LoadSitesPageColumns(page, workspace);
    LoadSitesPageFilter(page, workspace, now);
}

void RefreshMarks(SitesPage& page, const SitesPageContext& context)
{
    const SuitabilityProduct product = SuitabilityOf(context.editor.product);
    page.counters = ApplySuitabilityMarks(
        page.list,
        context.table,
        {product, page.fastCategories.Exclusions(), context.prefs.hideUnSuitable, context.today});
    ApplyAffiliateMarks(page.list.AffiliateRows(), context.editor.product.affiliates.support);
}

void RefreshSitesPage(SitesPage& page, const SitesPageContext& context)
{
    page.list.RefreshSites(context.table,
                           {page.filter,
                            context.prefs.blacklist,
                            context.editor.accounts,
                            context.editor.product.program.version,
                            context.prefs.autocheck});
    PlacePasswordstoSites(page.list, context.editor.accounts);
    RefreshMarks(page, context);
}

void ProductOpened(SitesPage& page, const SitesPageContext& context)
{
    context.editor.accounts.copyToSiteList = true;
    RefreshSitesPage(page, context);
}

void ChooseFastCategory(SitesPage& page, const SitesPageContext& context, std::string_view entry)
{
    ApplyFastCategoryFromList(page.fastCategories,
                              {context.table, page.list, context.packages, context.editor, context.workspace},
                              entry);
    RefreshMarks(page, context);
}

void ShowSitesPage(SitesPage& page, const SitesPageContext& context)
{
    const std::string& fastCategory = context.editor.product.category.fastCategory;
    const bool none = fastCategory.empty() || fastCategory == catalogue::kNoFastCategory;
    const std::string entry = none ? std::string(kNoFastCategoryEntry) : fastCategory;
    if (entry != page.fastCategories.Chosen()) {
        ChooseFastCategory(page, context, entry);
        return;
    }
    RefreshMarks(page, context);
}

} // namespace listrider::sites
