#include "engine/special_sites.h"

#include "store/ascii.h"

namespace listrider::engine {
namespace {

struct CategoryTarget
{
    std::string_view part;
    std::size_t custom; ///< 1-based
};

constexpr CategoryTarget kGoGetFilesTargets[] = {
    {"Internet -", 1},
    {"Utilities -", 2},
    {"Games -", 3},
    {"Programming -", 4},
    {"Communications -", 5},
    {"Graphics -", 6},
    {"Information Managers -", 7},
    {"Educational -", 9},
    {"Production -", 10},
    {"Shell & Desktop -", 11},
    {"Security -", 12},
    {"Multimedia -", 13},
};

struct OsWord
{
    std::string_view word;
    std::initializer_list<std::string_view> tests;
};

class SpecialSite
{
public:
    explicit SpecialSite(RunValues& values)
        : m_values(values)
        , m_product(values.product)
        , m_affiliates(values.product.affiliates)
    {}

    std::string& Custom(std::size_t number) { return m_values.custom[number - 1]; }

    std::string Prepared(std::string_view name) const
    {
        const auto found = m_values.prepared.find(name);
        return found == m_values.prepared.end() ? std::string() : found->second;
    }

    bool OsHas(std::string_view part) const { return store::ContainsNoCase(m_product.program.osList, part); }

    bool TypeHas(std::string_view part) const { return store::ContainsNoCase(m_product.program.type, part); }

    bool AnyReseller() const
    {
        return !m_affiliates.regNowId.empty() || !m_affiliates.shareItId.empty() ||
               !m_affiliates.regSoftId.empty() || !m_affiliates.eSellerateId.empty();
    }

    // The first reseller the product has, as (site's word, identifier) pairs in the order RegNow,
    // ShareIt, RegSoft, eSellerate; the last pair stands for none.
    void FirstReseller(std::array<std::pair<std::string_view, std::string_view>, 5> words)
    {
        const std::string* ids[] = {&m_affiliates.regNowId,
                                    &m_affiliates.shareItId,
                                    &m_affiliates.regSoftId,
                                    &m_affiliates.eSellerateId};
        for (std::size_t i = 0; i < 4; ++i) {
            if (!ids[i]->empty()) {
                Custom(6) = words[i].first;
                Custom(7) = *ids[i];
                return;
            }
        }
        Custom(6) = words[4].first;
        Custom(7) = words[4].second;
    }

    void GoGetFiles()
    {
        for (std::size_t number : {1, 2, 3, 4, 5, 6, 7, 9, 10, 11, 12, 13, 14}) {
            Custom(number) = "0";
        }
        for (const CategoryTarget& target : kGoGetFilesTargets) {
            if (store::ContainsNoCase(m_values.recordCategory, target.part)) {
                Custom(target.custom) = m_values.categories.category;
            }
        }
    }

    void SimplySoftware()
    {
        static const OsWord words[] = {
            {"XP /", {"XP"}},
            {"ME /", {"WinME"}},
            {"2000 /", {"2000"}},
            {"2003 /", {"2003"}},
            {"NT /", {"WinNT 3.x", "WinNT 4.x"}},
            {"CE /", {"CE"}},
            {"98 /", {"98"}},
            {"95 /", {"95"}},
            {"3.x ", {"3.1"}},
            {"Palm OS ", {"Palm OS"}},
            {"Macintosh ", {"Mac"}},
            {"UNIX ", {"Unix"}},
            {"OS2 ", {"OS/2"}},
            {"DOS ", {"MS-DOS"}},
        };
        std::string text;
        for (const OsWord& word : words) {
            for (std::string_view test : word.tests) {
                if (OsHas(test)) {
                    text += word.word;
                    break;
                }
            }
        }
        if (!text.empty() && text.back() == '/') {
            text.pop_back();
        }
        if (!text.empty() && text.back() == ' ') {
            text.pop_back();
        }
        Custom(10) = text;
    }

    void D2()
    {
        Custom(6) = m_affiliates.regNowId.empty() ? "0" : m_affiliates.regNowId;
        if (!m_affiliates.shareItId.empty()) {
            Custom(7) = m_affiliates.shareItId;
        } else {
            Custom(10) = "0";
        }
    }

    void D4()
    {
        const auto& pairs = m_values.environment.specials.d4Pairs;
        if (!Custom(7).empty() || !Custom(8).empty() || pairs.empty()) {
            return;
        }
        std::uniform_int_distribution<std::size_t> pick(0, pairs.size() - 1);
        const auto& pair = pairs[pick(m_values.random)];
        Custom(7) = pair.first;
        Custom(8) = pair.second;
    }

