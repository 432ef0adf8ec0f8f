// One web step of a site's script: commands, trace, expansion, the request, the success test,
// the requeue of unreachable and timed-out sites, the search rules.
#pragma once

#include "engine/run_context.h"
#include "engine/script_step.h"

namespace listrider::engine {

/// How a web step left the site.
enum class WebStepEnd
{
    NextStep, ///< the step loop goes on (the site may have ended: see the step number)
    Requeued, ///< the site went back into the queue; the site loop restarts at its position
    StopRun,  ///< the user stopped the run
};

/// Runs the loaded web step of the site.
WebStepEnd RunWebStep(RunContext& run, SiteState& site, LoadedStep& step);

/// Writes a captured login and password into the site's accounts row and saves the accounts.
void StoreCapturedAccount(RunContext& run, const SiteState& site, std::string login, std::string password);

} // namespace listrider::engine
