// Which sites the site list shows: filter.ini and the rules of the "Site's Filter" dialog.
#pragma once

#include <array>
#include <cstddef>
#include <filesystem>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "catalogue/accounts.h"
#include "sites/site_index.h"
#include "store/line_list.h"
#include "store/result.h"

namespace listrider::sites {

/// The file of the filter settings in the workspace.
inline constexpr const char* kFilterFile = "filter.ini";

/// The language setting that lets every language through.
inline constexpr std::string_view kAllLanguages = "ALL";

/// The flags of the filter, in the order filter.ini writes them. A flag that is on shows the
/// sites of its kind, except SubmittedBefore, which hides sites submitted after the date.
enum class FilterFlag
{
    Shareware,
    Freeware,
    Games,
    Submitted,
    NotSubmitted,
    LatestListed,
    LatestSubmitted,
    OlderListed,
    NotListed,
    Affiliate,
    RegNowAff,
    ShareItAff,
    RegSoftAff,
    ESellerateAff,
    Pad,
    ReqAuth,
    NotReqAuth,
    SubmittedBefore,
};

inline constexpr std::size_t kFilterFlagCount = static_cast<std::size_t>(FilterFlag::SubmittedBefore) + 1;

/// A flag's tag in filter.ini and its caption in the dialog.
struct FilterFlagInfo
{
    FilterFlag flag;
    std::string_view tag;
    std::string_view caption;
};

/// Returns every flag in file order.
std::span<const FilterFlagInfo> FilterFlags();

/// Returns the flag whose tag equals the text ignoring ASCII case, or null.
const FilterFlagInfo* FindFilterFlag(std::string_view tag);

/// The filter settings.
struct FilterSettings
{
    std::array<bool, kFilterFlagCount> flags{};
    double submittedBeforeDate = 0; ///< the "Not submitted after" date as a date-time number
    std::string language;           ///< "ALL", or languages each followed by ", "

    bool Flag(FilterFlag flag) const { return flags[static_cast<std::size_t>(flag)]; }

    void SetFlag(FilterFlag flag, bool on) { flags[static_cast<std::size_t>(flag)] = on; }

    friend bool operator==(const FilterSettings&, const FilterSettings&) = default;
};

/// Returns the values the settings are reset to before filter.ini is applied: every flag off but
/// "Latest version was submitted", the date `now`, language "ALL".
FilterSettings ResetFilter(double now);

/// Returns the settings of a workspace without filter.ini: every site shown (each flag on but
/// "Not submitted after"), the date `now`, language "ALL".
FilterSettings ShowAllFilter(double now);

/// Applies filter.ini's lines over the settings: each line by its own tag, ignoring ASCII case;
/// a flag is on when its value is "Y".
void ApplyFilterLines(store::LineSpan lines, FilterSettings& settings);

/// Returns the lines of filter.ini in file order.
store::LineList FilterLines(const FilterSettings& settings);

/// Returns the workspace's filter (LoadFilter): the reset values with filter.ini applied, or
/// ShowAllFilter when there is no filter.ini.
FilterSettings LoadFilter(const std::filesystem::path& workspace, double now);

/// Writes filter.ini.
store::Result<void> SavefILTER( // NOLINT(readability-identifier-naming): the program's own name
    const std::filesystem::path& workspace,
    const FilterSettings& settings);

/// The filter's test of one site for the open product.
class SiteFilter
{
public:
    /// `accounts` tells which sites need an account; it must outlive the filter.
    SiteFilter(const FilterSettings& settings,
               std::string productVersion,
               const catalogue::AccountsList& accounts);

    /// Returns whether the site is shown.
    bool Matches(const SitesR& site) const;

private:
    bool HiddenByFlags(const SitesR& site) const;
    bool HiddenByDate(const SitesR& site) const;

    FilterSettings m_settings;
    std::string m_productVersion;
    const catalogue::AccountsList& m_accounts;
};

/// Returns the index map of the table (UseFilter): each position, or -1 for a hidden site.
std::vector<int> UseFilter(const SiteTable& table, const SiteFilter& filter);

/// One language of the dialog's "Language" list.
struct FilterLanguage
{
    std::string language;
    bool checked = false;
};

/// Returns each distinct Language of the table once, in table order, checked when the setting
/// is "ALL" or contains it.
std::vector<FilterLanguage> FilterLanguages(const SiteTable& table, std::string_view setting);

/// Returns the language setting of the dialog's list: the checked languages each followed by
/// ", ", or "ALL" when every one is checked.
std::string LanguageSetting(std::span<const FilterLanguage> languages);

} // namespace listrider::sites
