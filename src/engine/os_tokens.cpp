#include "engine/os_tokens.h"

#include "store/ascii.h"

namespace listrider::engine {
namespace {

struct TokenRule
{
    std::string_view test; ///< contained in the OS list
    std::string_view token;
};

constexpr TokenRule kWindowsSingle[] = {
    {"3.1x", "3.1"},
    {"95", "95"},
    {"Windows CE", "CE"},
    {"98", "98"},
    {"XP", "XP"},
    {"ME", "ME"},
    {"2000", "2000"},
    {"2003", "2003"},
    {"2000", "2k"},
};

constexpr TokenRule kWindowsMultiple[] = {
    {"95", "95"},
    {"98", "98"},
    {"XP", "XP"},
    {"ME", "ME"},
    {"2000", "2000"},
    {"2003", "2003"},
    {"2000", "2k"},
    {"Windows CE", "CE"},
    {"3.1x", "3.1"},
};

constexpr TokenRule kPalm[] = {
    {"Palm OS 1.0", "PalmOS10"},
    {"Palm OS 2.0", "PalmOS20"},
    {"Palm OS 2.1", "PalmOS21"},
    {"Palm OS 3.0", "PalmOS30"},
    {"Palm OS 3.1", "PalmOS31"},
    {"Palm OS 3.2", "PalmOS32"},
    {"Palm OS 4.0", "PalmOS40"},
    {"Palm OS 5", "PalmOS5"},
};

// The first six Palm entries also give "Palm_OS"; the multiple selection knows only those six.
constexpr std::size_t kOlderPalms = 6;

constexpr TokenRule kOthers[] = {
    {"OS/2", "OS/2"},
    {"OS/2 Warp", "OS/2Warp"},
    {"OS/2 Warp 4", "OS/2Warp4"},
    {"Pocket PC", "Pocket"},
    {"Symbian", "Symbian"},
    {"Symbian", "CellPhone"},
    {"Mac 68k", "Mac68k"},
    {"Mac PPC", "MacPPC"},
    {"Mac OS X", "MacOSX"},
    {"Mac Other", "MacOther"},
};

constexpr std::string_view kOs2[] = {"OS/2", "OS/2 Warp", "OS/2 Warp 4"};
constexpr std::string_view kMacs[] = {"Mac 68k", "Mac PPC", "Mac OS X", "Mac Other"};
constexpr std::string_view kUnixGroup[] = {"Unix", "Linux", "MS-DOS", "BEOS"};

class TokenList
{
public:
    explicit TokenList(std::string_view osList)
        : m_osList(osList)
    {}

    bool Has(std::string_view part) const { return store::ContainsNoCase(m_osList, part); }

    template <class Range>
    bool HasAny(const Range& parts) const
    {
        for (std::string_view part : parts) {
            if (Has(part)) {
                return true;
            }
        }
        return false;
    }

    void Add(std::string_view token) { m_tokens.emplace_back(token); }

    void AddIf(bool condition, std::string_view token)
    {
        if (condition) {
            Add(token);
        }
    }

    void AddRules(std::span<const TokenRule> rules)
    {
        for (const TokenRule& rule : rules) {
            AddIf(Has(rule.test), rule.token);
        }
    }

    std::vector<std::string> Take() { return std::move(m_tokens); }

private:
    std::string_view m_osList;
    std::vector<std::string> m_tokens;
};

void AddNt(TokenList& tokens, std::span<const MappingPair> pairs)
{
    bool siteNamesNt = false;
    for (const MappingPair& pair : pairs) {
        if (store::ContainsNoCase(pair.key, "NT3") || store::ContainsNoCase(pair.key, "NT4")) {
            siteNamesNt = true;
            break;
        }
    }
    if (siteNamesNt) {
        tokens.AddIf(tokens.Has("4.x"), "NT4");
        tokens.AddIf(tokens.Has("3.x"), "NT3");
        tokens.AddIf(tokens.Has("4.x"), "NT 4");
        tokens.AddIf(tokens.Has("3.x"), "NT 3");
    } else {
        tokens.AddIf(tokens.Has("WinNT"), "NT");
    }
}

void AddPalmAndOthers(TokenList& tokens, std::span<const TokenRule> palms)
{
    tokens.AddRules(palms);
    bool olderPalm = false;
    for (std::size_t i = 0; i < kOlderPalms; ++i) {
        olderPalm = olderPalm || tokens.Has(kPalm[i].test);
    }
    tokens.AddIf(olderPalm, "Palm_OS");
    tokens.AddRules(kOthers);
    for (const TokenRule& palm : palms) {
        tokens.AddIf(tokens.Has(palm.test), palm.test);
    }
    for (std::string_view os2 : kOs2) {
        tokens.AddIf(tokens.Has(os2), os2);
    }
    for (std::string_view mac : kMacs) {
        tokens.AddIf(tokens.Has(mac), mac);
    }
    tokens.AddIf(tokens.HasAny(kMacs), "Mac_OS");
    for (std::string_view system : kUnixGroup) {
        tokens.AddIf(tokens.Has(system), system);
    }
}

} // namespace

std::vector<std::string>
OsTokens(std::string_view osList, std::span<const MappingPair> pairs, OsSelection selection)
{
    TokenList tokens(osList);
    const bool nineX = tokens.HasAny(std::initializer_list<std::string_view>{"95", "98", "ME"});
    if (selection == OsSelection::Single) {
        tokens.AddRules(kWindowsSingle);
        AddPalmAndOthers(tokens, kPalm);
        tokens.AddIf(nineX, "9x");
    } else {
        AddPalmAndOthers(tokens, std::span<const TokenRule>(kPalm, kOlderPalms));
        tokens.AddRules(kWindowsMultiple);
        tokens.AddIf(nineX, "9x");
    }
    AddNt(tokens, pairs);
    return tokens.Take();
}

} // namespace listrider::engine
