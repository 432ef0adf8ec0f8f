#include "sites/account_rows.h"

namespace listrider::sites {

std::vector<catalogue::AccountSiteRow> AccountSiteRows(const SiteTable& table)
{
    std::vector<catalogue::AccountSiteRow> rows;
    rows.reserve(table.sites.size());
    for (const SitesR& site : table.sites) {
        rows.push_back({site.Name, site.AccountKind, site.Unique, site.Request, site.Validate});
    }
    return rows;
}

} // namespace listrider::sites
