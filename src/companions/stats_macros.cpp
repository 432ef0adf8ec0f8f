#include "companions/stats_macros.h"

#include <algorithm>
#include <array>

#include "engine/description_language.h"
#include "engine/macro_resolver.h"
#include "store/ascii.h"
#include "store/web_encoding.h"

namespace listrider::companions {
namespace {

// Sorted, for the binary search.
constexpr std::array<std::string_view, 136> kStatsNames = {
    "#Days",
    "#Uses",
    "ASPMemberWinSite",
    "ASPMemberYN",
    "ASPMemberYesNo",
    "ASPNumber",
    "Add-Update",
    "Add-Update-ABCdatos",
    "Add-Update-GrassHeap",
    "Add-Update-Rad",
    "Add-Update-Slaughter",
    "Add-Update-StuffAll",
    "Address1",
    "Address2",
    "Category",
    "City",
    "Company",
    "CompanyWebSite",
    "ContactFax",
    "ContactFirstName",
    "ContactLastName",
    "ContactPhone",
    "Country",
    "Custom1",
    "Custom10",
    "Custom11",
    "Custom12",
    "Custom13",
    "Custom14",
    "Custom2",
    "Custom3",
    "Custom4",
    "Custom5",
    "Custom6",
    "Custom7",
    "Custom8",
    "Custom9",
    "CutPADURL",
    "Desc2000",
    "Desc250",
    "Desc45",
    "Desc450",
    "Desc80",
    "Download1",
    "Download2",
    "Download3",
    "Download4",
    "EULA",
    "ExpireBasedOn",
    "ExpireCount",
    "ExpireDD",
    "ExpireMM",
    "ExpireMonthWinSite",
    "ExpireOtherInfo",
    "ExpireY",
    "ExpiresAfterAndBasedOn",
    "ExtraLanguagesWinSite",
    "FunctionLimitWinSite",
    "GeneralEmail",
    "GeneralFileName",
    "GeneralPhone",
    "IconURL",
    "InfoURL",
    "InstallSupport",
    "IsBeta",
    "IsNew",
    "IsUpdate",
    "KeyWords",
    "KeyWordsSpace",
    "LanguageProgramLanguages",
    "LocalIP",
    "OSSupport",
    "OrderURL",
    "PADPath",
    "PADURL",
    "Permissions",
    "PostalZip",
    "PriceCents",
    "PriceDollars",
    "ProgramChangeInfo",
    "ProgramLanguages",
    "ProgramLimitations",
    "ProgramName",
    "ProgramName10",
    "ProgramName20",
    "ProgramName30",
    "ProgramNameDefis",
    "ProgramNameDefisSmall",
    "ProgramNameExact",
    "ProgramNameFirstLetter",
    "ProgramNameSpecial",
    "ProgramType",
    "ProgramVersion",
    "Province",
    "RMonth",
    "RYear",
    "ReceivedAwards",
    "RegKey",
    "RegKeyWinPicks",
    "RegNowID",
    "RegNowOrRegSoftID",
    "RegSoftID",
    "ReleaseD",
    "ReleaseDD",
    "ReleaseM",
    "ReleaseMM",
    "ReleaseStatus",
    "ReleaseYY",
    "RequestEmail",
    "RequestLogin",
    "ShotURL",
    "SiteEMailLogin",
    "SiteLogin",
    "SitePassword",
    "SizeB",
    "SizeK",
    "SizeM",
    "SoftwareType",
    "SubCategory",
    "SysReq",
    "TPAMemberWinSite",
    "TPAMemberYesNo",
    "TimeLimitWinSite",
    "TodayD",
    "TodayDD",
    "TodayM",
    "TodayMM",
    "TodayY",
    "TodayYY",
    "TodayYear",
    "TopDownloadsCat",
    "UpdateBool",
    "UploadIcon",
    "UploadShot",
    "WebAtPrice",
    "eSellerateID",
};

// The address without its scheme: seven characters go when it starts with "HTT", else six.
std::string CutPadUrl(std::string_view url)
{
    const std::size_t cut = store::StartsWithNoCase(url, "HTT") ? 7 : 6;
    return std::string(url.substr(std::min(cut, url.size())));
}

std::string TwoDigits(int value)
{
    return (value < 10 ? "0" : "") + std::to_string(value);
}

std::string Prepared(const engine::RunValues& values, std::string_view name)
{
    const auto found = values.prepared.find(name);
    return found != values.prepared.end() ? found->second : std::string();
}

} // namespace

bool IsStatsMacroName(std::string_view name)
{
    return std::binary_search(kStatsNames.begin(), kStatsNames.end(), name);
}

StatsMacros::StatsMacros(engine::RunValues& values)
    : m_values(values)
{
    m_resolve = [this](std::string_view token, std::string& out) {
        Resolve(token, out);
    };
}

void StatsMacros::StartRun()
{
    const catalogue::ProductValues& product = m_values.product;
    const std::string& name = product.program.name;
    const std::string dashed = catalogue::NameWithDashes(name);
    m_own["ProgramNameDefis"] = dashed;
    m_own["ProgramNameDefisSmall"] = store::AsciiLower(dashed);
    m_own["ProgramNameSpecial"] = store::UrlEncode(name, true);
    m_own["CutPADURL"] = CutPadUrl(product.web.urls.xmlFileUrl);
    m_own["TodayD"] = TwoDigits(m_values.environment.today.day);
    m_own["TodayM"] = TwoDigits(m_values.environment.today.month);
    m_own["LanguageProgramLanguages"] = Prepared(m_values, "ProgramLanguages");
    for (const char* empty :
         {"Custom11", "Custom12", "Custom13", "Custom14", "UploadIcon", "UploadShot", "Add-Update"}) {
        m_own[empty].clear();
    }
}

void StatsMacros::StartStep()
{
    // The stats run sends the descriptions as stored: neither cut nor with spaces reduced.
    static const catalogue::Desc kNoDescription;
    const std::vector<catalogue::Desc>& descs = m_values.product.descriptions;
    const store::CodePage& codePage = m_values.environment.codePage;
    const catalogue::Desc& desc =
        descs.empty() ? kNoDescription
                      : engine::ChooseDescription(descs, engine::SiteList(m_values, "lan"), codePage);
    m_own["Desc45"] = codePage.FromWide(desc.Desc45);
    m_own["Desc80"] = codePage.FromWide(desc.Desc80);
    m_own["Desc250"] = codePage.FromWide(desc.Desc250);
    m_own["Desc450"] = codePage.FromWide(desc.Desc450);
    m_own["Desc2000"] = codePage.FromWide(desc.Desc2000);
}

void StatsMacros::Resolve(std::string_view token, std::string& out)
{
    if (token.size() < 3 || token.front() != '|' || token.back() != '|') {
        out += token; // "||" too
        return;
    }
    const std::string_view name = token.substr(1, token.size() - 2);
    if (store::StartsWithNoCase(token, "|Limiting(")) {
        engine::ResolveLimiting(token, m_resolve, out);
        return;
    }
    if (!IsStatsMacroName(name)) {
        out += token;
        return;
    }
    if (const auto own = m_own.find(name); own != m_own.end()) {
        out += own->second;
        return;
    }
    if (name == "SiteEMailLogin") {
        out += m_values.account.login;
        return;
    }
    engine::ResolveMacro(m_values, token, out);
}

std::string StatsMacros::Expand(std::string_view text)
{
    return store::SubstituteMacros(text, m_resolve);
}

} // namespace listrider::companions
