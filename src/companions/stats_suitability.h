// The stats window's auto-hide test: does a site suit the open product?
#pragma once

#include <span>
#include <string>

#include "catalogue/product.h"
#include "companions/stats_list.h"

namespace listrider::companions {

/// Returns the test of "Auto-hide all unsuitable sites": the site takes programs for the
/// product's operating systems and of its type, and is not blacklisted.
StatsSuitability StatsSuitabilityFor(const catalogue::Product& product,
                                     std::span<const std::string> blacklist);

} // namespace listrider::companions
