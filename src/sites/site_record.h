// One site of the site table: its index header, the open product's status and its package texts.
#pragma once

#include <array>
#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace listrider::sites {

/// The longest value a short text field of a site record keeps.
inline constexpr std::size_t kShortTextLength = 255;

/// The longest value of `MustBeChecked`.
inline constexpr std::size_t kMustBeCheckedLength = 5;

/// Returns the text cut to at most `length` characters.
std::string CutText(std::string_view text, std::size_t length);

/// The step texts of a site, slots 0..200. Slots are allocated on the first write, so a table of
/// thousands of sites whose packages are not loaded yet stays small.
class StepSlots
{
public:
    static constexpr int kSlotCount = 201;

    /// Returns the text of slot `step`; empty for an unfilled slot or a number outside 0..200.
    std::string_view Get(int step) const;

    /// Replaces the text of slot `step` (ignored outside 0..200).
    void Set(int step, std::string text);

    /// Returns whether some slot holds a text.
    bool HasAny() const;

private:
    std::vector<std::string> m_slots;
};

/// A site record. Field names are the program's own, in declared order; texts are bytes in the
/// code page, and the short texts are cut where they are filled.
struct SitesR // NOLINT(clang-analyzer-optin.performance.Padding): kept in the program's field order
{
    std::string Name;
    std::string Validate; ///< at most 255
    bool Unique = false;
    std::string Category; ///< per product; "-" = none
    bool HasCategories = false;
    std::string Accepts = "All"; ///< at most 255
    std::string Submitted = "0"; ///< per product: date-time number of the last submission
    std::string MinimumVersion = "1.0";
    std::string Listed;           ///< per product, at most 255
    std::string VersionSubmitted; ///< per product, at most 255
    std::string VersionListed;    ///< per product, at most 255
    std::string Affiliate = "-";  ///< at most 255
    std::string RegNowAffiliate = "-";
    std::string ShareItAffiliate = "-";
    std::string RegSoftAffiliate = "-";
    std::string ESellerateAffiliate = "-";
    std::string LinkRequired; ///< at most 255
    std::string AccountKind = "n/a";
    std::string PadSupport;
    std::string Comments;
    bool OsCategories = false;
    std::string OsSupport;
    bool Skipped = false; ///< per product
    std::string Downloads;
    std::string MustBeChecked; ///< per product, at most 5
    std::string SiteRating;
    std::string UserRating;
    std::string Url;
    std::string Votes;
    bool Request = false;
    std::string Language = "English";
    bool Stats = false;
    std::array<bool, 6> StatsInfo{}; ///< indexed 1..5; [0] is unused
    bool Loaded = false;             ///< the package texts below are present
    StepSlots Steps;                 ///< slot 0 holds the .sub member
    std::string Zam;
    std::string Sss;
    std::string Aff;
    std::string StatsSum;
    std::string Cod;
    std::string Ref;
    std::string Cat;
    std::string Ca0;
    std::string Caa;
    std::string Exb;
    std::string Are;
    std::string Scr;
    std::string Os;
    std::string Typ;
    std::string Ins;
    std::string Cou;
    std::string Rel;
    std::string Sta;
    std::string Err;
    std::string Lng;
    bool HasPrb = false;
    std::string Exp;
    std::string Siz;
    std::string Mon;
    std::string Lan;
    std::string Bet;
};

} // namespace listrider::sites
