#include <functional>

#include <gtest/gtest.h>

#include "sites/site_index.h"
#include "store/file_io.h"
#include "support/temp_dir.h"

namespace listrider::sites {
namespace {

SiteTable ReadIndex(const std::vector<std::string>& lines)
{
    return ReadSiteIndex(store::LineList(lines));
}

SitesR ReadOne(const std::vector<std::string>& blockLines)
{
    std::vector<std::string> lines = {"<SITE>"};
    lines.insert(lines.end(), blockLines.begin(), blockLines.end());
    lines.emplace_back("</SITE>");
    const SiteTable table = ReadIndex(lines);
    EXPECT_EQ(table.sites.size(), 1u);
    return table.sites.empty() ? SitesR{} : table.sites.front();
}

TEST(SiteIndexTest, BlockWithOnlyANameGetsEveryDefault)
{
    const SitesR site = ReadOne({"<SITENAME>Soft Site</SITENAME>"});
    EXPECT_EQ(site.Name, "Soft Site");
    EXPECT_EQ(site.Submitted, "0");
    EXPECT_EQ(site.MinimumVersion, "1.0");
    EXPECT_EQ(site.Accepts, "All");
    EXPECT_EQ(site.AccountKind, "n/a");
    for (const std::string* field : {&site.Affiliate,
                                     &site.RegNowAffiliate,
                                     &site.ShareItAffiliate,
                                     &site.RegSoftAffiliate,
                                     &site.ESellerateAffiliate}) {
        EXPECT_EQ(*field, "-");
    }
    EXPECT_EQ(site.Language, "English");
    EXPECT_EQ(site.OsSupport, "Windows");
    EXPECT_EQ(site.LinkRequired, "");
    EXPECT_EQ(site.Url, "");
    EXPECT_FALSE(site.HasCategories || site.OsCategories || site.Stats || site.Unique || site.Request ||
                 site.Loaded || site.HasPrb);
    for (bool info : site.StatsInfo) {
        EXPECT_FALSE(info);
    }
}

TEST(SiteIndexTest, EachLineSetsWhatItsFirstTagInTableOrderSays)
{
    const std::string long300(300, 'a');

    struct Case
    {
        const char* what;
        std::vector<std::string> lines;
        std::function<void(const SitesR&)> check;
    };

    const std::vector<Case> cases = {
        {"misspelt accepts tag",
         {"<ACEEPTS>Freeware only</ACEEPTS>"},
         [](const SitesR& s) {
             EXPECT_EQ(s.Accepts, "Freeware only");
         }},
        {"accepts cut at 255",
         {"<ACCEPTS>" + long300 + "</ACCEPTS>"},
         [&](const SitesR& s) {
             EXPECT_EQ(s.Accepts, long300.substr(0, 255));
         }},
        {"link required cut at 255",
         {"<LinkRequired>" + long300 + "</LinkRequired>"},
         [&](const SitesR& s) {
             EXPECT_EQ(s.LinkRequired.size(), 255u);
         }},
        {"validate cut at 255",
         {"<VALIDATE>" + long300 + "</VALIDATE>"},
         [&](const SitesR& s) {
             EXPECT_EQ(s.Validate.size(), 255u);
         }},
        {"comments are not cut",
         {"<SITECOMMENTS>" + long300 + "</SITECOMMENTS>"},
         [&](const SitesR& s) {
             EXPECT_EQ(s.Comments, long300);
         }},
        {"stats info digits",
         {"<STATS_INFO>1,3,5</STATS_INFO>"},
         [](const SitesR& s) {
             EXPECT_TRUE(s.StatsInfo[1] && s.StatsInfo[3] && s.StatsInfo[5]);
             EXPECT_FALSE(s.StatsInfo[2] || s.StatsInfo[4]);
         }},
        {"request is a search of the line",
         {"<REQUEST>yes</REQUEST>"},
         [](const SitesR& s) {
             EXPECT_TRUE(s.Request);
         }},
        {"unique needs YES exactly",
         {"<UNIQUE>yes</UNIQUE>"},
         [](const SitesR& s) {
             EXPECT_FALSE(s.Unique);
         }},
        {"unique YES",
         {"<UNIQUE>YES</UNIQUE>"},
         [](const SitesR& s) {
             EXPECT_TRUE(s.Unique);
         }},
        {"a later categories line clears the flag",
         {"<CATEGORIES>YES</CATEGORIES>", "<CATEGORIES>NO</CATEGORIES>"},
         [](const SitesR& s) {
             EXPECT_FALSE(s.HasCategories);
         }},
        {"a later OS_Cat line leaves the flag set",
         {"<OS_Cat>YES</OS_Cat>", "<OS_Cat>NO</OS_Cat>"},
         [](const SitesR& s) {
             EXPECT_TRUE(s.OsCategories);
         }},
        {"stats lower case stays false",
         {"<STATS>yes</STATS>"},
         [](const SitesR& s) {
             EXPECT_FALSE(s.Stats);
         }},
        {"stats sum is not the stats flag",
         {"<STATS_SUM>2,4</STATS_SUM>"},
         [](const SitesR& s) {
             EXPECT_EQ(s.StatsSum, "2,4");
             EXPECT_FALSE(s.Stats);
         }},
        {"tags are found ignoring case, anywhere in the line",
         {"  junk <sitename>lower</SITENAME>"},
         [](const SitesR& s) {
             EXPECT_EQ(s.Name, "lower");
         }},
        {"the earlier tag of the table wins over the earlier one in the line",
         {"<URL>home</URL><SITENAME>Named</SITENAME>"},
         [](const SitesR& s) {
             EXPECT_EQ(s.Name, "home");
             EXPECT_EQ(s.Url, "");
         }},
        {"a '>' inside a value is dropped",
         {"<URL>http://a>b/</URL>"},
         [](const SitesR& s) {
             EXPECT_EQ(s.Url, "http://ab/");
         }},
        {"a line without '>' gives the empty value",
         {"<LANGUAGE"},
         [](const SitesR& s) {
             EXPECT_EQ(s.Language, "");
         }},
        {"OS support left empty becomes Windows",
         {"<OSSupport></OSSupport>"},
         [](const SitesR& s) {
             EXPECT_EQ(s.OsSupport, "Windows");
         }},
        {"account kind",
         {"<PASSWORD>MAILPASSWORD</PASSWORD>"},
         [](const SitesR& s) {
             EXPECT_EQ(s.AccountKind, "MAILPASSWORD");
         }},
        {"eSellerate affiliate",
         {"<EsellerateAf>supported</EsellerateAf>"},
         [](const SitesR& s) {
             EXPECT_EQ(s.ESellerateAffiliate, "supported");
         }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        std::vector<std::string> lines = {"<SITENAME>Site</SITENAME>"};
        lines.insert(lines.end(), c.lines.begin(), c.lines.end());
        c.check(ReadOne(lines));
    }
}

TEST(SiteIndexTest, BlocksAreFoundByTheirExactLines)
{
    const SiteTable table = ReadIndex({
        "<SITENAME>outside</SITENAME>",
        "<SITE>",
        "<SITENAME>First</SITENAME>",
        "</SITE>",
        "<site>",
        "<SITENAME>lower case block</SITENAME>",
        "</site>",
        " <SITE>",
        "<SITENAME>indented</SITENAME>",
        "</SITE>",
        "<SITE>",
        "<SITENAME>Disabled</SITENAME>",
        "<DISABLED>YES</DISABLED>",
        "</SITE>",
        "<SITE>",
        "<SITENAME>Kept</SITENAME>",
        "<DISABLED>yes</DISABLED>",
        "</SITE>",
        "<SITE>",
        "<SITENAME>Unclosed</SITENAME>",
    });
    ASSERT_EQ(table.sites.size(), 3u);
    EXPECT_EQ(table.sites[0].Name, "First");
    EXPECT_EQ(table.sites[1].Name, "Kept");
    EXPECT_EQ(table.sites[2].Name, "Unclosed");
    ASSERT_EQ(table.notes.size(), 1u);
    EXPECT_NE(table.notes[0].find("not closed"), std::string::npos);
}

TEST(SiteIndexTest, NamesThatCannotNameAFileAreDroppedWithANote)
{
    const std::vector<std::string> unsafe = {"../evil", "a/b", "a\\b", ".", "..", std::string("a\0b", 3)};
    std::vector<std::string> lines;
    for (const std::string& name : unsafe) {
        lines.insert(lines.end(), {"<SITE>", "<SITENAME>" + name + "</SITENAME>", "</SITE>"});
    }
    for (const char* name : {"Soft.com", "...", "Name with spaces"}) {
        lines.insert(lines.end(), {"<SITE>", std::string("<SITENAME>") + name + "</SITENAME>", "</SITE>"});
    }
    const SiteTable table = ReadIndex(lines);
    ASSERT_EQ(table.sites.size(), 3u);
    EXPECT_EQ(table.sites[0].Name, "Soft.com");
    EXPECT_EQ(table.sites[1].Name, "...");
    EXPECT_EQ(table.notes.size(), unsafe.size());
}

TEST(SiteIndexTest, FindDBIndexIsExactAndTakesTheFirst)
{
    const SiteTable table = ReadIndex({"<SITE>",
                                       "<SITENAME>Alpha</SITENAME>",
                                       "</SITE>",
                                       "<SITE>",
                                       "<SITENAME>Beta</SITENAME>",
                                       "</SITE>",
                                       "<SITE>",
                                       "<SITENAME>Alpha</SITENAME>",
                                       "<URL>second</URL>",
                                       "</SITE>"});
    EXPECT_EQ(FindDBIndex(table, "Alpha"), 0);
    EXPECT_EQ(FindDBIndex(table, "Beta"), 1);
    EXPECT_EQ(FindDBIndex(table, "alpha"), -1);
    EXPECT_EQ(FindDBIndex(table, "Gamma"), -1);
}

TEST(SiteIndexTest, LoadSitesReadsTheWorkspaceIndex)
{
    testsupport::TempDir workspace;
    EXPECT_TRUE(LoadSites(workspace.Path()).sites.empty());
    workspace.Write("Sites/sites.dat",
                    "<SITE>\r\n<SITENAME>One</SITENAME>\r\n</SITE>\r\n<SITE>\r\n"
                    "<SITENAME>Two</SITENAME>\r\n</SITE>");
    const SiteTable table = LoadSites(workspace.Path());
    ASSERT_EQ(table.sites.size(), 2u);
    EXPECT_EQ(table.sites[1].Name, "Two");
    EXPECT_TRUE(table.notes.empty());
}

} // namespace
} // namespace listrider::sites
