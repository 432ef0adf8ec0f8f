#include <map>

#include <gtest/gtest.h>

#include "catalogue/operating_systems.h"
#include "sites/site_database_builder.h"
#include "sites/site_integrity.h"
#include "sites/site_source.h"
#include "sites/sites_page.h"
#include "store/date_time.h"
#include "support/result_matchers.h"
#include "support/temp_dir.h"

namespace listrider::sites {
namespace {

const store::SiteKey kKey{"LR-SiteData-7316", "Korvane"};
const double kToday = store::DateTimeNumber({2024, 5, 20}, 12);

catalogue::OsSelection Os(std::initializer_list<std::string_view> captions)
{
    catalogue::OsSelection selection;
    for (const std::string_view caption : captions) {
        selection.ticked[catalogue::FindOs(caption)] = true;
    }
    return selection;
}

// The site list database, loaded as start-up loads it, with the page's settings.
class SitesPageTest : public ::testing::Test
{
protected:
    SitesPageTest()
        : m_scratch(m_workspace.Path())
        , m_packages(m_workspace.Path(), m_scratch)
    {}

    void SetUp() override
    {
        store::Result<SiteDatabaseSource> source = ReadSiteSource(LISTRIDER_TEST_DATA "/sites/sitelist");
        ASSERT_OK(source);
        ASSERT_OK(BuildSiteDatabase(source.Value(), m_workspace.Path(), kKey));
        LoadSitesPageSettings(m_page, m_workspace.Path(), kToday);
        m_table = LoadSites(m_workspace.Path());
        m_packages.LoadStartupSites(m_table, nullptr);
        m_page.fastCategories.LoadFastCats(m_workspace.Path());
        CheckSitesComplexity(m_table, m_workspace.Path());
        ASSERT_EQ(m_table.sites.size(), 13u);
        m_prefs.autocheck = true;
        m_prefs.blacklist = {"Blocked Site"};
        for (SitesR& site : m_table.sites) {
            site.Category = "-";
            site.Submitted.clear();
        }
    }

    SitesR& Record(std::string_view name)
    {
        return m_table.sites[static_cast<std::size_t>(FindDBIndex(m_table, name))];
    }

    void Show(catalogue::ProductEditor& editor)
    {
        const SitesPageContext context{m_workspace.Path(), m_table, m_packages, editor, m_prefs, kToday};
        ProductOpened(m_page, context);
        ShowSitesPage(m_page, context);
    }

    std::map<std::string, int> Marks() const
    {
        std::map<std::string, int> marks;
        for (const SiteRow& row : m_page.list.Rows()) {
            marks[row.name] = row.image;
        }
        return marks;
    }

    std::string CategoryCell(std::string_view name)
    {
        SiteRow* row = m_page.list.FindRow(name);
        return row == nullptr ? "<no row>" : *m_page.list.Cell(*row, ColumnDatum::Category);
    }

    testsupport::TempDir m_workspace;
    ScratchDir m_scratch;
    SitePackages m_packages;
    SiteTable m_table;
    SitesPage m_page;
    store::Prefs m_prefs;
};

TEST_F(SitesPageTest, WindowsSharewareProduct)
{
    catalogue::ProductEditor editor;
    catalogue::Product& product = editor.product;
    product.program.type = "Shareware";
    product.program.version = "2.1";
    product.program.os = Os({"Windows 2000", "Windows XP"});
    product.category.padSpecificCategory = "Utilities";
    product.category.fastCategory = "Utilities - Disk Tools";
    product.affiliates.linksPage = "http://diskwizard.example/links.html";
    product.affiliates.regNowId = "1234-1";
    Record("Alpha Downloads").Listed = "YES";
    Record("Shareware Only").Submitted = store::FormatDateTimeNumber(kToday - 5, '.');
    Record("Shareware Only").VersionSubmitted = "2.0";
    Record("Resubmit Site").Submitted = store::FormatDateTimeNumber(kToday - 8, '.');
    Record("Resubmit Site").VersionSubmitted = "2.1";
    Record("Must Check").MustBeChecked = "YES";

    Show(editor);
    EXPECT_EQ(Marks(),
              (std::map<std::string, int>{{"Aff Club", 0},
                                          {"Alpha Downloads", 0},
                                          {"Excluded Site", 1},
                                          {"Free Corner", 2},
                                          {"Game Zone", 2},
                                          {"German Site", 0},
                                          {"Link Lovers", 0},
                                          {"Must Check", 0},
                                          {"New Engine", 10},
                                          {"Palm Garden", 8},
                                          {"Resubmit Site", 13},
                                          {"Shareware Only", 14}}));
    EXPECT_EQ(m_page.list.CheckedSites(), (std::vector<std::string>{"Must Check"}));
    EXPECT_EQ(m_page.counters, (SiteCounters{12, 13, 1, 1}));
    EXPECT_EQ(CategoryCell("Alpha Downloads"), "Disk Utilities");
    EXPECT_EQ(CategoryCell("Palm Garden"), "Palm Software");
    EXPECT_EQ(CategoryCell("Excluded Site"), "-");
    EXPECT_EQ(m_page.fastCategories.Chosen(), "Utilities - Disk Tools");

    // Showing the page again with the same fast category keeps what the user chose since.
    Record("Alpha Downloads").Category = "Office";
    ShowSitesPage(m_page, {m_workspace.Path(), m_table, m_packages, editor, m_prefs, kToday});
    EXPECT_EQ(Record("Alpha Downloads").Category, "Office");

    m_prefs.hideUnSuitable = true;
    ShowSitesPage(m_page, {m_workspace.Path(), m_table, m_packages, editor, m_prefs, kToday});
    EXPECT_EQ(m_page.counters.showing, 5u);
}

TEST_F(SitesPageTest, FreewarePalmProduct)
{
    catalogue::ProductEditor editor;
    catalogue::Product& product = editor.product;
    product.program.type = "Freeware";
    product.program.version = "1.0";
    product.program.os = Os({"Palm OS 3.1"});
    product.category.padSpecificCategory = "Games";
    product.category.fastCategory = "Games - Puzzle";

    Show(editor);
    EXPECT_EQ(Marks(),
              (std::map<std::string, int>{{"Aff Club", 3},
                                          {"Alpha Downloads", 8},
                                          {"Excluded Site", 0},
                                          {"Free Corner", 0},
                                          {"Game Zone", 0},
                                          {"German Site", 9},
                                          {"Link Lovers", 9},
                                          {"Must Check", 0},
                                          {"New Engine", 10},
                                          {"Palm Garden", 0},
                                          {"Resubmit Site", 0},
                                          {"Shareware Only", 2}}));
    EXPECT_TRUE(m_page.list.CheckedSites().empty());
    EXPECT_EQ(m_page.counters, (SiteCounters{12, 13, 0, 0}));
    // The Palm product takes the site's Palm category for the fast category's top group.
    EXPECT_EQ(CategoryCell("Palm Garden"), "Palm Games & Puzzles");
    EXPECT_EQ(CategoryCell("Excluded Site"), "General");
    EXPECT_EQ(m_page.list.BackLinks(),
              (std::vector<std::string>{" -= ALL SITES =- ", "German Site", "Link Lovers"}));

    // No fast category: nothing is left out.
    product.category.fastCategory = "none";
    ShowSitesPage(m_page, {m_workspace.Path(), m_table, m_packages, editor, m_prefs, kToday});
    EXPECT_EQ(m_page.fastCategories.Chosen(), kNoFastCategoryEntry);
    EXPECT_TRUE(m_page.fastCategories.Exclusions().empty());
}

} // namespace
} // namespace listrider::sites
