#include <gtest/gtest.h>

#include "engine/script_step.h"
#include "engine/search_settings.h"
#include "sites/site_database_builder.h"
#include "sites/site_integrity.h"
#include "sites/site_packages.h"
#include "sites/site_text_encoder.h"
#include "store/line_list.h"
#include "support/result_matchers.h"
#include "support/temp_dir.h"

namespace listrider::engine {
namespace {

namespace fs = std::filesystem;

const store::SiteKey kKey{"LR-SiteData-7316", "Korvane"};
const store::NarrowMacroResolver kUpper = [](std::string_view token, std::string& out) {
    out.append("<").append(token.substr(1, token.size() - 2)).append(">");
};

std::string Encoded(const std::vector<std::string>& lines)
{
    store::Result<std::string> encoded =
        sites::EncodeSiteText(store::JoinLines(store::LineList(lines)), kKey);
    EXPECT_TRUE(encoded.HasValue());
    return encoded.HasValue() ? encoded.Value() : std::string();
}

// The eight lines before a web step's fields.
std::vector<std::string> WebHead(const std::string& method = "GET")
{
    return {"label",
            "step",
            "comment",
            "HTTP",
            "www.site.example",
            "/add.php?x=|ProgramName|",
            method,
            "entering login"};
}

std::vector<std::string> With(std::vector<std::string> head, const std::vector<std::string>& rest)
{
    head.insert(head.end(), rest.begin(), rest.end());
    return head;
}

class ScriptStepTest : public ::testing::Test
{
protected:
    ScriptStepTest() { m_table.sites.emplace_back().Name = "Site"; }

    sites::SitesR& Site() { return m_table.sites[0]; }

    store::Result<LoadedStep> Load(int step, const std::string& extension = {})
    {
        const std::string file = extension.empty() ? StepFileName("/ws/Temp12345", "Site", step, false)
                                                   : "/ws/Temp12345/Site." + extension;
        return LoadStep(file, StepSources{m_table, kKey, kUpper}, m_categories);
    }

