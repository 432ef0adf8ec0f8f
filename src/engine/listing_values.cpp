#include "engine/listing_values.h"

#include "engine/custom_value_cleaning.h"
#include "store/text_helpers.h"

namespace listrider::engine {

void CleanFoundValues(RunValues& values)
{
    const sites::SitesR* site = CurrentSite(values);
    if (site != nullptr && !site->Zam.empty()) {
        const store::LineList replacements = SiteList(values, "zam");
        CleanCustomValues(std::span<std::string>(values.custom.data(), 10), replacements);
    } else {
        TrimCustomValues(std::span<std::string>(values.custom.data(), 5));
    }
}

void StoreListingValues(sites::SitesR& record, std::span<std::string> values)
{
    record.Listed = "YES";
    if (record.StatsInfo[1] && values[0].empty()) {
        values[0] = "Unknown";
    }
    std::string* const fields[] = {
        &record.VersionListed, &record.Downloads, &record.SiteRating, &record.UserRating, &record.Votes};
    for (std::size_t i = 0; i < 5 && i < values.size(); ++i) {
        if (!values[i].empty()) {
            values[i] = store::TrimTrailingSpaces(store::TrimLeadingSpaces(values[i]));
            *fields[i] = values[i];
        }
    }
    record.VersionListed = sites::CutText(record.VersionListed, sites::kShortTextLength);
}

void ClearListingValues(sites::SitesR& record)
{
    record.Listed = "NO";
    record.VersionListed.clear();
    record.Downloads.clear();
    record.SiteRating.clear();
    record.UserRating.clear();
    record.Votes.clear();
}

} // namespace listrider::engine
