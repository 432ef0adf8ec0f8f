#include "companions/stats_suitability.h"

#include "sites/blacklist.h"
#include "sites/suitability.h"

namespace listrider::companions {

StatsSuitability StatsSuitabilityFor(const catalogue::Product& product,
                                     std::span<const std::string> blacklist)
{
    return [suitability = sites::SuitabilityOf(product),
            names = std::vector<std::string>(blacklist.begin(), blacklist.end())](const sites::SitesR& site) {
        return sites::SuitsOs(site, suitability.osText) && sites::SuitsType(site, suitability) &&
               !sites::IsBlacklisted(names, site.Name);
    };
}

} // namespace listrider::companions
