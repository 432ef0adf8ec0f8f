#include <gtest/gtest.h>

#include "engine/macro_resolver.h"
#include "engine/os_tokens.h"
#include "engine/value_mappings.h"
#include "script_fixtures.h"
#include "store/line_list.h"
#include "support/result_matchers.h"

namespace listrider::engine {
namespace {

using testing::SampleValues;
using testing::ScriptRun;
using testing::SetMember;

std::vector<std::string> Tokens(std::string_view osList,
                                OsSelection selection = OsSelection::Single,
                                const std::vector<std::string>& siteKeys = {})
{
    std::vector<std::string> lines;
    for (const std::string& key : siteKeys) {
        lines.push_back(key);
        lines.push_back("v");
    }
    const store::LineList list(lines);
    return OsTokens(osList, PairsOf(list), selection);
}

TEST(OsTokensTest, WordsOfTheProductsSystems)
{
    using Words = std::vector<std::string>;
    EXPECT_EQ(Tokens("Windows2000"), (Words{"2000", "2k"}));
    EXPECT_EQ(Tokens("Win95,Win98"), (Words{"95", "98", "9x"}));
    EXPECT_EQ(Tokens("Win95,Win98", OsSelection::Multiple), (Words{"95", "98", "9x"}));
    EXPECT_EQ(
        Tokens("Palm OS 3.0,Palm OS 5,Mac OS X"),
        (Words{
            "PalmOS30", "PalmOS5", "Palm_OS", "MacOSX", "Palm OS 3.0", "Palm OS 5", "Mac OS X", "Mac_OS"}));
    EXPECT_EQ(Tokens("Palm OS 3.0,Palm OS 5,Linux,Windows2000", OsSelection::Multiple),
              (Words{"PalmOS30", "Palm_OS", "Palm OS 3.0", "Linux", "2000", "2k"}));
    // "OS/2 Warp" contains "OS/2", so the words of both come.
    EXPECT_EQ(Tokens("Symbian,OS/2 Warp"),
              (Words{"OS/2", "OS/2Warp", "Symbian", "CellPhone", "OS/2", "OS/2 Warp"}));
}

TEST(OsTokensTest, NtWordsFollowTheSitesKeys)
{
    using Words = std::vector<std::string>;
    EXPECT_EQ(Tokens("WinNT 4.x"), (Words{"NT"}));
    EXPECT_EQ(Tokens("WinNT 3.x,WinNT 4.x", OsSelection::Single, {"Windows NT4"}),
              (Words{"NT4", "NT3", "NT 4", "NT 3"}));
    EXPECT_EQ(Tokens("WinNT 4.x", OsSelection::Single, {"nt3 only"}), (Words{"NT4", "NT 4"}));
}

TEST(MappingListTest, ScoredSelection)
{
    const store::LineList list{
        "Windows 98", "1", "Windows 2000/XP", "2", "Windows 95/98 (9x)", "3", "unpaired"};
    const std::vector<MappingPair> pairs = PairsOf(list);
    ASSERT_EQ(pairs.size(), 3U);

    struct Case
    {
        std::vector<std::string> keywords;
        std::size_t chosen;
    };

    const Case cases[] = {
        {{"2000", "2k"}, 1},         // a key mentioning 2000 wins over one mentioning only 98
        {{"95", "98", "9x"}, 2},     // the third key scores 3
        {{"Linux"}, 0},              // nothing scores: the first pair
        {{}, 0},                     // no keywords at all
        {{"98", ""}, 0},             // first of equal scores; an empty keyword never counts
        {{"both", "both", "98"}, 0}, // a repeated keyword counts each time it is listed
    };
    for (const Case& c : cases) {
        store::Result<std::size_t> chosen = SelectScoredPair(pairs, c.keywords);
        ASSERT_OK(chosen);
        EXPECT_EQ(chosen.Value(), c.chosen);
    }
    EXPECT_EQ(ScoreKey("Install & Uninstall (both)", std::vector<std::string>{"both", "both", "&"}), 3);
    EXPECT_ERROR_KIND(SelectScoredPair({}, std::vector<std::string>{"x"}), store::ErrorKind::NotFound);
}

TEST(MappingListTest, SizeThresholds)
{
    const store::LineList list{"0", "small", "1048576", "medium", "5242880", "large"};
    const std::vector<MappingPair> pairs = PairsOf(list);

    struct Case
    {
        const char* size;
        const char* value;
    };

    for (const Case& c : {Case{"3000000", "medium"},
                          Case{"5242880", "large"},
                          Case{"0", "small"},
                          Case{"999999999999", "large"}}) {
        SCOPED_TRACE(c.size);
        store::Result<std::string> value = SelectBySize(pairs, c.size);
        ASSERT_OK(value);
        EXPECT_EQ(value.Value(), c.value);
    }
    const store::LineList equalKeys{"100", "first", "100", "second", "-1", "negative"};
    EXPECT_EQ(SelectBySize(PairsOf(equalKeys), "150").Value(), "second");
    EXPECT_EQ(SelectBySize(PairsOf(equalKeys), "50").Value(), "first"); // nothing fits; -1 is never chosen
    EXPECT_ERROR_KIND(SelectBySize(pairs, ""), store::ErrorKind::Malformed);
    const store::LineList badKey{"0", "a", "1MB", "b"};
    EXPECT_ERROR_KIND(SelectBySize(PairsOf(badKey), "10"), store::ErrorKind::Malformed);
    EXPECT_ERROR_KIND(SelectBySize({}, "10"), store::ErrorKind::NotFound);
}

TEST(MappingListTest, ExpiryCountRangesAreTestedByValue)
{
    const store::LineList list{"1-15", "short", "16-30", "month", "30", "exactly thirty", "0", "none"};
    const std::vector<MappingPair> pairs = PairsOf(list);

    struct Case
    {
        const char* count;
        const char* value;
    };

    for (const Case& c : {Case{"30", "exactly thirty"}, // the last match wins
                          Case{"16", "month"},
                          Case{"7", "short"},
                          Case{"0", "none"},
                          Case{"45", "short"}, // no match: the first pair
                          Case{"07", "short"}, // "07" is never a written-out number: no match
                          Case{"+7", "short"}}) {
        SCOPED_TRACE(c.count);
        store::Result<std::string> value = SelectByExpireCount(pairs, c.count);
        ASSERT_OK(value);
        EXPECT_EQ(value.Value(), c.value);
    }
    const store::LineList huge{"1-2000000000", "any"};
    EXPECT_EQ(SelectByExpireCount(PairsOf(huge), "1999999999").Value(), "any"); // at once, no hang
    const store::LineList badRange{"1-x", "a"};
    EXPECT_ERROR_KIND(SelectByExpireCount(PairsOf(badRange), "3"), store::ErrorKind::Malformed);
    EXPECT_ERROR_KIND(SelectByExpireCount({}, "3"), store::ErrorKind::NotFound);
}

TEST(MappingListTest, ExpiryUnit)
{
    const store::LineList list{"Trial days", "D", "Number of uses", "U", "Either/Or", "E"};
    const std::vector<MappingPair> pairs = PairsOf(list);
    EXPECT_EQ(SelectByExpireUnit(pairs, "Days"), "D");
    EXPECT_EQ(SelectByExpireUnit(pairs, "uses"), "U");
    EXPECT_EQ(SelectByExpireUnit(pairs, "Date"), "E"); // no Date key: the Either/Or key
    EXPECT_EQ(SelectByExpireUnit(pairs, "Weeks"), "");
    const store::LineList single{"Days"};
    EXPECT_EQ(SelectByExpireUnit(PairsOf(single), "Days"), "");

    catalogue::ProgramValues program = SampleValues().program;
    EXPECT_EQ(ExpireUnitWord(program), "Days");
    program.expireDay = "01";
    EXPECT_EQ(ExpireUnitWord(program), "Date");
    program.expireCount = "0";
    EXPECT_EQ(ExpireUnitWord(program), "Days");
}

class SiteMappingTest : public ::testing::Test
{
protected:
    SiteMappingTest() { m_site = m_run.AddSite("Mapped Site", "Graphics"); }

