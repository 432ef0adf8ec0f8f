// The facts of the site table that the accounts list is built from.
#pragma once

#include <vector>

#include "catalogue/accounts.h"
#include "sites/site_index.h"

namespace listrider::sites {

/// Returns one accounts-list row per site of the table, in table order.
std::vector<catalogue::AccountSiteRow> AccountSiteRows(const SiteTable& table);

} // namespace listrider::sites
