#include "companions/stats_suitability.h"

#include <algorithm>

namespace listrider::companions {

StatsSuitability StatsSuitabilityFor(const catalogue::Product&, std::span<const std::string> blacklist)
{
    std::vector<std::string> names(blacklist.begin(), blacklist.end());
    return [names = std::move(names)](const sites::SitesR& site) {
        return std::find(names.begin(), names.end(), site.Name) == names.end();
    };
}

} // namespace listrider::companions
