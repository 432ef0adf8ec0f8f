#include <gtest/gtest.h>

#include "sites/site_fixtures.h"
#include "sites/site_integrity.h"
#include "support/temp_dir.h"

namespace listrider::sites {
namespace {

TEST(SiteIntegrityTest, SitesWithoutAPackageAreReplacedByTheLastRecord)
{
    testsupport::TempDir workspace;
    std::vector<std::string> names;
    for (int i = 0; i < 10; ++i) {
        names.push_back("Site" + std::to_string(i));
        if (i != 3 && i != 9) {
            WritePackage(workspace.Path(), names.back(), {{names.back() + ".sub", "x"}});
        }
    }
    WriteIndex(workspace.Path(), names);
    SiteTable table = LoadSites(workspace.Path());
    CheckSitesComplexity(table, workspace.Path());

    ASSERT_EQ(table.sites.size(), 8u);
    EXPECT_EQ(table.sites[3].Name, "Site8");
    const std::vector<std::string> expected = {
        "Site0", "Site1", "Site2", "Site8", "Site4", "Site5", "Site6", "Site7"};
    for (std::size_t i = 0; i < expected.size(); ++i) {
        EXPECT_EQ(table.sites[i].Name, expected[i]);
    }
}

TEST(SiteIntegrityTest, UnreadableAndEmptyPackagesCountNoMembers)
{
    testsupport::TempDir workspace;
    WriteIndex(workspace.Path(), {"Garbage", "Empty", "OtherCase", "Directory", "Good"});
    workspace.Write("Sites/Garbage.dat", "not a zip");
    // An archive that is nothing but its end record: valid, with no members.
    workspace.Write("Sites/Empty.dat", std::string("PK\x05\x06", 4) + std::string(18, '\0'));
    WritePackage(workspace.Path(), "othercase", {{"OtherCase.sub", "x"}});
    std::filesystem::create_directories(workspace / "Sites" / "Directory.dat");
    WritePackage(workspace.Path(), "Good", {{"Good.sub", "x"}});

    SiteTable table = LoadSites(workspace.Path());
    CheckSitesComplexity(table, workspace.Path());
    ASSERT_EQ(table.sites.size(), 2u);
    EXPECT_EQ(table.sites[0].Name, "OtherCase");
    EXPECT_EQ(table.sites[1].Name, "Good");
}

} // namespace
} // namespace listrider::sites
