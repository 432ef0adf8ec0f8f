// One e-mail step of a site's script: by SMTP, falling back to the mail relay.
#pragma once

#include "engine/run_context.h"
#include "engine/script_step.h"

namespace listrider::engine {

/// How an e-mail step ended.
enum class MailStepEnd
{
    SiteDone, ///< the site ends (with the step number unchanged, or -2 after a Skip)
    StopRun,  ///< the user stopped the run
};

/// Sends the loaded e-mail step of the site and records its outcome.
MailStepEnd RunMailStep(RunContext& run, SiteState& site, const LoadedStep& step);

} // namespace listrider::engine
