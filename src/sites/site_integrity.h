// The start-up integrity check of the site table: a site needs a package with members.
#pragma once

#include <filesystem>

#include "sites/site_index.h"

namespace listrider::sites {

/// Removes every site whose package Sites/<Name>.dat is missing, unreadable or has no members.
/// The table is walked from the end and each removed record is replaced by the last one, so the
/// order changes; nothing is written to disk.
void CheckSitesComplexity(SiteTable& table, const std::filesystem::path& workspace);

} // namespace listrider::sites