    sites::SiteTable m_table;
    StepCategories m_categories{"Games", "Arcade"};
};

TEST(StepFileNameTest, StepZeroIsTheSearchEntryWhileTheSearchIsActive)
{
    EXPECT_EQ(StepFileName("/ws/Temp12345", "My Site", 0, true), "/ws/Temp12345/My Site.150");
    EXPECT_EQ(StepFileName("/ws/Temp12345", "My Site", 0, false), "/ws/Temp12345/My Site.sub");
    EXPECT_EQ(StepFileName("/ws/Temp12345", "My Site", 7, true), "/ws/Temp12345/My Site.7");
    EXPECT_EQ(StepFileName("/ws/Temp12345", "My Site", -2, false), "/ws/Temp12345/My Site.-2");
}

TEST_F(ScriptStepTest, ReadsTheWebLayoutWhereverTheTerminatorStands)
{
    struct Case
    {
        const char* what;
        std::vector<std::string> lines;
        std::vector<std::string> names;
        std::vector<std::string> values;
        int onFailure;
        std::string failureText;
        int onSuccess;
        std::string successText;
        std::vector<std::string> commands;
    };

    const std::vector<Case> cases = {
        {"two fields",
         With(WebHead(),
              {"user",
               "|SiteLogin|",
               "pass",
               "|SitePassword|",
               "@",
               "x",
               "-2",
               "Bad login",
               "x",
               "x",
               "3",
               "Welcome",
               "x",
               "FINDTEXT",
               "<form"}),
         {"user", "pass"},
         {"|SiteLogin|", "|SitePassword|"},
         -2,
         "Bad login",
         3,
         "Welcome",
         {"FINDTEXT", "<form"}},
        {"no fields: the terminator on line 8",
         With(WebHead(), {"@", "x", "-2", "fail", "x", "x", "-1", "done", "x", "RELOADHTML", "x"}),
         {},
         {},
         -2,
         "fail",
         -1,
         "done",
         {"RELOADHTML", "x"}},
        {"the terminator in a value position",
         With(WebHead(), {"name", "@", "x", "-2", "f", "x", "x", "4", "s"}),
         {"name"},
         {},
         -2,
         "f",
         4,
         "s",
         {}},
        {"the empty success text was the last line",
         With(WebHead(), {"a", "b", "@", "x", "-2", "", "x", "x", "-1"}),
         {"a"},
         {"b"},
         -2,
         "",
         -1,
         "",
         {}},
        {"branch lines with spaces",
         With(WebHead(), {"@", "", " 12 ", "", "", "", "+5", ""}),
         {},
         {},
         12,
         "",
         5,
         "",
         {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        Site().Steps.Set(3, Encoded(c.lines));
        const store::Result<LoadedStep> step = Load(3);
        ASSERT_OK(step);
        EXPECT_TRUE(step.Value().IsWeb());
        EXPECT_EQ(step.Value().host, "www.site.example");
        EXPECT_EQ(step.Value().path, "/add.php?x=|ProgramName|");
        EXPECT_EQ(step.Value().actionText, "entering login");
        EXPECT_EQ(step.Value().names, c.names);
        EXPECT_EQ(step.Value().values, c.values);
        EXPECT_EQ(step.Value().onFailure, c.onFailure);
        EXPECT_EQ(step.Value().failureText, c.failureText);
        EXPECT_EQ(step.Value().onSuccess, c.onSuccess);
        EXPECT_EQ(step.Value().successText, c.successText);
        EXPECT_EQ(step.Value().commands, c.commands);
    }
}

TEST_F(ScriptStepTest, OnlyUpperCasePostBecomesPostSpecial)
{
    for (const auto& [method, delivered] : std::vector<std::pair<std::string, std::string>>{
             {"POST", "POSTSPECIAL"}, {"post", "post"}, {"POSTUPLOAD", "POSTUPLOAD"}, {"GET", "GET"}}) {
        Site().Steps.Set(0, Encoded(With(WebHead(method), {"@", "", "-2", "", "", "", "-1", ""})));
        const store::Result<LoadedStep> step = Load(0, "SUB");
        ASSERT_OK(step);
        EXPECT_EQ(step.Value().method, delivered);
    }
}

TEST_F(ScriptStepTest, StepsThatCannotBeReadFailToLoad)
{
    struct Case
    {
        const char* what;
        std::vector<std::string> lines;
        store::ErrorKind kind;
    };

    const std::vector<Case> cases = {
        {"three lines", {"a", "b", "c"}, store::ErrorKind::NotFound},
        {"nothing", {}, store::ErrorKind::NotFound},
        {"no terminator", With(WebHead(), {"a", "b", "c"}), store::ErrorKind::Malformed},
        {"web step cut before its action", {"a", "b", "c", "HTTP", "host"}, store::ErrorKind::Malformed},
        {"a word as OnFailure",
         With(WebHead(), {"@", "", "minus two", "", "", "", "-1", ""}),
         store::ErrorKind::Malformed},
        {"OnSuccess line missing", With(WebHead(), {"@", "", "-2", "f"}), store::ErrorKind::Malformed},
        {"e-mail step cut before its action", {"a", "b", "c", "EMAIL", "to@x"}, store::ErrorKind::Malformed},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        Site().Steps.Set(5, Encoded(c.lines));
        EXPECT_ERROR_KIND(Load(5), c.kind);
    }
    EXPECT_ERROR_KIND(Load(31), store::ErrorKind::NotFound);
    EXPECT_ERROR_KIND(Load(-5), store::ErrorKind::NotFound);
    EXPECT_ERROR_KIND(Load(201), store::ErrorKind::NotFound);
}

TEST_F(ScriptStepTest, ReadsTheMailLayoutAndExpandsOnlyTheSubject)
{
    Site().Steps.Set(0,
                     Encoded({"a",
                              "b",
                              "c",
                              "EMAIL",
                              "|SubmitMail|",
                              "New: |ProgramName|",
                              "sending",
                              "Name: |ProgramName|",
                              "",
                              "Bye",
                              "@",
                              "after the end"}));
    const store::Result<LoadedStep> step = Load(0);
    ASSERT_OK(step);
    EXPECT_FALSE(step.Value().IsWeb());
    EXPECT_EQ(step.Value().recipient, "|SubmitMail|");
    EXPECT_EQ(step.Value().subject, "New: <ProgramName>");
    EXPECT_EQ(step.Value().actionText, "sending");
    EXPECT_EQ(step.Value().values, (std::vector<std::string>{"Name: |ProgramName|", "", "Bye"}));
    EXPECT_TRUE(step.Value().names.empty());

    Site().Steps.Set(1, Encoded({"a", "b", "c", "EMAIL", "to", "s", "act", "only body"}));
    const store::Result<LoadedStep> unterminated = Load(1);
    ASSERT_OK(unterminated);
    EXPECT_EQ(unterminated.Value().values, std::vector<std::string>{"only body"});
}

TEST_F(ScriptStepTest, TheSitesCategoryListsReplaceTheCategoryValues)
{
    const std::vector<std::string> step = With(WebHead(), {"@", "", "-2", "", "", "", "-1", ""});
    Site().Steps.Set(1, Encoded(step));

    struct Case
    {
        const char* what;
        bool hasCategories;
        std::string cat;
        std::string ca0;
        StepCategories expected;
        bool applied;
    };

    const std::vector<Case> cases = {
        {"a pair matches",
         true,
         "Utilities\r\nSite Utils\r\nGames\r\nSite Games",
         "",
         {"Site Games", "Arcade"},
         true},
        {"every line is compared, not only the first of a pair",
         true,
         "x\r\nGames\r\nfollower",
         "",
         {"follower", "Arcade"},
         true},
        {"no match leaves the value", true, "Utilities\r\nSite Utils", "", {"Games", "Arcade"}, true},
        {"without own categories the list is not read",
         false,
         "Games\r\nSite Games",
         "",
         {"Games", "Arcade"},
         false},
        {"the subcategory list", false, "", "Arcade\r\nSite Arcade", {"Games", "Site Arcade"}, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        Site().HasCategories = c.hasCategories;
        Site().Cat = c.cat;
        Site().Ca0 = c.ca0;
        m_categories = {"Games", "Arcade"};
        const store::Result<LoadedStep> loaded = Load(1);
        ASSERT_OK(loaded);
        EXPECT_EQ(m_categories.category, c.expected.category);
        EXPECT_EQ(m_categories.subCategory, c.expected.subCategory);
        EXPECT_EQ(loaded.Value().ownCategoriesApplied, c.applied);
    }

    Site().HasCategories = true;
    Site().Cat = "Utilities\r\nSite Utils\r\nGames";
    Site().Ca0.clear();
    m_categories = {"Games", "Arcade"};
    EXPECT_ERROR_KIND(Load(1), store::ErrorKind::Malformed);
}

TEST_F(ScriptStepTest, SearchSettingsNeedExactlyFourLines)
{
    Site().Sss = Encoded({"not listed:", "0", "other version:", "-2"});
    const std::optional<SearchSettings> settings = ReadSearchSettings(m_table, "Site", kKey);
    ASSERT_TRUE(settings.has_value());
    EXPECT_EQ(settings->notListedStep, 0);
    EXPECT_EQ(settings->otherVersionStep, -2);

    for (const std::vector<std::string>& lines : std::vector<std::vector<std::string>>{
             {"a", "0", "b"}, {"a", "0", "b", "1", "c"}, {"a", "zero", "b", "1"}, {}}) {
        Site().Sss = Encoded(lines);
        EXPECT_FALSE(ReadSearchSettings(m_table, "Site", kKey).has_value());
    }
    EXPECT_FALSE(ReadSearchSettings(m_table, "Unknown", kKey).has_value());
}

TEST(ScriptStepDatabaseTest, EveryStepOfTheBuiltFixtureLoadsAsWritten)
{
    store::Result<sites::SiteDatabaseSource> source =
        sites::ReadSiteSource(fs::path(LISTRIDER_TEST_DATA) / "sites" / "source");
    ASSERT_OK(source);
    testsupport::TempDir workspace;
    ASSERT_OK(sites::BuildSiteDatabase(source.Value(), workspace.Path(), kKey));
    sites::SiteTable table = sites::LoadSites(workspace.Path());
    sites::CheckSitesComplexity(table, workspace.Path());
    sites::ScratchDir scratch(workspace.Path());
    sites::SitePackages packages(workspace.Path(), scratch);

    int steps = 0;
    for (const sites::SiteSource& site : source.Value().sites) {
        if (sites::FindDBIndex(table, site.name) < 0) {
            continue;
        }
        packages.LoadCurrentSite(table, site.name);
        for (const sites::SourceMember& member : site.members) {
            const std::optional<int> number =
                member.extension == "sub" ? 0 : ParseStepNumber(member.extension);
            if (!number) {
                continue;
            }
            SCOPED_TRACE(site.name + "." + member.extension);
            StepCategories categories{"Games", ""};
            const store::Result<LoadedStep> step =
                LoadStep(StepFileName(scratch.Path(), site.name, *number, false),
                         StepSources{table, kKey, kUpper},
                         categories);
            ASSERT_OK(step);
            const store::LineList lines = store::LineList::FromText(member.text);
            EXPECT_EQ(step.Value().channel, lines[3]);
            if (step.Value().IsWeb()) {
                EXPECT_EQ(step.Value().host, lines[4]);
                EXPECT_EQ(step.Value().path, lines[5]);
                EXPECT_EQ(step.Value().actionText, lines[7]);
            } else {
                EXPECT_EQ(step.Value().recipient, lines[4]);
            }
            ++steps;
        }
    }
    EXPECT_EQ(steps, 7);

    // Alpha Soft has its own categories: "Games" maps to the site's "Games & Entertainment".
    StepCategories categories{"Games", ""};
    const store::Result<LoadedStep> first = LoadStep(
        StepFileName(scratch.Path(), "Alpha Soft", 1, false), StepSources{table, kKey, kUpper}, categories);
    ASSERT_OK(first);
    EXPECT_TRUE(first.Value().ownCategoriesApplied);
    EXPECT_EQ(categories.category, "Games & Entertainment");
    EXPECT_EQ(first.Value().method, "POSTUPLOAD");
    EXPECT_EQ(first.Value().names.size(), 5u);
    EXPECT_EQ(first.Value().commands.size(), 4u);

    const std::optional<SearchSettings> search = ReadSearchSettings(table, "Searchy", kKey);
    ASSERT_TRUE(search.has_value());
    EXPECT_EQ(search->otherVersionStep, 2);
}

} // namespace
} // namespace listrider::engine
