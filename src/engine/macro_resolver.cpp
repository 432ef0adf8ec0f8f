#include "engine/macro_resolver.h"

#include <map>

#include "engine/value_mappings.h"
#include "engine/whole_number.h"
#include "store/ascii.h"

namespace listrider::engine {
namespace {

// A value that changes while a site runs, read when the macro is resolved.
using LiveValue = void (*)(RunValues&, std::string&);

template <std::size_t N>
void Custom(RunValues& values, std::string& out)
{
    out += values.custom[N - 1];
}

template <std::size_t Length>
void LoginHead(RunValues& values, std::string& out)
{
    out += std::string_view(values.account.login).substr(0, Length);
}

template <std::size_t Length>
void PasswordHead(RunValues& values, std::string& out)
{
    out += std::string_view(values.account.password).substr(0, Length);
}

// The four price values are empty at sites whose name mentions WinSite.
template <const char* Name>
void SitePrice(RunValues& values, std::string& out)
{
    if (store::ContainsNoCase(values.siteName, "WinSite")) {
        return;
    }
    const auto found = values.prepared.find(std::string_view(Name));
    if (found != values.prepared.end()) {
        out += found->second;
    }
}

constexpr char kPrice[] = "Price";
constexpr char kRoundedPrice[] = "RoundedPrice";
constexpr char kFullPrice[] = "FullPrice";
constexpr char kPriceFull[] = "PriceFull";

void Append(RunValues& values, std::string& out, store::Result<std::string> result)
{
    if (result) {
        out += result.Value();
    } else {
        FailSite(values, result.GetError());
    }
}

template <ScoredList List>
void Scored(RunValues& values, std::string& out)
{
    Append(values, out, SelectScoredValue(values, List));
}

const std::map<std::string_view, LiveValue>& LiveValues()
{
    static const std::map<std::string_view, LiveValue> table = {
        {"Custom1", &Custom<1>},
        {"Custom2", &Custom<2>},
        {"Custom3", &Custom<3>},
        {"Custom4", &Custom<4>},
        {"Custom5", &Custom<5>},
        {"Custom6", &Custom<6>},
        {"Custom7", &Custom<7>},
        {"Custom8", &Custom<8>},
        {"Custom9", &Custom<9>},
        {"Custom10", &Custom<10>},
        {"Custom11", &Custom<11>},
        {"Custom12", &Custom<12>},
        {"Custom13", &Custom<13>},
        {"Custom14", &Custom<14>},
        {"Category",
         [](RunValues& v, std::string& out) {
             out += v.categories.category;
         }},
        {"SubCategory",
         [](RunValues& v, std::string& out) {
             out += v.categories.subCategory;
         }},
        {"SiteLogin",
         [](RunValues& v, std::string& out) {
             out += v.account.login;
         }},
        {"SiteEMailLogin",
         [](RunValues& v, std::string& out) {
             out += v.account.emailLogin;
         }},
        {"SitePassword",
         [](RunValues& v, std::string& out) {
             out += v.account.password;
         }},
        {"SiteLogin-Limit8", &LoginHead<8>},
        {"SiteLogin-Limit10", &LoginHead<10>},
        {"SiteLogin-Limit12", &LoginHead<12>},
        {"SitePassword-Limit8", &PasswordHead<8>},
        {"SitePassword-Limit10", &PasswordHead<10>},
        {"SitePassword-Limit12", &PasswordHead<12>},
        {"RequestLogin",
         [](RunValues& v, std::string& out) {
             out += v.requestLogin;
         }},
        {"RequestEmail",
         [](RunValues& v, std::string& out) {
             out += v.requestEmail;
         }},
        {"LocalIP",
         [](RunValues& v, std::string& out) {
             out += v.localIp;
         }},
        {"AffiliateID",
         [](RunValues& v, std::string& out) {
             out += v.affiliateId;
         }},
        {"Price", &SitePrice<kPrice>},
        {"RoundedPrice", &SitePrice<kRoundedPrice>},
        {"FullPrice", &SitePrice<kFullPrice>},
        {"PriceFull", &SitePrice<kPriceFull>},
        {"OSSupportSelect", &Scored<ScoredList::OperatingSystem>},
        {"AffiliateSelect", &Scored<ScoredList::Affiliate>},
        {"InstallSupportSelect", &Scored<ScoredList::InstallSupport>},
        {"ProgramTypeSelect", &Scored<ScoredList::ProgramType>},
        {"CountrySelect", &Scored<ScoredList::Country>},
        {"StateSelect", &Scored<ScoredList::State>},
        {"MonthSelect", &Scored<ScoredList::Month>},
        {"BetaSelect", &Scored<ScoredList::Beta>},
        {"ReleaseStatusSelect", &Scored<ScoredList::ReleaseStatus>},
        {"LanguageSelect", &Scored<ScoredList::Language>},
        {"SizeSelect",
         [](RunValues& v, std::string& out) {
             Append(v, out, SelectSizeValue(v));
         }},
        {"ExpireSelect",
         [](RunValues& v, std::string& out) {
             Append(v, out, SelectExpireValue(v));
         }},
        {"ExpireBaseSelect",
         [](RunValues& v, std::string& out) {
             out += SelectExpireBaseValue(v);
         }},
        {"TextArea",
         [](RunValues& v, std::string& out) {
             out += TextAreaValue(v);
         }},
    };
    return table;
}

// |ZeroPriceFree| gives the price, or "Free" for a product priced 0.
void ZeroPrice(const RunValues& values, std::string_view token, std::string& out)
{
    const std::string& price = values.product.program.priceDollars;
    const std::string_view dollars = price.empty() ? std::string_view("0") : std::string_view(price);
    if (dollars != "0") {
        out += dollars;
    } else {
        out += token.substr(10, token.size() - 11);
    }
}

} // namespace

void ResolveMacro(RunValues& values, std::string_view token, std::string& out)
{
    if (token.size() < 2 || token.front() != '|' || token.back() != '|') {
        out += token;
        return;
    }
    const std::string_view name = token.substr(1, token.size() - 2);
    const std::map<std::string_view, LiveValue>& live = LiveValues();
    if (const auto found = live.find(name); found != live.end()) {
        found->second(values, out);
        return;
    }
    if (const auto found = values.prepared.find(name); found != values.prepared.end()) {
        out += found->second;
        return;
    }
    if (store::StartsWithNoCase(token, "|ZeroPrice")) {
        ZeroPrice(values, token, out);
        return;
    }
    if (store::StartsWithNoCase(token, "|Limiting(")) {
        ResolveLimiting(token, MacroResolverFor(values), out);
        return;
    }
    // "||" and every unknown name stay as written.
    out += token;
}

void ResolveLimiting(std::string_view token, const store::NarrowMacroResolver& inner, std::string& out)
{
    const std::size_t open = token.find('(');
    const std::size_t close = token.find(')', open);
    if (close == std::string_view::npos) {
        return;
    }
    const std::optional<std::int64_t> count = ParseWholeNumber(token.substr(open + 1, close - open - 1));
    const std::string innerToken = "|" + std::string(token.substr(close + 1));
    if (!count || *count < 0) {
        return;
    }
    std::string value;
    inner(innerToken, value);
    out += std::string_view(value).substr(0, static_cast<std::size_t>(*count));
}

store::NarrowMacroResolver MacroResolverFor(RunValues& values)
{
    return [&values](std::string_view token, std::string& out) {
        ResolveMacro(values, token, out);
    };
}

std::string ExpandMacros(RunValues& values, std::string_view text)
{
    return store::SubstituteMacros(text, MacroResolverFor(values));
}

void ExpandStepFields(RunValues& values,
                      std::vector<std::string>& names,
                      std::vector<std::string>& fields,
                      std::string& path)
{
    const store::NarrowMacroResolver resolve = MacroResolverFor(values);
    for (std::string& field : fields) {
        field = store::SubstituteMacros(field, resolve);
    }
    for (std::string& name : names) {
        name = store::SubstituteMacros(name, resolve);
    }
    path = store::SubstituteMacros(path, resolve);
}

} // namespace listrider::engine
