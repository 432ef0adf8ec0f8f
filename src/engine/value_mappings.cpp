#include "engine/value_mappings.h"

#include "engine/macro_resolver.h"
#include "engine/os_tokens.h"
#include "store/ascii.h"

namespace listrider::engine {
namespace {

constexpr std::string_view kMultiSelect = "|OSSupportSelectM|";

std::string PreparedValue(const RunValues& values, std::string_view name)
{
    const auto found = values.prepared.find(name);
    return found == values.prepared.end() ? std::string() : found->second;
}

store::Result<std::string> NamingTheList(store::Result<std::string> result, std::string_view extension)
{
    if (!result) {
        store::Error error = result.GetError();
        error.message += " (." + std::string(extension) + ")";
        return error;
    }
    return result;
}

void SetAffiliateId(RunValues& values, std::string_view key)
{
    const catalogue::AffiliateValues& affiliates = values.product.affiliates;
    if (store::ContainsNoCase(key, "RegNow")) {
        values.affiliateId = affiliates.regNowId;
    } else if (store::ContainsNoCase(key, "RegSoft")) {
        values.affiliateId = affiliates.regSoftId;
    } else if (store::ContainsNoCase(key, "eSellerate")) {
        values.affiliateId = affiliates.eSellerateId;
    } else if (store::ContainsNoCase(key, "ShareIt")) {
        values.affiliateId = affiliates.shareItId;
    }
}

// Marks a list as being expanded for the lifetime of the guard; a list that names its own macro
// is not expanded again inside itself.
class ExpansionGuard
{
public:
    ExpansionGuard(RunValues& values, std::string_view list)
        : m_values(values)
        , m_inserted(values.expanding.emplace(list).second)
        , m_list(list)
    {}

    ExpansionGuard(const ExpansionGuard&) = delete;
    ExpansionGuard& operator=(const ExpansionGuard&) = delete;

    ~ExpansionGuard()
    {
        if (m_inserted) {
            m_values.expanding.erase(m_values.expanding.find(m_list));
        }
    }

    bool Entered() const { return m_inserted; }

private:
    RunValues& m_values;
    bool m_inserted;
    std::string_view m_list;
};

} // namespace

store::Result<std::string> SelectScoredValue(RunValues& values, ScoredList list)
{
    const std::string_view extension = ListExtension(list);
    const store::LineList lines = SiteList(values, extension);
    const std::vector<MappingPair> pairs = PairsOf(lines);
    const std::vector<std::string> keywords =
        MappingKeywords(list, values.product, pairs, PreparedValue(values, "IsBeta"));
    store::Result<std::size_t> chosen = SelectScoredPair(pairs, keywords);
    if (!chosen) {
        return NamingTheList(chosen.GetError(), extension);
    }
    const MappingPair& pair = pairs[chosen.Value()];
    if (list == ScoredList::Affiliate) {
        SetAffiliateId(values, pair.key);
    }
    return std::string(pair.value);
}

store::Result<std::string> SelectSizeValue(RunValues& values)
{
    const store::LineList lines = SiteList(values, "siz");
    return NamingTheList(SelectBySize(PairsOf(lines), PreparedValue(values, "SizeB")), "siz");
}

store::Result<std::string> SelectExpireValue(RunValues& values)
{
    const ExpansionGuard guard(values, "exp");
    if (!guard.Entered()) {
        return std::string("|ExpireSelect|");
    }
    const store::LineList lines = SiteList(values, "exp");
    const std::string& count = values.product.program.expireCount;
    store::Result<std::string> selected =
        SelectByExpireCount(PairsOf(lines), count.empty() || count == "0" ? "0" : count);
    if (!selected) {
        return NamingTheList(selected.GetError(), "exp");
    }
    return ExpandMacros(values, selected.Value());
}

std::string ExpireUnitWord(const catalogue::ProgramValues& program)
{
    const bool counted = !program.expireCount.empty() && program.expireCount != "0";
    return counted && !program.expireDay.empty() ? "Date" : program.expireBasedOn;
}

std::string SelectExpireBaseValue(RunValues& values)
{
    const store::LineList lines = SiteList(values, "exb");
    return SelectByExpireUnit(PairsOf(lines), ExpireUnitWord(values.product.program));
}

std::string TextAreaValue(RunValues& values)
{
    const ExpansionGuard guard(values, "are");
    if (!guard.Entered()) {
        return "|TextArea|";
    }
    const store::LineList lines = SiteList(values, "are");
    std::string text;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        if (i > 0) {
            text += "\r\n";
        }
        text += ExpandMacros(values, lines[i]);
    }
    return text;
}

std::vector<std::string> OsMultiMatches(std::span<const MappingPair> pairs, std::string_view osList)
{
    const std::vector<std::string> tokens = OsTokens(osList, pairs, OsSelection::Multiple);
    std::vector<std::string> matches;
    for (const MappingPair& pair : pairs) {
        for (const std::string& token : tokens) {
            if (store::ContainsNoCase(pair.key, token)) {
                matches.emplace_back(pair.value);
            }
        }
    }
    return matches;
}

void ExpandOsMultiSelect(RunValues& values, std::vector<std::string>& names, std::vector<std::string>& fields)
{
    if (names.size() != fields.size()) {
        return;
    }
    std::size_t field = 0;
    while (field < fields.size() && !store::EqualsNoCase(fields[field], kMultiSelect)) {
        ++field;
    }
    if (field == fields.size()) {
        return;
    }
    const store::LineList lines = SiteList(values, "os");
    const std::vector<std::string> matches = OsMultiMatches(PairsOf(lines), values.product.program.osList);
    const std::string name = names[field];
    names.erase(names.begin() + static_cast<std::ptrdiff_t>(field));
    fields.erase(fields.begin() + static_cast<std::ptrdiff_t>(field));
    names.insert(names.begin() + static_cast<std::ptrdiff_t>(field), matches.size(), name);
    fields.insert(fields.begin() + static_cast<std::ptrdiff_t>(field), matches.begin(), matches.end());
}

} // namespace listrider::engine
