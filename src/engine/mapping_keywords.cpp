#include "engine/mapping_keywords.h"

#include "engine/macro_families.h"
#include "engine/os_tokens.h"
#include "store/ascii.h"

namespace listrider::engine {
namespace {

struct ListName
{
    ScoredList list;
    std::string_view macro;
    std::string_view extension;
};

constexpr ListName kLists[] = {
    {ScoredList::OperatingSystem, "OSSupportSelect", "os"},
    {ScoredList::Affiliate, "AffiliateSelect", "aff"},
    {ScoredList::InstallSupport, "InstallSupportSelect", "ins"},
    {ScoredList::ProgramType, "ProgramTypeSelect", "typ"},
    {ScoredList::Country, "CountrySelect", "cou"},
    {ScoredList::State, "StateSelect", "sta"},
    {ScoredList::Month, "MonthSelect", "mon"},
    {ScoredList::Beta, "BetaSelect", "bet"},
    {ScoredList::ReleaseStatus, "ReleaseStatusSelect", "rel"},
    {ScoredList::Language, "LanguageSelect", "lng"},
};

std::vector<std::string> InstallKeywords(std::string_view support)
{
    if (store::EqualsNoCase(support, "Install and Uninstall")) {
        return {"Install", "Uninstall", "and", "&", "both", "both"};
    }
    if (store::EqualsNoCase(support, "Install Only")) {
        return {"Install", "Only"};
    }
    if (store::EqualsNoCase(support, "Uninstall Only")) {
        return {"Uninstall", "Only"};
    }
    if (store::EqualsNoCase(support, "No Install Support")) {
        return {"No", "None", "Install"};
    }
    return {};
}

std::vector<std::string> AffiliateKeywords(const catalogue::AffiliateValues& affiliates)
{
    std::vector<std::string> keywords;
    if (!affiliates.regNowId.empty()) {
        keywords.emplace_back("RegNow");
    }
    if (!affiliates.shareItId.empty()) {
        keywords.emplace_back("ShareIt");
    }
    if (!affiliates.regSoftId.empty()) {
        keywords.emplace_back("RegSoft");
    }
    if (!affiliates.eSellerateId.empty()) {
        keywords.emplace_back("eSellerate");
    }
    return keywords;
}

std::vector<std::string> ReleaseKeywords(std::string_view status)
{
    for (std::string_view word : {"minor", "major", "new", "beta", "alpha", "media"}) {
        if (store::ContainsNoCase(status, word)) {
            return {std::string(word)};
        }
    }
    return {};
}

std::vector<std::string> LanguageKeywords(std::string_view languages)
{
    std::vector<std::string> keywords;
    std::size_t start = 0;
    while (start < languages.size()) {
        std::size_t comma = languages.find(',', start);
        if (comma == std::string_view::npos) {
            comma = languages.size();
        }
        const std::string_view name = languages.substr(start, comma - start);
        if (!name.empty()) {
            keywords.push_back(store::AsciiUpper(name.substr(0, 3)));
        }
        start = comma + 1;
    }
    return keywords;
}

std::string CountryKeyword(std::string_view country)
{
    if (store::EqualsNoCase(country, "UK") || store::ContainsNoCase(country, "kingdom")) {
        return "United Kingdom";
    }
    return std::string(country);
}

} // namespace

std::string_view ListExtension(ScoredList list)
{
    for (const ListName& name : kLists) {
        if (name.list == list) {
            return name.extension;
        }
    }
    return {};
}

std::optional<ScoredList> ScoredListOfMacro(std::string_view macro)
{
    for (const ListName& name : kLists) {
        if (name.macro == macro) {
            return name.list;
        }
    }
    return std::nullopt;
}

std::vector<std::string> MappingKeywords(ScoredList list,
                                         const catalogue::ProductValues& product,
                                         std::span<const MappingPair> pairs,
                                         std::string_view betaWord)
{
    const catalogue::ProgramValues& program = product.program;
    switch (list) {
    case ScoredList::OperatingSystem:
        return OsTokens(program.osList, pairs, OsSelection::Single);
    case ScoredList::Affiliate:
        return AffiliateKeywords(product.affiliates);
    case ScoredList::InstallSupport:
        return InstallKeywords(program.installSupport);
    case ScoredList::ProgramType:
        return {program.type};
    case ScoredList::Country:
        return {CountryKeyword(product.company.country)};
    case ScoredList::State:
        return {product.company.country};
    case ScoredList::Month:
        return {WithoutLeadingZero(program.releaseMonth)};
    case ScoredList::Beta:
        return {betaWord == "Yes" ? "Yes" : "No"};
    case ScoredList::ReleaseStatus:
        return ReleaseKeywords(program.releaseStatus);
    case ScoredList::Language:
        return LanguageKeywords(program.languageList);
    }
    return {};
}

} // namespace listrider::engine
