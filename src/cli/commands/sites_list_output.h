// Printing the site list as the "Sites" page shows it.
#pragma once

#include <iosfwd>

#include "cli/catalogue_session.h"
#include "sites/sites_page.h"

namespace listrider::cli {

/// Prints the fast category, the rows (check box, mark, the visible columns, the mark's legend
/// text) and the page's counters, as tab-separated text or as JSON. Stored passwords are shown
/// as asterisks unless `reveal`.
void PrintSiteList(std::ostream& out,
                   const CatalogueSession& session,
                   const sites::SitesPage& page,
                   std::string_view fastCategory,
                   bool json,
                   bool reveal = false);

} // namespace listrider::cli
