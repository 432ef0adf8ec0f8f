#include <sstream>

#include <gtest/gtest.h>

#include "cli/cli_app.h"
#include "cli/exit_codes.h"
#include "cli_runner.h"
#include "support/temp_dir.h"

namespace listrider::cli {
namespace {

// A workspace with the site list fixture database built into it.
class SiteListCommandsTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        const CliRun built = Run({"sitedb", "build", LISTRIDER_TEST_DATA "/sites/sitelist", "--yes"});
        ASSERT_EQ(built.code, kExitOk) << built.err;
    }

    CliRun Run(std::vector<std::string> args) { return RunCliIn(m_dir.Path(), std::move(args)); }

    testsupport::TempDir m_dir;
};

TEST_F(SiteListCommandsTest, FilterShowsAndSetsTheDialog)
{
    const CliRun fresh = Run({"sites", "filter", "show"});
    ASSERT_EQ(fresh.code, kExitOk) << fresh.err;
    EXPECT_NE(fresh.out.find("Only show the following sites:\n  [x] Shareware Sites  (Shareware)\n"),
              std::string::npos)
        << fresh.out;
    EXPECT_NE(fresh.out.find("  [ ] Not submitted after "), std::string::npos);
    EXPECT_NE(fresh.out.find("Language: ALL\n  [x] English\n  [x] German\n"), std::string::npos);

    const CliRun set = Run({"sites",
                            "filter",
                            "set",
                            "games",
                            "off",
                            "Submitted_Before",
                            "on",
                            "date",
                            "10-03-2024",
                            "language",
                            "german"});
    ASSERT_EQ(set.code, kExitOk) << set.err;
    const std::string file = testsupport::ReadBytes(m_dir / "filter.ini");
    EXPECT_NE(file.find("<Games>N</Games>"), std::string::npos) << file;
    EXPECT_NE(file.find("<Submitted_Before>Y</Submitted_Before>\r\n<Submitted_Before_Date>45361"),
              std::string::npos);
    EXPECT_NE(file.find("<Site_Language>German, </Site_Language>"), std::string::npos);

    ASSERT_EQ(Run({"sites", "filter", "set", "language", "English, German"}).code, kExitOk);
    EXPECT_NE(testsupport::ReadBytes(m_dir / "filter.ini").find("<Site_Language>ALL</Site_Language>"),
              std::string::npos);

    const CliRun json = Run({"sites", "filter", "show", "--json"});
    EXPECT_NE(json.out.find("\"Games\":false"), std::string::npos) << json.out;
    EXPECT_NE(json.out.find("\"notSubmittedAfter\":\"10-03-2024\""), std::string::npos);

    EXPECT_EQ(Run({"sites", "filter", "set", "Gamez", "on"}).code, kExitUsage);
    EXPECT_EQ(Run({"sites", "filter", "set", "Games", "yes"}).code, kExitUsage);
    EXPECT_EQ(Run({"sites", "filter", "set", "language", "Klingon"}).code, kExitFailure);
}

TEST_F(SiteListCommandsTest, ColumnsFollowTheColumnsEditor)
{
    const CliRun shown = Run({"sites", "columns", "show"});
    ASSERT_EQ(shown.code, kExitOk) << shown.err;
    EXPECT_TRUE(shown.out.starts_with("[x] Site Name\t100\n[x] Category\t100\n")) << shown.out;

    ASSERT_EQ(Run({"sites", "columns", "uncheck", "Comments"}).code, kExitOk);
    ASSERT_EQ(Run({"sites", "columns", "top", "Home URL"}).code, kExitOk);
    ASSERT_EQ(Run({"sites", "columns", "width", "Home URL", "240"}).code, kExitOk);
    const CliRun changed = Run({"sites", "columns", "uncheck", "Site Name"});
    EXPECT_TRUE(changed.out.starts_with("[x] Site Name\t100\n[x] Home URL\t240\n[x] Category\t100\n"))
        << changed.out;
    EXPECT_NE(changed.out.find("[ ] Comments\t100\n"), std::string::npos);
    EXPECT_NE(testsupport::ReadBytes(m_dir / "columns.ini")
                  .find("<Column_Name>Home URL</Column_Name>\r\n"
                        "<Column_Visible>Y</Column_Visible>\r\n"
                        "<Column_Size>240</Column_Size>"),
              std::string::npos);

    EXPECT_EQ(Run({"sites", "columns", "up", "Votes"}).code, kExitFailure);
    EXPECT_EQ(Run({"sites", "columns", "width", "Comments", "wide"}).code, kExitUsage);
}

TEST_F(SiteListCommandsTest, BlacklistAddsAndRemovesSites)
{
    const CliRun added = Run({"blacklist", "add", "blocked site", "Game Zone"});
    ASSERT_EQ(added.code, kExitOk) << added.err;
    EXPECT_EQ(added.out,
              "The following sites are not being shown in site list.\n  Blocked Site\n  Game Zone\n");
    EXPECT_EQ(testsupport::ReadBytes(m_dir / "blacklist.ini"), "Blocked Site\r\nGame Zone");

    EXPECT_NE(Run({"blacklist", "add", "Game Zone"}).out.find("Game Zone is blacklisted already"),
              std::string::npos);
    EXPECT_EQ(Run({"blacklist", "add", "Nowhere"}).code, kExitFailure);

    ASSERT_EQ(Run({"blacklist", "remove", "Game Zone"}).code, kExitOk);
    EXPECT_EQ(Run({"blacklist", "list", "--json"}).out, "[\"Blocked Site\"]\n");
    EXPECT_EQ(Run({"blacklist", "remove", "Game Zone"}).code, kExitFailure);
}

