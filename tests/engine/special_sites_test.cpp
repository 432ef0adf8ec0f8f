#include <map>

#include <gtest/gtest.h>

#include "engine/macro_resolver.h"
#include "script_fixtures.h"

namespace listrider::engine {
namespace {

using testing::SampleValues;
using testing::ScriptRun;

using Customs = std::map<int, std::string>; // 1-based custom values expected

void NoResellers(catalogue::ProductValues& product)
{
    product.affiliates = {};
}

struct SpecialCase
{
    const char* site;
    void (*change)(catalogue::ProductValues&);
    Customs expected;
    const char* category = nullptr; ///< the category after the rules, when they change it
    const char* recordCategory = "Graphics - Editors";
};

void Check(const SpecialCase& c)
{
    SCOPED_TRACE(c.site);
    catalogue::ProductValues product = SampleValues();
    if (c.change != nullptr) {
        c.change(product);
    }
    ScriptRun run;
    const int site = run.AddSite(c.site, c.recordCategory);
    run.Prepare(product);
    run.StartAt(site);
    for (const auto& [number, value] : c.expected) {
        EXPECT_EQ(run.Values().custom[static_cast<std::size_t>(number - 1)], value) << "Custom" << number;
    }
    if (c.category != nullptr) {
        EXPECT_EQ(run.Values().categories.category, c.category);
    }
}

TEST(SpecialSitesTest, SitesNamedExactly)
{
    const SpecialCase cases[] = {
        {"DownloadThat", nullptr, {{6, "Line one\r\nLine two"}}},
        {"GoGetFiles",
         nullptr,
         {{1, "0"}, {5, "0"}, {6, "Graphics - Editors"}, {7, "0"}, {8, ""}, {9, "0"}, {14, "0"}}},
        {"GoGetFiles", nullptr, {{3, "Games - Arcade"}, {6, "0"}}, nullptr, "Games - Arcade"},
        {"D1 Site", nullptr, {{10, "1234-5"}}},
        {"D1 Site", NoResellers, {{10, "0"}}},
        {"Simply Software", nullptr, {{10, "XP /2000 /98 /95"}}},
        {"Simply Software",
         [](catalogue::ProductValues& p) { p.program.osList = "Win95,Linux,MS-DOS"; },
         {{10, "95 /DOS"}}},
        {"Perfect Downloads", nullptr, {{6, "regnow"}, {7, "1234-5"}}},
        {"Perfect Downloads", NoResellers, {{6, "Select Affilate Program"}, {7, ""}}},
        {"D2 Site", nullptr, {{6, "1234-5"}, {7, "300100"}, {10, ""}}},
        {"D2 Site", NoResellers, {{6, "0"}, {7, ""}, {10, "0"}}},
        {"D3 Site",
         [](catalogue::ProductValues& p) { p.affiliates.regNowId.clear(); },
         {{6, "Shareit"}, {7, "300100"}}},
        {"D3 Site", NoResellers, {{6, "None"}, {7, "9999"}}},
        {"WindowsPC", nullptr, {{6, "ZIP"}}},
        {"Sharewared", nullptr, {{6, "Yes"}}},
        {"Sharewared", NoResellers, {{6, "No"}}},
        {"D5 Site",
         [](catalogue::ProductValues& p) { p.affiliates.shareItId.clear(); },
         {{6, "1234-5"}, {7, "0"}}},
        {"D6 Site",
         [](catalogue::ProductValues& p) { p.affiliates.regSoftId = "R9"; },
         {{1, "RegNow Product ID: 1234-5"},
          {2, "RegSoft Product ID: R9"},
          {3, "ShareIt Product ID: 300100"},
          {10, "aff@d6.example"}}},
        {"D6 Site", NoResellers, {{1, ""}, {2, ""}, {3, ""}, {10, "dev@d6.example"}}},
        {"d1 site", nullptr, {{10, ""}}}, // exact names only
    };
    for (const SpecialCase& c : cases) {
        Check(c);
    }
}

TEST(SpecialSitesTest, SitesWhoseNameContainsAPart)
{
    const SpecialCase cases[] = {
        {"The Global Shareware Index", nullptr, {{10, "1"}}},
        {"global shareware", [](catalogue::ProductValues& p) { p.program.type = "Freeware"; }, {{10, "6"}}},
        {"Global Shareware",
         [](catalogue::ProductValues& p) { p.program.expireBasedOn = "Uses"; },
         {{10, "8"}}},
        {"Global Shareware", [](catalogue::ProductValues& p) { p.program.hasExpireInfo = "N"; }, {{10, "2"}}},
        {"SoftPedia Games Mirror", nullptr, {}, "Shareware Games", "Games"},
        {"SoftPedia Games", nullptr, {}, "Games - Arcade", "Games - Arcade"},
        {"MyZip Downloads", nullptr, {{1, "30"}}},
        {"MYZIP", [](catalogue::ProductValues& p) { p.program.expireCount = "0"; }, {{1, "Unlimited"}}},
        {"WebAttack", nullptr, {{5, "4"}}},
        {"webattack",
         [](catalogue::ProductValues& p) { p.program.releaseStatus = "Minor Update"; },
         {{5, "2"}}},
        {"EasyCab", nullptr, {{3, "Photo Resizer resizes photos."}}},
        {"Shareware King", nullptr, {{2, "$19,95"}}},
        {"SHAREWARE KING",
         [](catalogue::ProductValues& p) { p.program.priceDollars = "0"; },
         {{2, "freeware"}}},
        {"Best of D7 and more",
         [](catalogue::ProductValues& p) { p.program.expireCount.clear(); },
         {{3, "000"}}},
        // Several parts may apply together.
        {"MYZIP Shareware King", nullptr, {{1, "30"}, {2, "$19,95"}}},
    };
    for (const SpecialCase& c : cases) {
        Check(c);
    }
}

TEST(SpecialSitesTest, D4DrawsOneOfTheConfiguredPairsOnlyWhileBothValuesAreEmpty)
{
    ScriptRun run;
    const int site = run.AddSite("D4 Site");
    run.Prepare();
    run.StartAt(site);
    const std::pair<std::string, std::string> drawn{run.Values().custom[6], run.Values().custom[7]};
    EXPECT_TRUE(drawn == std::make_pair(std::string("111111"), std::string("222222")) ||
                drawn == std::make_pair(std::string("333333"), std::string("444444")))
        << drawn.first << "/" << drawn.second;
    // Later steps keep the drawn pair.
    for (int step = 0; step < 20; ++step) {
        PrepareStepValues(run.Values());
        EXPECT_EQ(run.Values().custom[6], drawn.first);
        EXPECT_EQ(run.Values().custom[7], drawn.second);
    }
}

} // namespace
} // namespace listrider::engine
