// The sites whose scripts need values no mapping list gives: free values (and, for one site, the
// category) filled by the site's name before every step.
#pragma once

#include "engine/run_values.h"

namespace listrider::engine {

/// Applies the rules of the current site's name: at most one rule for an exact name, then every
/// rule whose name part the site's name contains (ASCII case ignored). The names D1 to D7 come
/// from the installation; an empty one names no site.
void ApplySpecialSites(RunValues& values);

} // namespace listrider::engine