    void Start(catalogue::ProductValues product = SampleValues())
    {
        m_run.Prepare(std::move(product));
        m_run.StartAt(m_site);
    }

    sites::SitesR& Site() { return m_run.Site(m_site); }

    ScriptRun m_run;
    int m_site = 0;
};

TEST_F(SiteMappingTest, ScoredListsWithTheirKeywords)
{
    SetMember(Site(), "typ", {"Freeware", "F", "Shareware", "S"});
    SetMember(Site(), "ins", {"Install only", "I", "Install & Uninstall (both)", "B"});
    SetMember(Site(), "cou", {"Germany", "DE", "United Kingdom", "GB"});
    SetMember(Site(), "sta", {"n/a", "0", "United Kingdom", "UK"});
    SetMember(Site(), "mon", {"January", "1", "March 3", "3"});
    SetMember(Site(), "bet", {"Yes", "1", "No", "0"});
    SetMember(Site(), "rel", {"New", "n", "Major upgrade", "m"});
    SetMember(Site(), "lng", {"FRE", "fr", "GER", "de"});
    SetMember(Site(), "os", {"Windows 98", "w98", "Windows 2000", "w2k", "Windows 95/98 (9x)", "w9x"});
    SetMember(Site(), "siz", {"0", "<1MB", "1048576", "1-5MB", "5242880", ">5MB"});
    SetMember(
        Site(), "exp", {"1-15", "|ProgramName10|", "16-30", "month of |ProgramVersion|", "30", "thirty"});
    SetMember(Site(), "exb", {"Trial Days", "days", "Uses", "uses"});
    SetMember(Site(), "are", {"Name: |ProgramName|", "Size: |SizeSelect|"});
    Start();

    struct Case
    {
        const char* macro;
        const char* value;
    };

    for (const Case& c : {Case{"|ProgramTypeSelect|", "S"},
                          Case{"|InstallSupportSelect|", "B"},
                          Case{"|CountrySelect|", "GB"},
                          Case{"|StateSelect|", "UK"},
                          Case{"|MonthSelect|", "3"},
                          Case{"|BetaSelect|", "0"},
                          Case{"|ReleaseStatusSelect|", "m"},
                          Case{"|LanguageSelect|", "de"},
                          Case{"|OSSupportSelect|", "w9x"},
                          Case{"|SizeSelect|", "1-5MB"},
                          Case{"|ExpireSelect|", "thirty"},
                          Case{"|ExpireBaseSelect|", "days"},
                          Case{"|TextArea|", "Name: Photo Resizer Deluxe\r\nSize: 1-5MB"}}) {
        SCOPED_TRACE(c.macro);
        EXPECT_EQ(m_run.Expand(c.macro), c.value);
    }
    EXPECT_FALSE(m_run.Values().failure.has_value());
}

TEST_F(SiteMappingTest, ExpiryResultIsExpanded)
{
    SetMember(Site(), "exp", {"1-15", "|ProgramName10|", "16-30", "month of |ProgramVersion|"});
    Start();
    EXPECT_EQ(m_run.Expand("|ExpireSelect|"), "month of 2.1");
}

TEST_F(SiteMappingTest, ListsThatNameThemselvesDoNotRecurse)
{
    SetMember(Site(), "are", {"Text: |TextArea|"});
    SetMember(Site(), "exp", {"30", "again |ExpireSelect|"});
    Start();
    EXPECT_EQ(m_run.Expand("|TextArea|"), "Text: |TextArea|");
    EXPECT_EQ(m_run.Expand("|ExpireSelect|"), "again |ExpireSelect|");
}

TEST_F(SiteMappingTest, MissingListsFailTheSiteOrGiveNothing)
{
    SetMember(Site(), "os", {"only one line"});
    Start();
    // Lists that never fail: nothing or the value unchanged.
    EXPECT_EQ(m_run.Expand("[|ExpireBaseSelect||TextArea|]"), "[]");
    EXPECT_FALSE(m_run.Values().failure.has_value());
    // An empty .os list ends the site with "Error"; the value is empty.
    EXPECT_EQ(m_run.Expand("a|OSSupportSelect|b"), "ab");
    ASSERT_TRUE(m_run.Values().failure.has_value());
    EXPECT_NE(m_run.Values().failure->message.find(".os"), std::string::npos);
    // The first failure is the one kept; a new site starts without one.
    EXPECT_EQ(m_run.Expand("|SizeSelect|"), "");
    EXPECT_NE(m_run.Values().failure->message.find(".os"), std::string::npos);
    m_run.StartAt(m_site);
    EXPECT_FALSE(m_run.Values().failure.has_value());
}

TEST_F(SiteMappingTest, AffiliateSelectionSetsTheIdentifierForLaterFields)
{
    SetMember(Site(), "aff", {"None", "0", "ShareIt", "si", "RegNow", "rn"});
    Start();
    std::vector<std::string> names = {"id_before", "program", "id_after"};
    std::vector<std::string> fields = {"|AffiliateID|", "|AffiliateSelect|", "|AffiliateID|"};
    std::string path;
    ExpandStepFields(m_run.Values(), names, fields, path);
    // RegNow and ShareIt both score 1; the first such pair (ShareIt) wins.
    EXPECT_EQ(fields, (std::vector<std::string>{"", "si", "300100"}));

    // At the next site the field before the selection gets the earlier site's identifier.
    const int next = m_run.AddSite("Next Site");
    SetMember(m_run.Site(next), "aff", {"RegNow", "rn"});
    m_run.StartAt(next);
    fields = {"|AffiliateID|", "|AffiliateSelect|", "|AffiliateID|"};
    ExpandStepFields(m_run.Values(), names, fields, path);
    EXPECT_EQ(fields, (std::vector<std::string>{"300100", "rn", "1234-5"}));
}

TEST_F(SiteMappingTest, OperatingSystemMultiSelection)
{
    SetMember(Site(),
              "os",
              {"Windows 98", "w98", "Windows 2000", "w2k", "Windows 95/98 (9x)", "w9x", "Linux", "lx"});
    catalogue::ProductValues product = SampleValues();
    product.program.osList = "Win95,Win98";
    Start(product);
    std::vector<std::string> names = {"a", "os[]", "b", "again"};
    std::vector<std::string> fields = {"1", "|ossupportselectm|", "2", "|OSSupportSelectM|"};
    ExpandOsMultiSelect(m_run.Values(), names, fields);
    // The 9x key holds 95, 98 and 9x: three fields for it; only the first such field is replaced.
    EXPECT_EQ(names, (std::vector<std::string>{"a", "os[]", "os[]", "os[]", "os[]", "b", "again"}));
    EXPECT_EQ(fields, (std::vector<std::string>{"1", "w98", "w9x", "w9x", "w9x", "2", "|OSSupportSelectM|"}));

    product.program.osList = "BEOS";
    Start(product);
    names = {"os", "b"};
    fields = {"|OSSupportSelectM|", "2"};
    ExpandOsMultiSelect(m_run.Values(), names, fields);
    EXPECT_EQ(names, (std::vector<std::string>{"b"}));
    EXPECT_EQ(fields, (std::vector<std::string>{"2"}));
}

TEST_F(SiteMappingTest, DescriptionLanguage)
{
    SetMember(Site(), "lan", {"FRE", "GER", "ENG"});
    Start();
    EXPECT_EQ(m_run.Expand("|Desc45| / |KeyWords|"), "Fotos verkleinern / foto, bild");
    // Wide characters go out in the code page; those it lacks become '?'.
    EXPECT_EQ(m_run.Expand("|Desc250|"),
              "Gr\xF6\xDF"
              "en \xE4ndern ? schnell.");

    // Ready when a site starts: the loader expands an e-mail subject before the step's values.
    const int other = m_run.AddSite("English Site");
    StartSiteValues(m_run.Values(), other, {});
    EXPECT_EQ(m_run.Expand("|Desc45|"), "Resize photos in batches");
    StartSiteValues(m_run.Values(), m_site, {});
    EXPECT_EQ(m_run.Expand("|Desc45|"), "Fotos verkleinern");

    catalogue::ProductValues english = SampleValues();
    english.descriptions.resize(1);
    Start(english);
    EXPECT_EQ(m_run.Expand("|Desc45|"), "Resize photos in batches");
}

TEST_F(SiteMappingTest, CategoryListsAreAppliedByTheStepLoaderToTheCurrentValue)
{
    Site().HasCategories = true;
    SetMember(Site(), "cat", {"Graphics", "12", "99", "x"});
    SetMember(Site(),
              "sub",
              {"x", "x", "x", "HTTP", "host", "/", "GET", "action", "@", "x", "-2", "", "x", "x", "-1"});
    Start();
    const store::NarrowMacroResolver resolve = MacroResolverFor(m_run.Values());
    const StepSources sources{m_run.Table(), testing::TestKey(), resolve};
    ASSERT_OK(LoadStep("/scratch/Mapped Site.sub", sources, m_run.Values().categories));
    EXPECT_EQ(m_run.Expand("|Category|"), "12");
    // The scan compares every line: at the next step the replaced value is replaced again.
    ASSERT_OK(LoadStep("/scratch/Mapped Site.sub", sources, m_run.Values().categories));
    EXPECT_EQ(m_run.Expand("|Category|"), "99");
}

} // namespace
} // namespace listrider::engine
