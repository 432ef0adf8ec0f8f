#include "sites/site_filter.h"

#include <cmath>
#include <optional>

#include "store/ascii.h"
#include "store/date_time.h"
#include "store/file_io.h"
#include "store/file_system.h"
#include "store/numbers.h"
#include "store/tag_document.h"

namespace listrider::sites {
namespace {

constexpr std::array<FilterFlagInfo, kFilterFlagCount> kFlags = {{
    {FilterFlag::Shareware, "Shareware", "Shareware Sites"},
    {FilterFlag::Freeware, "Freeware", "Freeware Sites"},
    {FilterFlag::Games, "Games", "Game Sites"},
    {FilterFlag::Submitted, "Submitted", "Product was submitted"},
    {FilterFlag::NotSubmitted, "Not_Submitted", "Product was not submitted"},
    {FilterFlag::LatestListed, "Latest_Listed", "Latest version is listed"},
    {FilterFlag::LatestSubmitted, "Latest_Submitted", "Latest version was submitted"},
    {FilterFlag::OlderListed, "Older_Listed", "Older version is listed"},
    {FilterFlag::NotListed, "Not_Listed", "Program is not listed"},
    {FilterFlag::Affiliate, "Affiliate", "Affiliate program required"},
    {FilterFlag::RegNowAff, "RegNow_Aff", "RegNow Aff. Sites"},
    {FilterFlag::ShareItAff, "ShareIt_Aff", "ShareIt! Aff. Sites"},
    {FilterFlag::RegSoftAff, "RegSoft_Aff", "RegSoft Aff. Sites"},
    {FilterFlag::ESellerateAff, "eSellerate_Aff", "eSellerate Aff. Sites"},
    {FilterFlag::Pad, "PAD", "PAD Supported"},
    {FilterFlag::ReqAuth, "Req_auth", "Requires authentication"},
    {FilterFlag::NotReqAuth, "Not_Req_Auth", "Not requires authentication"},
    {FilterFlag::SubmittedBefore, "Submitted_Before", "Not submitted after"},
}};

constexpr std::string_view kDateTag = "Submitted_Before_Date";
constexpr std::string_view kLanguageTag = "Site_Language";

// A field that says something: neither empty nor "-".
bool IsSet(std::string_view field)
{
    return !field.empty() && field != "-";
}

bool IsNeverSubmitted(std::string_view submitted)
{
    return submitted.empty() || submitted == " " || submitted == "0";
}

// The day of a Submitted value: a day-month-year date when it holds "-", else a number of days.
std::optional<double> SubmittedDay(std::string_view submitted)
{
    if (submitted.find('-') != std::string_view::npos) {
        const std::optional<store::CivilDate> date = store::ParseDayMonthYear(submitted);
        if (!date) {
            return std::nullopt;
        }
        return static_cast<double>(store::DaysSince1899(*date));
    }
    const std::optional<double> number = store::ParseDateTimeNumber(submitted);
    if (!number) {
        return std::nullopt;
    }
    return std::floor(*number);
}

} // namespace

std::span<const FilterFlagInfo> FilterFlags()
{
    return kFlags;
}

const FilterFlagInfo* FindFilterFlag(std::string_view tag)
{
    for (const FilterFlagInfo& info : kFlags) {
        if (store::EqualsNoCase(info.tag, tag)) {
            return &info;
        }
    }
    return nullptr;
}

FilterSettings ResetFilter(double now)
{
    FilterSettings settings;
    settings.SetFlag(FilterFlag::LatestSubmitted, true);
    settings.submittedBeforeDate = now;
    settings.language = std::string(kAllLanguages);
    return settings;
}

FilterSettings ShowAllFilter(double now)
{
    FilterSettings settings = ResetFilter(now);
    settings.flags.fill(true);
    settings.SetFlag(FilterFlag::SubmittedBefore, false);
    return settings;
}

void ApplyFilterLines(store::LineSpan lines, FilterSettings& settings)
{
    const store::ElementReader reader(lines);
    for (const FilterFlagInfo& info : kFlags) {
        settings.SetFlag(info.flag, reader.Flag(info.tag, store::kYnFlags, settings.Flag(info.flag)));
    }
    if (const std::optional<std::string> date = reader.Find(kDateTag)) {
        if (const std::optional<double> number = store::ParseDateTimeNumber(*date)) {
            settings.submittedBeforeDate = *number;
        }
    }
    if (std::optional<std::string> language = reader.Find(kLanguageTag)) {
        settings.language = std::move(*language);
    }
}

store::LineList FilterLines(const FilterSettings& settings)
{
    store::TagWriter writer;
    for (const FilterFlagInfo& info : kFlags) {
        writer.Flag(info.tag, settings.Flag(info.flag), store::kYnFlags);
        if (info.flag == FilterFlag::SubmittedBefore) {
            writer.Element(
                kDateTag,
                store::FormatDateTimeNumber(settings.submittedBeforeDate, store::LocaleDecimalSeparator()));
        }
    }
    writer.Element(kLanguageTag, settings.language);
    return writer.Lines();
}

FilterSettings LoadFilter(const std::filesystem::path& workspace, double now)
{
    const std::filesystem::path file = store::ResolveNoCase(workspace, kFilterFile);
    std::error_code ec;
    if (!std::filesystem::is_regular_file(file, ec)) {
        return ShowAllFilter(now);
    }
    FilterSettings settings = ResetFilter(now);
    ApplyFilterLines(store::LoadLines(file), settings);
    return settings;
}

store::Result<void> SavefILTER(const std::filesystem::path& workspace, const FilterSettings& settings)
{
    return store::SaveLines(store::ResolveNoCase(workspace, kFilterFile), FilterLines(settings));
}

SiteFilter::SiteFilter(const FilterSettings& settings,
                       std::string productVersion,
                       const catalogue::AccountsList& accounts)
    : m_settings(settings)
    , m_productVersion(std::move(productVersion))
    , m_accounts(accounts)
{}

bool SiteFilter::HiddenByFlags(const SitesR& site) const
{
    const auto off = [this](FilterFlag flag) {
        return !m_settings.Flag(flag);
    };
    const bool needsAccount = m_accounts.FindNoCase(site.Name) != nullptr;

    const struct
    {
        FilterFlag flag;
        bool siteIsOfKind;
    } kinds[] = {
        {FilterFlag::Shareware, store::ContainsNoCase(site.Accepts, "all")},
        {FilterFlag::Freeware, store::ContainsNoCase(site.Accepts, "free")},
        {FilterFlag::Games, store::ContainsNoCase(site.Accepts, "game")},
        {FilterFlag::Submitted, !IsNeverSubmitted(site.Submitted)},
        {FilterFlag::NotSubmitted, IsNeverSubmitted(site.Submitted)},
        {FilterFlag::LatestListed, IsSet(site.VersionListed) && site.VersionListed == m_productVersion},
        {FilterFlag::LatestSubmitted, site.VersionSubmitted == m_productVersion},
        {FilterFlag::OlderListed, IsSet(site.VersionListed) && site.VersionListed != m_productVersion},
        {FilterFlag::NotListed, IsSet(site.Listed) && site.Listed == "NO"},
        {FilterFlag::Affiliate, IsSet(site.Affiliate) && store::ContainsNoCase(site.Affiliate, "req")},
        {FilterFlag::RegNowAff,
         IsSet(site.RegNowAffiliate) && store::ContainsNoCase(site.RegNowAffiliate, "supported")},
        {FilterFlag::ShareItAff,
         IsSet(site.ShareItAffiliate) && store::ContainsNoCase(site.ShareItAffiliate, "supported")},
        {FilterFlag::RegSoftAff,
         IsSet(site.RegSoftAffiliate) && store::ContainsNoCase(site.RegSoftAffiliate, "supported")},
        {FilterFlag::ESellerateAff,
         IsSet(site.ESellerateAffiliate) && store::ContainsNoCase(site.ESellerateAffiliate, "supported")},
        {FilterFlag::Pad, site.PadSupport == "YES"},
        {FilterFlag::ReqAuth, needsAccount},
        {FilterFlag::NotReqAuth, !needsAccount},
    };

    for (const auto& kind : kinds) {
        if (kind.siteIsOfKind && off(kind.flag)) {
            return true;
        }
    }
    return false;
}

bool SiteFilter::HiddenByDate(const SitesR& site) const
{
    if (!m_settings.Flag(FilterFlag::SubmittedBefore) || !IsSet(site.Submitted)) {
        return false;
    }
    const std::optional<double> day = SubmittedDay(site.Submitted);
    return day && *day > std::floor(m_settings.submittedBeforeDate);
}

bool SiteFilter::Matches(const SitesR& site) const
{
    if (HiddenByFlags(site) || HiddenByDate(site)) {
        return false;
    }
    return m_settings.language == kAllLanguages || store::ContainsNoCase(m_settings.language, site.Language);
}

std::vector<int> UseFilter(const SiteTable& table, const SiteFilter& filter)
{
    std::vector<int> map(table.sites.size());
    for (std::size_t i = 0; i < table.sites.size(); ++i) {
        map[i] = filter.Matches(table.sites[i]) ? static_cast<int>(i) : -1;
    }
    return map;
}

std::vector<FilterLanguage> FilterLanguages(const SiteTable& table, std::string_view setting)
{
    std::vector<FilterLanguage> languages;
    for (const SitesR& site : table.sites) {
        bool known = false;
        for (const FilterLanguage& entry : languages) {
            known = known || entry.language == site.Language;
        }
        if (!known) {
            languages.push_back(
                {site.Language, setting == kAllLanguages || store::ContainsNoCase(setting, site.Language)});
        }
    }
    return languages;
}

std::string LanguageSetting(std::span<const FilterLanguage> languages)
{
    std::string setting;
    std::size_t checked = 0;
    for (const FilterLanguage& entry : languages) {
        if (entry.checked) {
            setting.append(entry.language).append(", ");
            ++checked;
        }
    }
    return checked == languages.size() ? std::string(kAllLanguages) : setting;
}

} // namespace listrider::sites
