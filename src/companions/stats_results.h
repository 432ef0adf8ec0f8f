// What a site's stats script leaves in the product's status.
#pragma once

#include "engine/run_values.h"
#include "sites/site_record.h"

namespace listrider::companions {

/// Stores the values the script found at the current site (the site ended with -1): the
/// site's StatsSum joining, its replacement list or trimming, then Listed "YES" and values
/// 1..5 into the record ("Unknown" for a version the site supplies but the script missed).
void StoreStatsResult(engine::RunValues& values, sites::SitesR& record);

/// Stores that the product is not listed (the site ended with -2): Listed "NO" and the values
/// emptied, unless an error ended the site, which leaves the stored values as they were.
void StoreStatsFailure(sites::SitesR& record, bool error);

} // namespace listrider::companions
