// affiliate.dat: the reseller identifiers and commissions of a product.
#pragma once

#include "catalogue/affiliate_info.h"
#include "store/line_list.h"

namespace listrider::catalogue {

/// Fills the affiliate fields from affiliate.dat (tags in any case).
void ReadAffiliateFile(store::LineSpan lines, AffiliateInfo& affiliates);

/// Returns the lines of affiliate.dat in written order.
store::LineList AffiliateFileLines(const AffiliateInfo& affiliates);

} // namespace listrider::catalogue
