// The Site Properties dialog's "Site Info" page: what a site accepts and demands.
#pragma once

#include <string>

#include "catalogue/accounts.h"
#include "sites/site_record.h"

namespace listrider::sites {

/// The read-only boxes and texts of the page.
struct SiteInfo
{
    bool all = false; ///< "Accepts: "
    bool games = false;
    bool freeware = false;
    bool regNow = false; ///< "Affiliate: "
    bool regSoft = false;
    bool eSellerate = false;
    bool shareIt = false;
    bool required = false;
    bool categories = false;    ///< "Categories: " Yes/No
    bool authorAccount = false; ///< "Author account: " Yes/No: the site is in the accounts list
    std::string comments;
    std::string url;

    friend bool operator==(const SiteInfo&, const SiteInfo&) = default;
};

/// Returns the page for a site.
SiteInfo SiteInfoOf(const SitesR& site, const catalogue::AccountsList& accounts);

} // namespace listrider::sites