    void D6()
    {
        for (std::size_t number : {1, 2, 3}) {
            Custom(number).clear();
        }
        std::size_t next = 1;
        const std::pair<std::string_view, const std::string*> ids[] = {
            {"RegNow Product ID: ", &m_affiliates.regNowId},
            {"RegSoft Product ID: ", &m_affiliates.regSoftId},
            {"ShareIt Product ID: ", &m_affiliates.shareItId},
        };
        for (const auto& [label, id] : ids) {
            if (!id->empty()) {
                Custom(next++) = std::string(label) + *id;
            }
        }
        const SpecialSiteConfig& specials = m_values.environment.specials;
        Custom(10) = next > 1 ? specials.d6AffiliateEmail : specials.d6DeveloperEmail;
    }

    void GlobalShareware()
    {
        const catalogue::ProgramValues& program = m_product.program;
        if (TypeHas("freeware")) {
            Custom(10) = "6";
        } else if (TypeHas("demo")) {
            Custom(10) = "5";
        } else if (TypeHas("Commercial")) {
            Custom(10) = "4";
        } else if (TypeHas("Adware")) {
            Custom(10) = "7";
        } else if (program.hasExpireInfo == "Y" && program.expireBasedOn == "Days") {
            Custom(10) = "1";
        } else if (program.hasExpireInfo == "Y" && program.expireBasedOn == "Uses") {
            Custom(10) = "8";
        } else {
            Custom(10) = "2";
        }
    }

    void SoftPediaGames()
    {
        std::string& category = m_values.categories.category;
        if (category != "Games") {
            return;
        }
        if (TypeHas("freeware")) {
            category = "Freeware Games";
        } else if (TypeHas("shareware")) {
            category = "Shareware Games";
        } else if (TypeHas("demo")) {
            category = "Games Demo";
        }
    }

    void Apply()
    {
        const std::string& site = m_values.siteName;
        const SpecialSiteConfig& specials = m_values.environment.specials;
        auto is = [&](std::string_view name) {
            return !name.empty() && site == name;
        };
        auto contains = [&](std::string_view part) {
            return store::ContainsNoCase(site, part);
        };
        const std::string& count = m_product.program.expireCount;

        if (is("DownloadThat")) {
            Custom(6) = specials.downloadThatTerms;
        } else if (is("GoGetFiles")) {
            GoGetFiles();
        } else if (is(specials.names[0])) {
            Custom(10) = m_affiliates.regNowId.empty() ? "0" : m_affiliates.regNowId;
        } else if (is("Simply Software")) {
            SimplySoftware();
        } else if (is("Perfect Downloads")) {
            FirstReseller({{{"regnow", ""},
                            {"shareit", ""},
                            {"sellshareware", ""},
                            {"esellerate", ""},
                            {"Select Affilate Program", ""}}});
        } else if (is(specials.names[1])) {
            D2();
        } else if (is(specials.names[2])) {
            FirstReseller(
                {{{"RegNow", ""}, {"Shareit", ""}, {"Regsoft", ""}, {"eSellerate", ""}, {"None", "9999"}}});
        } else if (is("WindowsPC")) {
            const std::string& url = m_product.web.urls.primaryDownloadUrl;
            Custom(6) = store::AsciiUpper(url.substr(url.size() > 3 ? url.size() - 3 : 0));
        } else if (is(specials.names[3])) {
            D4();
        } else if (is("Sharewared")) {
            Custom(6) = AnyReseller() ? "Yes" : "No";
        } else if (is(specials.names[4])) {
            Custom(6) = m_affiliates.regNowId.empty() ? "0" : m_affiliates.regNowId;
            Custom(7) = m_affiliates.shareItId.empty() ? "0" : m_affiliates.shareItId;
        } else if (is(specials.names[5])) {
            D6();
        }

        if (contains("Global Shareware")) {
            GlobalShareware();
        }
        if (contains("SoftPedia Games")) {
            SoftPediaGames();
        }
        if (contains("MYZIP")) {
            Custom(1) = count.empty() || count == " " || count == "0" ? "Unlimited" : count;
        }
        if (contains("webattack")) {
            Custom(5) = store::ContainsNoCase(m_product.program.releaseStatus, "major") ? "4" : "2";
        }
        if (contains("EASYCAB")) {
            Custom(3) = Prepared("Desc250").substr(0, 150);
        }
        if (contains("SHAREWARE KING")) {
            const std::string& price = m_product.program.priceDollars;
            Custom(2) = price == "0" || price.empty() ? "freeware" : "$" + price;
        }
        if (contains(specials.names[6])) {
            Custom(3) = count.empty() ? "000" : count;
        }
    }

private:
    RunValues& m_values;
    const catalogue::ProductValues& m_product;
    const catalogue::AffiliateValues& m_affiliates;
};

} // namespace

void ApplySpecialSites(RunValues& values)
{
    SpecialSite(values).Apply();
}

} // namespace listrider::engine
