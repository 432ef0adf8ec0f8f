// A site's own error patterns matched against the last page the run saved for it.
#pragma once

#include <filesystem>
#include <string>
#include <string_view>

#include "engine/error_details.h"
#include "sites/site_record.h"
#include "store/site_text.h"

namespace listrider::engine {

/// Returns the page's lines (ended by CR LF, LF or CR) joined into one text, each line followed
/// by one space.
std::string JoinPageLines(std::string_view page);

/// Matches the site's error list (GetErrorFromFile): its triples of pattern, reason and solution
/// against the newest saved page of the site in the result folder (requests 30 down to 0). At
/// the first pattern the page holds (ASCII case ignored) the reason and solution become the
/// triple's and the answer is yes. No error list, no page or no match changes nothing.
bool GetErrorFromFile(const sites::SitesR& site,
                      const store::SiteKey& key,
                      const std::filesystem::path& resultFolder,
                      ErrorTexts& texts);

} // namespace listrider::engine
