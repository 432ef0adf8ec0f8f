#include "companions/stats_results.h"

#include "engine/custom_value_cleaning.h"
#include "engine/listing_values.h"

namespace listrider::companions {

void StoreStatsResult(engine::RunValues& values, sites::SitesR& record)
{
    const std::span<std::string> found(values.custom.data(), 10);
    if (!record.StatsSum.empty()) {
        engine::ApplyStatsSum(found, record.StatsSum);
    }
    engine::CleanFoundValues(values);
    engine::StoreListingValues(record, found);
}

void StoreStatsFailure(sites::SitesR& record, bool error)
{
    if (!error) {
        engine::ClearListingValues(record);
    }
}

} // namespace listrider::companions
