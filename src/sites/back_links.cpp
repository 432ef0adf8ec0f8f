#include "sites/back_links.h"

#include <algorithm>

namespace listrider::sites {
namespace {

std::string CodeOf(SiteTable& table, SitePackages& packages, std::string_view site)
{
    packages.LoadCurrentSite(table, site);
    const int position = FindDBIndex(table, site);
    return position < 0 ? std::string() : table.sites[static_cast<std::size_t>(position)].Cod;
}

} // namespace

std::string
BackLinkCode(SiteTable& table, SitePackages& packages, const SiteList& list, std::string_view entry)
{
    const std::vector<std::string>& links = list.BackLinks();
    if (std::find(links.begin(), links.end(), entry) == links.end()) {
        return {};
    }
    if (entry != kAllSitesEntry) {
        return CodeOf(table, packages, entry);
    }
    std::string text;
    for (std::size_t i = 1; i < links.size(); ++i) {
        std::string code = CodeOf(table, packages, links[i]);
        if (!text.empty() && !text.ends_with("\r\n")) {
            text.append("\r\n");
        }
        text.append(code);
    }
    return text;
}

} // namespace listrider::sites
