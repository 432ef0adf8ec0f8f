// The "Back link" page's code box: the back-link codes (.cod) of the sites that demand a link.
#pragma once

#include <string>
#include <string_view>

#include "sites/site_index.h"
#include "sites/site_list.h"
#include "sites/site_packages.h"

namespace listrider::sites {

/// Returns the code box's text for an entry of the back-link list: for " -= ALL SITES =- " the
/// codes of every listed site one after another (each on lines of its own), else the site's
/// code; each package is loaded on demand. An entry the list does not hold gives nothing.
std::string
BackLinkCode(SiteTable& table, SitePackages& packages, const SiteList& list, std::string_view entry);

} // namespace listrider::sites
