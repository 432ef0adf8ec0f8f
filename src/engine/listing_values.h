// What a search or stats script found about the product's listing at a site, stored into the
// site's record.
#pragma once

#include <span>
#include <string>

#include "engine/run_values.h"
#include "sites/site_record.h"

namespace listrider::engine {

/// Cleans the values a script found at the current site: its replacement list (.zam) over the
/// ten values, or values 1..5 trimmed when it has none.
void CleanFoundValues(RunValues& values);

/// Stores found values (1..5 of `values`) into the record: Listed "YES"; value 1 becomes
/// "Unknown" when the site supplies the version and none was found; each non-empty value is
/// trimmed into VersionListed (cut to 255), Downloads, SiteRating, UserRating and Votes.
void StoreListingValues(sites::SitesR& record, std::span<std::string> values);

/// Records that the product is not listed: Listed "NO", the five values empty.
void ClearListingValues(sites::SitesR& record);

} // namespace listrider::engine
