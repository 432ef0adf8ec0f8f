#include <gtest/gtest.h>

#include "sites/site_status.h"
#include "store/file_io.h"
#include "support/result_matchers.h"
#include "support/temp_dir.h"

namespace listrider::sites {
namespace {

SiteTable TableOf(std::initializer_list<const char*> names)
{
    SiteTable table;
    for (const char* name : names) {
        SitesR site;
        site.Name = name;
        table.sites.push_back(site);
    }
    ClearSites(table);
    return table;
}

TEST(SiteStatusTest, SwitchingProductsForgetsTheMarksOfTheFirst)
{
    testsupport::TempDir dir;
    SiteTable table = TableOf({"Alpha", "Beta"});
    SiteStatusFile status(table);
    dir.Write("A/sites.dat",
              "<Site_Name>Alpha</Site_Name>\r\n<Category>Games</Category>\r\n"
              "<Must_Be_Checked>YES</Must_Be_Checked>\r\n<Skipped>YES</Skipped>");
    dir.Write("B/sites.dat", "<Site_Name>Alpha</Site_Name>\r\n<Version_Listed>2.0</Version_Listed>");
    status.Load(dir / "A");
    EXPECT_EQ(table.sites[0].MustBeChecked, "YES");
    EXPECT_TRUE(table.sites[0].Skipped);
    EXPECT_EQ(table.sites[0].Category, "Games");
    status.Load(dir / "B");
    EXPECT_EQ(table.sites[0].MustBeChecked, "");
    EXPECT_FALSE(table.sites[0].Skipped);
    EXPECT_EQ(table.sites[0].Category, "-");
    EXPECT_EQ(table.sites[0].VersionListed, "2.0");
}

TEST(SiteStatusTest, ReadsEachTagByItsRules)
{
    SiteTable table = TableOf({"Alpha Soft", "Beta"});
    const store::LineList lines =
        store::LineList::FromText("<Category>Ignored before the first site</Category>\r\n"
                                  "<Site_Name>ALPHA soft</Site_Name>\r\n"
                                  "<Category>--== Not Available ==--</Category>\r\n"
                                  "<Submitted>not a number</Submitted>\r\n"
                                  "<Version_Submitted>1.2</Version_Submitted>\r\n"
                                  "<Listed>YES</Listed>\r\n"
                                  "<Downloads>77</Downloads>\r\n"
                                  "<Site_Rating>5</Site_Rating>\r\n"
                                  "<User_Rating>4</User_Rating>\r\n"
                                  "<Votes>3</Votes>\r\n"
                                  "<Must_Be_Checked>YESYESYES</Must_Be_Checked>\r\n"
                                  "<Skipped>yes</Skipped>\r\n"
                                  "<Site_Name>Gone</Site_Name>\r\n"
                                  "<Listed>NO</Listed>\r\n"
                                  "<Site_Name>Beta</Site_Name>\r\n"
                                  "<Submitted>38000,5</Submitted>\r\n"
                                  "<Category> </Category>");
    ReadSiteStatus(table, lines);
    const SitesR& alpha = table.sites[0];
    EXPECT_EQ(alpha.Category, "-");
    EXPECT_EQ(alpha.Submitted, "");
    EXPECT_EQ(alpha.VersionSubmitted, "1.2");
    EXPECT_EQ(alpha.Listed, "YES");
    EXPECT_EQ(alpha.Downloads, "77");
    EXPECT_EQ(alpha.SiteRating, "5");
    EXPECT_EQ(alpha.UserRating, "4");
    EXPECT_EQ(alpha.Votes, "3");
    EXPECT_EQ(alpha.MustBeChecked, "YESYE");
    EXPECT_FALSE(alpha.Skipped) << "only the exact word YES counts";
    // Either decimal mark reads; the value is kept as written.
    EXPECT_EQ(table.sites[1].Submitted, "38000,5");
    EXPECT_EQ(table.sites[1].Category, "-");
    EXPECT_EQ(table.sites[1].Listed, "");
}

TEST(SiteStatusTest, WritesEveryRecordAndReadsItBack)
{
    testsupport::TempDir dir;
    SiteTable table = TableOf({"Alpha", "Beta"});
    table.sites[0].Category = "Utilities";
    table.sites[0].Submitted = "45000.25";
    table.sites[0].VersionSubmitted = "1.0";
    table.sites[0].MustBeChecked = "YES";
    table.sites[0].Skipped = true;
    ASSERT_OK(SaveSites(table, dir.Path()));
    EXPECT_EQ(testsupport::ReadBytes(dir / "sites.dat"),
              "<Site_Name>Alpha</Site_Name>\r\n<Category>Utilities</Category>\r\n"
              "<Submitted>45000.25</Submitted>\r\n<Version_Submitted>1.0</Version_Submitted>\r\n"
              "<Version_Listed></Version_Listed>\r\n<Listed></Listed>\r\n<Downloads></Downloads>\r\n"
              "<Site_Rating></Site_Rating>\r\n<User_Rating></User_Rating>\r\n<Votes></Votes>\r\n"
              "<Must_Be_Checked>YES</Must_Be_Checked>\r\n<Skipped>YES</Skipped>\r\n"
              "<Site_Name>Beta</Site_Name>\r\n<Category>-</Category>\r\n<Submitted></Submitted>\r\n"
              "<Version_Submitted></Version_Submitted>\r\n<Version_Listed></Version_Listed>\r\n"
              "<Listed></Listed>\r\n<Downloads></Downloads>\r\n<Site_Rating></Site_Rating>\r\n"
              "<User_Rating></User_Rating>\r\n<Votes></Votes>\r\n<Skipped>NO</Skipped>");
    SiteTable reread = TableOf({"Alpha", "Beta"});
    SiteStatusFile(reread).Load(dir.Path());
    EXPECT_EQ(reread.sites[0].Category, "Utilities");
    EXPECT_EQ(reread.sites[0].Submitted, "45000.25");
    EXPECT_TRUE(reread.sites[0].Skipped);
    EXPECT_EQ(reread.sites[0].MustBeChecked, "YES");
}

TEST(SiteStatusTest, AnEmptyStatusNeverOverwritesResults)
{
    testsupport::TempDir dir;
    const std::string results = "<Site_Name>Alpha</Site_Name>\r\n<Listed>YES</Listed>";
    dir.Write("sites.dat", results);
    SiteTable table = TableOf({"Alpha"});
    table.sites[0].Category = "Games"; // a category alone is no result
    ASSERT_OK(SaveSites(table, dir.Path()));
    EXPECT_EQ(testsupport::ReadBytes(dir / "sites.dat"), results);

    testsupport::TempDir fresh;
    ASSERT_OK(SaveSites(table, fresh.Path()));
    EXPECT_NE(testsupport::ReadBytes(fresh / "sites.dat").find("<Category>Games</Category>"),
              std::string::npos);
}

TEST(SiteStatusTest, SubmittedColumnLeavesOutMidnight)
{
    EXPECT_EQ(SubmittedColumnText(""), "");
    EXPECT_EQ(SubmittedColumnText("-"), "");
    const std::string midnight = SubmittedColumnText("45000");
    const std::string noon = SubmittedColumnText("45000,5");
    EXPECT_FALSE(midnight.empty());
    EXPECT_EQ(noon.substr(0, midnight.size()), midnight);
    EXPECT_GT(noon.size(), midnight.size());
}

} // namespace
} // namespace listrider::sites
