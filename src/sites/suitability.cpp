#include "sites/suitability.h"

#include <array>
#include <optional>
#include <unordered_map>
#include <unordered_set>

#include "sites/product_os_text.h"
#include "store/ascii.h"
#include "store/date_time.h"
#include "store/numbers.h"
#include "store/text_helpers.h"
#include "store/version.h"

namespace listrider::sites {
namespace {

constexpr std::array<MarkLegend, 9> kLegend = {{
    {marks::kReady, "The site is ready for submission"},
    {marks::kWrongType, "The site does not match by its type"},
    {marks::kNotInFastCategory, "The site is not available for the chosen Fast Category"},
    {marks::kNeedsAffiliate, "The site demands affiliate program"},
    {marks::kWrongOs, "The site does not accepts programs for the chosen OS"},
    {marks::kNeedsBackLink, "The site demands to place a back link"},
    {marks::kNeedsNewerProgram, "Updated version of Listrider is required to use this site"},
    {marks::kUpdateTooSoon, "At least 10 days must pass before update can be submitted"},
    {marks::kResubmitTooSoon, "At least 25 days must pass before same version can be resubmitted"},
}};

bool IsSet(std::string_view field)
{
    return !field.empty() && field != "-";
}

bool ContainsAny(std::string_view text, std::initializer_list<std::string_view> parts)
{
    for (const std::string_view part : parts) {
        if (store::ContainsNoCase(text, part)) {
            return true;
        }
    }
    return false;
}

bool LacksBackLink(const SitesR& site, const SuitabilityProduct& product)
{
    return site.LinkRequired == "YES" && (product.linksPage.empty() || product.linksPage == "http://");
}

bool LacksAffiliate(const SitesR& site, const SuitabilityProduct& product)
{
    if (!IsSet(site.Affiliate) || !store::ContainsNoCase(site.Affiliate, "Required")) {
        return false;
    }
    const std::pair<std::string_view, std::string_view> services[] = {
        {site.RegNowAffiliate, product.regNowId},
        {site.ShareItAffiliate, product.shareItCompanyId},
        {site.RegSoftAffiliate, product.regSoftId},
        {site.ESellerateAffiliate, product.eSellerateId},
    };
    for (const auto& [field, identifier] : services) {
        if (IsSet(field) && !identifier.empty()) {
            return false;
        }
    }
    return true;
}

// The resubmission mark, or nothing when the site may take the product again.
std::optional<int> ResubmissionMark(const SitesR& site, const SuitabilityProduct& product, double today)
{
    if (site.Skipped) {
        return std::nullopt;
    }
    // A status written under another locale still reads, so its dates keep protecting the site.
    const std::optional<double> submitted = store::ParseDateTimeNumber(site.Submitted);
    if (!submitted) {
        return std::nullopt;
    }
    if (site.VersionSubmitted != product.version) {
        return *submitted + 10 > today ? std::optional<int>(marks::kUpdateTooSoon) : std::nullopt;
    }
    return *submitted + 25 > today ? std::optional<int>(marks::kResubmitTooSoon) : std::nullopt;
}

bool NeedsNewerProgram(const SitesR& site)
{
    const std::optional<double> program = store::ParseDecimal(store::kProgramVersion, '.');
    const std::optional<double> minimum = store::ParseDecimal(site.MinimumVersion, '.');
    return program && minimum && *minimum > *program;
}

} // namespace

std::span<const MarkLegend> MarkLegends()
{
    return kLegend;
}

std::string_view MarkText(int image)
{
    for (const MarkLegend& entry : kLegend) {
        if (entry.image == image) {
            return entry.text;
        }
    }
    return {};
}

SuitabilityProduct SuitabilityOf(const catalogue::Product& product)
{
    SuitabilityProduct facts;
    facts.type = product.program.type;
    facts.version = product.program.version;
    facts.category = product.category.padSpecificCategory.empty() ? product.category.fastCategory
                                                                  : product.category.padSpecificCategory;
    facts.osText = ProductOsText(product.program.os);
    facts.linksPage = product.affiliates.linksPage;
    facts.regNowId = product.affiliates.regNowId;
    facts.regSoftId = product.affiliates.regSoftId;
    facts.shareItCompanyId = product.affiliates.shareItCompanyId;
    facts.eSellerateId = product.affiliates.eSellerateCompanyId;
    return facts;
}

bool SuitsOs(const SitesR& site, std::string_view osText)
{
    const std::string_view os = site.OsSupport;
    if (store::ContainsNoCase(os, "ALL")) {
        return true;
    }
    if (store::ContainsNoCase(os, "Windows") &&
        ContainsAny(osText, {"95", "98", "3.x", "4.x", "WinME", "2000", "XP", "2003"})) {
        return true;
    }
    constexpr std::pair<std::string_view, std::string_view> kPairs[] = {
        {"Palm", "Palm"},
        {"MS-DOS", "MS-DOS"},
        {"WinCE", "CE"},
        {"Pocket", "Pocket"},
        {"BEOS", "BEOS"},
        {"Mac", "Mac"},
        {"os/2", "OS/2"},
    };
    for (const auto& [siteWord, productWord] : kPairs) {
        if (store::ContainsNoCase(os, siteWord) && store::ContainsNoCase(osText, productWord)) {
            return true;
        }
    }
    return false;
}

bool SuitsType(const SitesR& site, const SuitabilityProduct& product)
{
    const std::string_view accepts = site.Accepts;
    if (store::ContainsNoCase(accepts, "Free") && !ContainsAny(product.type, {"Free", "Adwar", "Public"})) {
        return false;
    }
    if (store::ContainsNoCase(accepts, "game") && !store::ContainsNoCase(product.category, "game")) {
        return false;
    }
    return !(store::ContainsNoCase(accepts, "shareware only") &&
             ContainsAny(product.type, {"free", "adware"}));
}

int SiteMark(const SitesR& site, const SuitabilityProduct& product, double today)
{
    int mark = marks::kReady;
    if (LacksBackLink(site, product)) {
        mark = marks::kNeedsBackLink;
    }
    if (!SuitsOs(site, product.osText)) {
        mark = marks::kWrongOs;
    }
    if (LacksAffiliate(site, product)) {
        mark = marks::kNeedsAffiliate;
    }
    if (!SuitsType(site, product)) {
        mark = marks::kWrongType;
    }
    if (const std::optional<int> resubmission = ResubmissionMark(site, product, today)) {
        mark = *resubmission;
    }
    if (NeedsNewerProgram(site)) {
        mark = marks::kNeedsNewerProgram;
    }
    return mark;
}

SiteCounters ApplySuitabilityMarks(SiteList& list, const SiteTable& table, const MarkInputs& inputs)
{
    std::vector<SiteRow>& rows = list.Rows();
    std::unordered_set<std::string> excluded;
    for (const std::string& name : inputs.exclusions) {
        excluded.insert(store::UpperCyrillic(name));
    }
    std::unordered_map<std::string_view, SiteRow*> firstRow;
    for (SiteRow& row : rows) {
        row.image = marks::kReady;
        if (excluded.count(store::UpperCyrillic(row.name)) != 0) {
            row.image = marks::kNotInFastCategory;
            row.checked = false;
        }
        firstRow.emplace(row.name, &row);
    }
    for (const SitesR& site : table.sites) {
        const auto found = firstRow.find(site.Name);
        if (found == firstRow.end()) {
            continue;
        }
        if (const int mark = SiteMark(site, inputs.product, inputs.today); mark != marks::kReady) {
            found->second->image = mark;
            found->second->checked = false;
        }
    }
    if (inputs.hideUnSuitable) {
        std::erase_if(rows, [](const SiteRow& row) { return row.image != marks::kReady; });
    }

    SiteCounters counters;
    counters.showing = rows.size();
    counters.total = table.sites.size();
    for (const SitesR& site : table.sites) {
        counters.submittedTo += site.VersionSubmitted == inputs.product.version ? 1 : 0;
        counters.listedAt += site.Listed == "YES" ? 1 : 0;
    }
    return counters;
}

void ApplyAffiliateMarks(std::span<AffiliateRow> rows, const catalogue::AffiliateSupport& support)
{
    for (AffiliateRow& row : rows) {
        row.image = marks::kReady;
        if (row.affiliate != "Required") {
            continue;
        }
        const std::pair<std::string_view, bool> services[] = {
            {row.regNow, support.regNow},
            {row.regSoft, support.regSoft},
            {row.shareIt, support.shareIt},
            {row.eSellerate, support.eSellerate},
        };
        bool served = false;
        for (const auto& [column, checked] : services) {
            served = served || (column != "-" && checked);
        }
        row.image = served ? marks::kReady : marks::kNeedsAffiliate;
    }
}

} // namespace listrider::sites
