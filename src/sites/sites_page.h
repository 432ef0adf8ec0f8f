// The "Sites" page over a program run and the passes that keep it in step with the open product:
// the column set, the filter, the site list and its companions, the fast categories, the marks.
#pragma once

#include <filesystem>

#include "catalogue/product_editor.h"
#include "sites/column_set.h"
#include "sites/fast_categories.h"
#include "sites/site_filter.h"
#include "sites/site_index.h"
#include "sites/site_list.h"
#include "sites/site_packages.h"
#include "sites/site_properties.h"
#include "sites/suitability.h"
#include "store/prefs.h"

namespace listrider::sites {

/// Everything of the page that lives for the program run.
struct SitesPage
{
    std::vector<ColumnsR> columns; ///< the entries of columns.ini
    FilterSettings filter;
    SiteList list;
    FastCategories fastCategories;
    SiteCounters counters;
    SitePropertiesMemory properties;
};

/// What the page's passes read and change besides the page.
struct SitesPageContext
{
    const std::filesystem::path& workspace;
    SiteTable& table;
    SitePackages& packages;
    catalogue::ProductEditor& editor; ///< the open product
    const store::Prefs& prefs;
    double today; ///< the date-time number taken once at start-up
};

/// Start-up's "Loading custom sites columns..." and "Loading custom site filters...": the column
/// set (the default one written when there is none), the list's columns, the sort column
/// "Site Name", and the filter.
void LoadSitesPageSettings(SitesPage& page, const std::filesystem::path& workspace, double now);

/// "Loading custom sites columns...": the column set, the list's columns, the sort column.
void LoadSitesPageColumns(SitesPage& page, const std::filesystem::path& workspace);

/// "Loading custom site filters...": the filter, reset to `now` before filter.ini is applied.
void LoadSitesPageFilter(SitesPage& page, const std::filesystem::path& workspace, double now);

/// Rebuilds the lists for the open product (RefreshSites): rows, account columns from the
/// accounts list when they are due, and the suitability marks.
void RefreshSitesPage(SitesPage& page, const SitesPageContext& context);

/// After a product is opened: its accounts are placed and the lists rebuilt.
void ProductOpened(SitesPage& page, const SitesPageContext& context);

/// Showing the "Sites" page: the drop-down list takes the product's fast category, applying it
/// when it differs from the entry shown, then the marks are refreshed.
void ShowSitesPage(SitesPage& page, const SitesPageContext& context);

/// Refreshes the suitability marks and the counters.
void RefreshMarks(SitesPage& page, const SitesPageContext& context);

/// Chooses a drop-down entry (Cats2Change) and refreshes the marks.
void ChooseFastCategory(SitesPage& page, const SitesPageContext& context, std::string_view entry);

} // namespace listrider::sites
