// Reseller identifiers found in a PAD file's order URL.
#pragma once

#include <string_view>

#include "catalogue/affiliate_info.h"

namespace listrider::catalogue {

/// Takes the RegNow, ShareIt, RegSoft and eSellerate identifiers out of the line holding the
/// order URL. `shareItParentDomain` (may be empty) is the domain of ShareIt's parent reseller.
void ReadResellerIds(std::string_view orderLine,
                     std::string_view shareItParentDomain,
                     AffiliateInfo& affiliates);

} // namespace listrider::catalogue
