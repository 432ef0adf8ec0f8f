// A step as a site would receive it for the product, without sending anything.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "engine/run_values.h"
#include "engine/script_step.h"
#include "store/result.h"

namespace listrider::engine {

/// The fields of a loaded step after the operating-system multi-selection, macro expansion and
/// value mapping. Text commands are not run (there is no page), so what they would extract
/// stays empty.
struct StepPreview
{
    LoadedStep step;                     ///< as the loader read it
    std::vector<std::string> names;      ///< web steps: the field names to send
    std::vector<std::string> values;     ///< web: the field values; e-mail: the body lines
    std::string path;                    ///< web: the request path
    std::string recipient;               ///< e-mail
    std::optional<store::Error> failure; ///< a value that could not be prepared: the site ends with "Error"
};

/// Loads the step of the current site (StartSiteValues must have run) and expands it as the run
/// would before sending it. A step the loader rejects is its error.
store::Result<StepPreview> PreviewStep(RunValues& values, std::string_view stepFile);

} // namespace listrider::engine
