#include "sites/site_info.h"

#include "store/ascii.h"

namespace listrider::sites {

SiteInfo SiteInfoOf(const SitesR& site, const catalogue::AccountsList& accounts)
{
    SiteInfo info;
    const std::string_view accepts = site.Accepts;
    if (store::EqualsNoCase(accepts, "All")) {
        info.all = true;
    } else if (store::EqualsNoCase(accepts, "Games only")) {
        info.games = true;
    } else if (store::EqualsNoCase(accepts, "Freeware only")) {
        info.freeware = true;
    } else if (store::ContainsNoCase(accepts, "game") && store::ContainsNoCase(accepts, "free")) {
        info.games = true;
        info.freeware = true;
    }
    info.regNow = store::ContainsNoCase(site.RegNowAffiliate, "supported");
    info.regSoft = store::ContainsNoCase(site.RegSoftAffiliate, "supported");
    info.eSellerate = store::ContainsNoCase(site.ESellerateAffiliate, "supported");
    info.shareIt = store::ContainsNoCase(site.ShareItAffiliate, "supported");
    info.required = store::ContainsNoCase(site.Affiliate, "requir");
    info.categories = site.HasCategories;
    info.authorAccount = accounts.FindNoCase(site.Name) != nullptr;
    info.comments = site.Comments;
    info.url = site.Url;
    return info;
}

} // namespace listrider::sites
