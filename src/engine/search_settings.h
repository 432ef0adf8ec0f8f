// A site's search settings (.sss): where the submission starts after the search script.
#pragma once

#include <optional>
#include <string_view>

#include "sites/site_index.h"
#include "store/site_text.h"

namespace listrider::engine {

/// The entry steps the search script's verdict leads to.
struct SearchSettings
{
    int notListedStep = 0;    ///< the product is not listed at the site
    int otherVersionStep = 0; ///< an older or different version is listed
};

/// Returns the site's search settings read from <Site>.sss: exactly 4 lines, with step numbers on
/// lines 1 and 3. Any other shape gives nothing, and the caller keeps the previous site's values.
std::optional<SearchSettings>
ReadSearchSettings(const sites::SiteTable& table, std::string_view site, const store::SiteKey& key);

} // namespace listrider::engine