TEST_F(SiteListCommandsTest, FastCategoriesAsTheTreeShowsThem)
{
    const CliRun listed = Run({"fastcat", "list"});
    ASSERT_EQ(listed.code, kExitOk) << listed.err;
    EXPECT_EQ(listed.out,
              "--== Do not use fast category ==--\n"
              "Games\n"
              "  Arcade\n"
              "  Puzzle\n"
              "Utilities\n"
              "  Disk Tools\n");
    const CliRun json = Run({"fastcat", "list", "--json"});
    EXPECT_NE(json.out.find("\"entries\":[\"--== Do not use fast category ==--\",\"Utilities - Disk Tools\""),
              std::string::npos)
        << json.out;
}

TEST_F(SiteListCommandsTest, BackLinkCodes)
{
    const CliRun all = Run({"sites", "backlinks"});
    ASSERT_EQ(all.code, kExitOk) << all.err;
    EXPECT_EQ(all.out,
              "<a href=\"http://deutsch.example/\">German Site</a>\n"
              "<a href=\"http://linklovers.example/\">Link Lovers</a>\n");
    EXPECT_EQ(Run({"sites", "backlinks", "link lovers"}).out,
              "<a href=\"http://linklovers.example/\">Link Lovers</a>\n");
    EXPECT_NE(
        Run({"sites", "backlinks", "--json"}).out.find("\"sites\":[\" -= ALL SITES =- \",\"German Site\","),
        std::string::npos);
    EXPECT_EQ(Run({"sites", "backlinks", "Game Zone"}).code, kExitFailure);
}

// The filter, the blacklist, the fast category and a site's category, each changed by its own
// command, are what the site list of the next command shows.
TEST_F(SiteListCommandsTest, EveryCommandSeesTheSameSiteList)
{
    ASSERT_EQ(Run({"company", "new", "Acme"}).code, kExitOk);
    ASSERT_EQ(Run({"product", "new", "--company", "Acme", "Zipper", "1.0"}).code, kExitOk);
    const std::vector<std::string> product = {"--company", "Acme", "--product", "Zipper"};
    auto list = [&] {
        std::vector<std::string> args = {"sites", "list"};
        args.insert(args.end(), product.begin(), product.end());
        return Run(args);
    };
    const CliRun fresh = list();
    ASSERT_EQ(fresh.code, kExitOk) << fresh.err;
    EXPECT_TRUE(fresh.out.starts_with("Fast category: none\n")) << fresh.out;
    EXPECT_NE(fresh.out.find("\tFree Corner\t"), std::string::npos);
    EXPECT_NE(fresh.out.find("Showing Sites: 13\n"), std::string::npos);

    ASSERT_EQ(Run({"sites", "filter", "set", "Freeware", "off"}).code, kExitOk);
    ASSERT_EQ(Run({"blacklist", "add", "Game Zone"}).code, kExitOk);
    std::vector<std::string> apply = {"fastcat", "apply", "utilities - disk tools"};
    apply.insert(apply.end(), product.begin(), product.end());
    const CliRun applied = Run(apply);
    ASSERT_EQ(applied.code, kExitOk) << applied.err;
    EXPECT_EQ(applied.out,
              "Fast category: Utilities - Disk Tools\n"
              "Alpha Downloads\tDisk Utilities\n"
              "Palm Garden\tPalm Software\n"
              "Excluded Site\t-\n"
              "Excluded Site\t(The site is not available for the chosen Fast Category)\n");

    const CliRun shown = list();
    EXPECT_EQ(shown.out.find("\tFree Corner\t"), std::string::npos) << shown.out;
    EXPECT_EQ(shown.out.find("\tGame Zone\t"), std::string::npos);
    EXPECT_TRUE(shown.out.starts_with("Fast category: Utilities - Disk Tools\n"));
    EXPECT_NE(shown.out.find("[ ]\t1\tExcluded Site\t-\t"), std::string::npos);
    EXPECT_NE(shown.out.find("Showing Sites: 11\nTotal Sites: 13\n"), std::string::npos);

    // A site the fast category leaves out takes its category in the Site Properties dialog.
    std::vector<std::string> category = {"sites", "category", "Excluded Site", "--find", "gener"};
    category.insert(category.end(), product.begin(), product.end());
    const CliRun found = Run(category);
    ASSERT_EQ(found.code, kExitOk) << found.err;
    EXPECT_EQ(found.out, "Excluded Site: General\n");
    category = {"sites", "category", "Palm Garden", "--keywords", "windows, puzzles"};
    category.insert(category.end(), product.begin(), product.end());
    EXPECT_EQ(Run(category).out, "Palm Garden: Windows Puzzles\n");
    category = {"sites", "category", "Palm Garden", "Nowhere"};
    category.insert(category.end(), product.begin(), product.end());
    EXPECT_EQ(Run(category).code, kExitFailure);
    category = {"sites", "category", "Free Corner", "General"};
    category.insert(category.end(), product.begin(), product.end());
    EXPECT_NE(Run(category).err.find("no categories of its own"), std::string::npos);
    category = {"sites", "category", "Palm Garden", "--json"};
    category.insert(category.end(), product.begin(), product.end());
    EXPECT_NE(Run(category).out.find("\"categories\":[\"-\",\"Palm Games & Puzzles\",\"Palm Software\","
                                     "\"Windows Puzzles\"]"),
              std::string::npos);
}

} // namespace
} // namespace listrider::cli
