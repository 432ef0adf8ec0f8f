// Whether each site of the site list suits the open product: the marks, the unchecking of
// unsuitable rows and the counters of the "Sites" page.
#pragma once

#include <span>
#include <string>
#include <string_view>

#include "catalogue/product.h"
#include "sites/site_index.h"
#include "sites/site_list.h"

namespace listrider::sites {

/// The marks (image numbers of the window's image list).
namespace marks {
inline constexpr int kReady = 0;
inline constexpr int kNotInFastCategory = 1;
inline constexpr int kWrongType = 2;
inline constexpr int kNeedsAffiliate = 3;
inline constexpr int kWrongOs = 8;
inline constexpr int kNeedsBackLink = 9;
inline constexpr int kNeedsNewerProgram = 10;
inline constexpr int kResubmitTooSoon = 13;
inline constexpr int kUpdateTooSoon = 14;
} // namespace marks

/// One entry of the legend window.
struct MarkLegend
{
    int image;
    std::string_view text;
};

/// Returns the legend in the order the legend window lists it.
std::span<const MarkLegend> MarkLegends();

/// Returns the legend text of a mark (empty for an unknown image).
std::string_view MarkText(int image);

/// What the marks read of the open product.
struct SuitabilityProduct
{
    std::string type;     ///< "Shareware", "Freeware" …
    std::string version;  ///< "Version:"
    std::string category; ///< the PAD-specific category, or the fast category when none is chosen
    std::string osText;   ///< the product's operating-system text
    std::string linksPage;
    std::string regNowId;
    std::string regSoftId;
    std::string shareItCompanyId;
    std::string eSellerateId; ///< the eSellerate company ID
};

/// Returns the marks' view of a product.
SuitabilityProduct SuitabilityOf(const catalogue::Product& product);

/// Returns whether the site accepts programs for the product's operating systems.
bool SuitsOs(const SitesR& site, std::string_view osText);

/// Returns whether the site takes programs of the product's type (and games only for games).
bool SuitsType(const SitesR& site, const SuitabilityProduct& product);

/// Returns the mark of the site's own rules for the product, the last failing rule winning:
/// back link, operating system, affiliate program, type, resubmission (against `today`, a
/// date-time number), program version; kReady when every rule passes.
int SiteMark(const SitesR& site, const SuitabilityProduct& product, double today);

/// The counters of the "Sites" page.
struct SiteCounters
{
    std::size_t showing = 0;     ///< "Showing Sites:"
    std::size_t total = 0;       ///< "Total Sites:"
    std::size_t submittedTo = 0; ///< "Submitted to:"
    std::size_t listedAt = 0;    ///< "Listed at:"

    friend bool operator==(const SiteCounters&, const SiteCounters&) = default;
};

/// What the marking pass reads besides the list and the table.
struct MarkInputs
{
    const SuitabilityProduct& product;
    std::span<const std::string> exclusions; ///< the sites the chosen fast category leaves out
    bool hideUnSuitable = false;             ///< the preference Hide_UnSuitable
    double today = 0;                        ///< taken once at start-up
};

/// Gives every row its mark and unchecks the unsuitable ones, removes them when
/// Hide_UnSuitable is on, and returns the counters.
SiteCounters ApplySuitabilityMarks(SiteList& list, const SiteTable& table, const MarkInputs& inputs);

/// Gives each row of the affiliate-sites list its mark for the product's affiliate-support
/// boxes: a row whose Affiliate reads "Required" needs a checked box for one of its services.
void ApplyAffiliateMarks(std::span<AffiliateRow> rows, const catalogue::AffiliateSupport& support);

} // namespace listrider::sites
