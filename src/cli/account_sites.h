// The rows the site table gives the accounts list, read from the workspace's site index.
#pragma once

#include <filesystem>
#include <vector>

#include "catalogue/accounts.h"

namespace listrider::cli {

/// Returns one row per usable site of Sites/sites.dat (disabled sites left out), with the
/// index's own rule for telling its lines apart; no index gives no rows.
std::vector<catalogue::AccountSiteRow> LoadAccountSites(const std::filesystem::path& workspace);

} // namespace listrider::cli
