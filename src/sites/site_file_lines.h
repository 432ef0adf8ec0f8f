// Reading a site's package text by member name, as the scripts and mapping lists are read.
#pragma once

#include <string_view>

#include "sites/site_index.h"
#include "store/line_list.h"
#include "store/site_text.h"

namespace listrider::sites {

/// Returns the position of the site a member file name names: the first record whose Name
/// equals the file part (after the last '/') without its extension; -1 when none does.
int SiteOfFileName(const SiteTable& table, std::string_view fileName);

/// Returns the lines of the record text that a member file name selects (only the file part
/// counts; no file is read). The extension "sub" in any case selects step 0; "cat", "ca0" and
/// "caa" are never decoded; the lists of the package are decoded with `key` when `decode` is
/// set; any other extension is a step number 0..200. An unknown site, an unknown extension or a
/// step outside 0..200 gives no lines.
store::LineList
SiteFileLines(const SiteTable& table, std::string_view fileName, bool decode, const store::SiteKey& key);

} // namespace listrider::sites
