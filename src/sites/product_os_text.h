// The product's operating systems as one text, the way the site rules read them.
#pragma once

#include <string>

#include "catalogue/operating_systems.h"

namespace listrider::sites {

/// Returns the checked operating systems in list order, each by the first test its caption
/// passes ("3.1x" gives "Win 3.1x", "95" "Win95", … "s CE" "Windows CE", otherwise the caption),
/// joined by commas.
std::string ProductOsText(const catalogue::OsSelection& selection);

} // namespace listrider::sites
