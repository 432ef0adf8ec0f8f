// Closing a site: its outcome in the lists, the status, the result file, the counters.
#pragma once

#include "engine/run_context.h"

namespace listrider::engine {

/// Records how the site's script ended (once per site) and commits the journal with the site
/// done, the result line it appends carried by the same commit.
void CloseSite(RunContext& run, SiteState& site);

} // namespace listrider::engine
