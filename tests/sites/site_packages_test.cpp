#include <gtest/gtest.h>

#include "sites/site_fixtures.h"
#include "sites/site_packages.h"
#include "support/result_matchers.h"
#include "support/temp_dir.h"

namespace listrider::sites {
namespace {

namespace fs = std::filesystem;

class RecordingView final : public SiteLoadView
{
public:
    void ShowLoading(std::string_view firstLine, std::string_view secondLine) override
    {
        lines.emplace_back(std::string(firstLine) + " | " + std::string(secondLine));
    }

    std::vector<std::string> lines;
};

class SitePackagesTest : public ::testing::Test
{
protected:
    SitePackagesTest()
        : m_scratch(m_workspace.Path())
        , m_packages(m_workspace.Path(), m_scratch)
    {}

    SiteTable Load(const std::vector<std::string>& names, const std::vector<std::string>& extra = {})
    {
        WriteIndex(m_workspace.Path(), names, extra);
        return LoadSites(m_workspace.Path());
    }

    testsupport::TempDir m_workspace;
    ScratchDir m_scratch;
    SitePackages m_packages;
};

TEST_F(SitePackagesTest, LoadsTheMembersIntoTheRecordAndEmptiesTheScratchDirectory)
{
    WritePackage(m_workspace.Path(),
                 "Alpha",
                 {{"Alpha.sub", "step zero"},
                  {"Alpha.1", "one"},
                  {"Alpha.2", "two"},
                  {"Alpha.31", "never loaded"},
                  {"Alpha.160", "never loaded"},
                  {"Alpha.prb", ""},
                  {"alpha.CAT", "categories in another case"},
                  {"Alpha.cod", "<a href=x>"},
                  {"Alpha.bet", "last member"}});
    SiteTable table = Load({"Alpha"});
    m_packages.LoadCurrentSite(table, "Alpha");

    const SitesR& site = table.sites[0];
    EXPECT_TRUE(site.Loaded);
    EXPECT_EQ(site.Steps.Get(0), "step zero");
    EXPECT_EQ(site.Steps.Get(1), "one");
    EXPECT_EQ(site.Steps.Get(2), "two");
    EXPECT_EQ(site.Steps.Get(31), "");
    EXPECT_EQ(site.Steps.Get(160), "");
    EXPECT_TRUE(site.HasPrb);
    EXPECT_EQ(site.Cat, "categories in another case");
    EXPECT_EQ(site.Cod, "<a href=x>");
    EXPECT_EQ(site.Bet, "last member");
    EXPECT_TRUE(FilesIn(m_scratch.Path()).empty());
}

TEST_F(SitePackagesTest, ASiteIsUnpackedOncePerTable)
{
    WritePackage(m_workspace.Path(), "Alpha", {{"Alpha.sub", "first"}});
    SiteTable table = Load({"Alpha"});
    m_packages.LoadCurrentSite(table, "Alpha");
    WritePackage(m_workspace.Path(), "Alpha", {{"Alpha.sub", "second"}});
    m_packages.LoadCurrentSite(table, "Alpha");
    EXPECT_EQ(table.sites[0].Steps.Get(0), "first");

    table = LoadSites(m_workspace.Path());
    EXPECT_FALSE(table.sites[0].Loaded);
    m_packages.LoadCurrentSite(table, "Alpha");
    EXPECT_EQ(table.sites[0].Steps.Get(0), "second");
}

TEST_F(SitePackagesTest, AMissingOrCorruptPackageLoadsNothingButCountsAsLoaded)
{
    m_workspace.Write("Sites/Broken.dat", "PK\x03\x04 not really");
    SiteTable table = Load({"Missing", "Broken"});
    m_packages.LoadCurrentSite(table, "Missing");
    m_packages.LoadCurrentSite(table, "Broken");
    for (const SitesR& site : table.sites) {
        EXPECT_TRUE(site.Loaded);
        EXPECT_FALSE(site.Steps.HasAny());
    }
    EXPECT_EQ(m_packages.TakeNotes().size(), 1u); // the broken archive; a missing one says nothing
}

TEST_F(SitePackagesTest, UnsafeMembersNeverLeaveTheScratchDirectory)
{
    WritePackage(m_workspace.Path(),
                 "Evil",
                 {{"../Evil.sub", "escaped"}, {"../../outside.txt", "escaped"}, {"Evil.1", "fine"}});
    SiteTable table = Load({"Evil"});
    m_packages.UnpackSite("Evil");
    EXPECT_EQ(FilesIn(m_scratch.Path()), std::vector<std::string>{"Evil.1"});
    EXPECT_FALSE(fs::exists(m_workspace / "Evil.sub"));
    EXPECT_FALSE(fs::exists(m_workspace.Path().parent_path() / "outside.txt"));
    EXPECT_EQ(m_packages.TakeNotes().size(), 2u);
    m_packages.LoadTheSite(table, 0);
    EXPECT_EQ(table.sites[0].Steps.Get(0), "");
    EXPECT_EQ(table.sites[0].Steps.Get(1), "fine");
    m_packages.ClearTemp();
    EXPECT_TRUE(FilesIn(m_scratch.Path()).empty());
}

TEST_F(SitePackagesTest, UnpackSiteFileExtractsOneMember)
{
    WritePackage(m_workspace.Path(), "fastcats", {{"Categories.lst", "A\r\nB"}, {"A.fct", "x"}});
    m_packages.UnpackSiteFile("fastcats", "categories.lst");
    EXPECT_EQ(FilesIn(m_scratch.Path()), std::vector<std::string>{"Categories.lst"});
}

TEST_F(SitePackagesTest, StartUpLoadsBackLinkAndOsCategorySitesAndShowsEach)
{
    WriteIndex(m_workspace.Path(), {});
    m_workspace.Write(
        "Sites/sites.dat",
        "<SITE>\r\n<SITENAME>Plain</SITENAME>\r\n</SITE>\r\n"
        "<SITE>\r\n<SITENAME>abc</SITENAME>\r\n<LinkRequired>YES</LinkRequired>\r\n</SITE>\r\n"
        "<SITE>\r\n<SITENAME>Lower</SITENAME>\r\n<LinkRequired>yes</LinkRequired>\r\n</SITE>\r\n"
        "<SITE>\r\n<SITENAME>ABC</SITENAME>\r\n<OS_Cat>YES</OS_Cat>\r\n</SITE>");
    WritePackage(m_workspace.Path(), "Plain", {{"Plain.sub", "plain"}});
    WritePackage(m_workspace.Path(), "abc", {{"abc.sub", "lower-case site's step"}});
    WritePackage(m_workspace.Path(), "Lower", {{"Lower.sub", "x"}});
    WritePackage(m_workspace.Path(), "ABC", {{"ABC.caa", "ALL\r\nGames"}});
    SiteTable table = LoadSites(m_workspace.Path());
    RecordingView view;
    m_packages.LoadStartupSites(table, &view);

    EXPECT_FALSE(table.sites[0].Loaded);
    EXPECT_TRUE(table.sites[1].Loaded);
    EXPECT_FALSE(table.sites[2].Loaded);
    EXPECT_TRUE(table.sites[3].Loaded);
    // ABC has no .sub of its own; abc's, unpacked before it, must not be taken for it.
    EXPECT_EQ(table.sites[3].Steps.Get(0), "");
    EXPECT_EQ(table.sites[3].Caa, "ALL\r\nGames");
    const std::vector<std::string> expected = {"Loading site: abc | 1 of 4 sites loaded.",
                                               "Loading site: ABC | 3 of 4 sites loaded.",
                                               "Loading site: ABC | All sites loaded."};
    EXPECT_EQ(view.lines, expected);
    EXPECT_TRUE(FilesIn(m_scratch.Path()).empty());
}

TEST(ScratchDirTest, TwoInstancesNeverShareTheDirectoryAndLeftoversAreReused)
{
    testsupport::TempDir workspace;
    workspace.Write("Temp12345/stale.sub", "left by an ended run");
    ScratchDir first(workspace.Path());
    ASSERT_OK(first.Ensure());
    EXPECT_EQ(first.Path(), workspace / "Temp12345");
    EXPECT_EQ(first.Digits(), "12345");
    EXPECT_TRUE(FilesIn(first.Path()).empty());

    ScratchDir second(workspace.Path());
    ASSERT_OK(second.Ensure());
    EXPECT_NE(second.Path(), first.Path());
    const std::string name = second.Path().filename().string();
    ASSERT_EQ(name.size(), 9u);
    EXPECT_EQ(name.substr(0, 4), "Temp");
    EXPECT_EQ(name.substr(4).find_first_not_of("0123456789"), std::string::npos);
}

TEST(ScratchDirTest, AnUnclaimedDirectoryIsNeverEmptied)
{
    testsupport::TempDir workspace;
    ScratchDir drawn(workspace.Path());
    // Another instance may have claimed a directory of the same name.
    workspace.Write(drawn.Path().filename().string() + "/theirs.sub", "in use");
    drawn.Clear();
    EXPECT_EQ(FilesIn(drawn.Path()), std::vector<std::string>{"theirs.sub"});
}

} // namespace
} // namespace listrider::sites
