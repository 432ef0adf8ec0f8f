// The Referer a site's step is sent with, from the site's referrer list (.ref).
#pragma once

#include <string>
#include <string_view>

#include "sites/site_index.h"
#include "store/macro_scanner.h"
#include "store/site_text.h"

namespace listrider::engine {

/// Returns the referrer of step `step` of the site: the line after the last line of its .ref list
/// that holds the step number, macros expanded; empty when the site has no list or no such line.
std::string StepReferrer(const sites::SiteTable& table,
                         const sites::SitesR& site,
                         int step,
                         const store::SiteKey& key,
                         const store::NarrowMacroResolver& resolve);

} // namespace listrider::engine
