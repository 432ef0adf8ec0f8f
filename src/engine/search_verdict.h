// The verdict of a site's search script: is the product listed at the site, and in which version?
#pragma once

#include <string>
#include <string_view>

#include "engine/run_context.h"

namespace listrider::engine {

/// Returns a version as the verdict compares it: spaces trimmed and collapsed, a decimal number
/// in the locale's shortest form (NormalizeNumber), upper-cased.
std::string NormalizeVersion(std::string_view version);

/// Applies the verdict after a search step (ApplySearchVerdict): only while the site's search
/// is active and the step is -1, -2 or -5. A product found in the same version ends the site as
/// "Exists"; found in another version or not found, the submission starts at the search
/// settings' step. The found values go into the site's record.
void ApplySearchVerdict(RunContext& run, SiteState& site);

} // namespace listrider::engine
