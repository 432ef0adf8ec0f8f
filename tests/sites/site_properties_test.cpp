#include <gtest/gtest.h>

#include "sites/back_links.h"
#include "sites/category_search.h"
#include "sites/site_fixtures.h"
#include "sites/site_info.h"
#include "sites/site_properties.h"
#include "support/result_matchers.h"
#include "support/temp_dir.h"

namespace listrider::sites {
namespace {

catalogue::AccountRow Account(std::string site, std::string login = {}, std::string password = {})
{
    catalogue::AccountRow row;
    row.siteName = std::move(site);
    row.login = std::move(login);
    row.password = std::move(password);
    return row;
}

TEST(CategorySearchTest, FindsFromTheItemAfterTheSelectedOne)
{
    const std::vector<std::string> items = {"-", "Games", "Games: Arcade", "Utilities", "\xc8\xe3\xf0\xfb"};
    EXPECT_EQ(FindCategory(items, 0, "game"), 1);
    EXPECT_EQ(FindCategory(items, 1, "game"), 2);
    EXPECT_EQ(FindCategory(items, 2, "game"), 2); // nothing further: the selection stays
    EXPECT_EQ(FindCategory(items, -1, "\xe8\xe3\xf0"), 4);
    EXPECT_EQ(FindCategory(items, 0, ""), 0);

    EXPECT_EQ(FindCategoryByKeywords(items, 0, "arcade,games"), 2);
    EXPECT_EQ(FindCategoryByKeywords(items, 0, "  games  utilities"), 1); // ties: the first
    EXPECT_EQ(FindCategoryByKeywords(items, 2, "office"), 2);

    EXPECT_EQ(PadCategoryEntries(" Disk ,, Tools , ,Backup"),
              (std::vector<std::string>{"Disk", "Tools", "Backup"}));
}

TEST(SiteInfoTest, BoxesFollowTheSiteHeader)
{
    const struct
    {
        const char* accepts;
        bool all;
        bool games;
        bool freeware;
    } cases[] = {
        {"all", true, false, false},
        {"Games only", false, true, false},
        {"FREEWARE ONLY", false, false, true},
        {"Free games and demos", false, true, true},
        {"shareware only", false, false, false},
    };

    catalogue::AccountsList accounts;
    accounts.rows.push_back(Account("Site"));
    for (const auto& c : cases) {
        SCOPED_TRACE(c.accepts);
        SitesR site;
        site.Name = "Site";
        site.Accepts = c.accepts;
        site.RegNowAffiliate = "supported";
        site.Affiliate = "Requires one";
        const SiteInfo info = SiteInfoOf(site, accounts);
        EXPECT_EQ(info.all, c.all);
        EXPECT_EQ(info.games, c.games);
        EXPECT_EQ(info.freeware, c.freeware);
        EXPECT_TRUE(info.regNow && info.required && info.authorAccount);
        EXPECT_FALSE(info.regSoft || info.shareIt || info.eSellerate || info.categories);
    }
}

class SitePropertiesTest : public ::testing::Test
{
protected:
    SitePropertiesTest()
        : m_scratch(m_workspace.Path())
        , m_packages(m_workspace.Path(), m_scratch)
    {
        WritePackage(m_workspace.Path(),
                     "Alpha",
                     {{"Alpha.cat", "Games\r\n10\r\nGames: Arcade\r\n11\r\nUtilities\r\n20"},
                      {"Alpha.cod", "<a href=\"http://alpha.example/\">Alpha</a>"}});
        WritePackage(m_workspace.Path(), "Beta", {{"Beta.cod", "<a>Beta</a>\r\n<b>two lines</b>"}});
        WritePackage(m_workspace.Path(), "Gamma", {{"Gamma.sub", "x"}});
        WriteIndex(m_workspace.Path(), {"Alpha", "Beta", "Gamma"});
        m_table = LoadSites(m_workspace.Path());
        m_table.sites[0].HasCategories = true;
        m_table.sites[0].Category = "Utilities";
        m_table.sites[0].AccountKind = "LOGINPASSWORD";
        m_table.sites[0].LinkRequired = "YES";
        m_table.sites[1].LinkRequired = "YES";
        m_editor.accounts.rows = {Account("Alpha", "me", "pw")};
        m_editor.product.category.padSpecificCategory = "Games";
        m_editor.product.category.padCategories = "Arcade, Puzzle";
        m_list.RefreshColumns(DefaultColumns());
        const FilterSettings filter = ShowAllFilter(0);
        m_list.RefreshSites(m_table, {filter, {}, m_editor.accounts, "1.0", false});
    }

    testsupport::TempDir m_workspace;
    ScratchDir m_scratch;
    SitePackages m_packages;
    SiteTable m_table;
    SiteList m_list;
    catalogue::ProductEditor m_editor;
    SitePropertiesMemory m_memory;
};

TEST_F(SitePropertiesTest, ChoosesACategoryAndKeepsTheAccount)
{
    store::Result<SiteProperties> opened =
        OpenSiteProperties(m_table, m_packages, "Alpha", m_editor, m_memory);
    ASSERT_OK(opened);
    SiteProperties& dialog = opened.Value();
    EXPECT_EQ(dialog.categories, (std::vector<std::string>{"-", "Games", "Games: Arcade", "Utilities"}));
    EXPECT_EQ(dialog.selected, 3);
    EXPECT_TRUE(dialog.searchEnabled);
    EXPECT_EQ(dialog.padCategories, (std::vector<std::string>{"Arcade", "Puzzle"}));
    EXPECT_EQ(dialog.login, "me");
    EXPECT_TRUE(dialog.accountEnabled);

    ClearCategory(dialog);
    FindPadSpecificCategory(dialog);
    EXPECT_EQ(dialog.selected, 1);
    dialog.padCategory = "arcade";
    FindPadCategory(dialog);
    EXPECT_EQ(dialog.selected, 2);
    dialog.login = "new login";
    dialog.password = "";
    AcceptSiteProperties(dialog, m_table, m_list, m_editor, m_memory);

    EXPECT_EQ(m_table.sites[0].Category, "Games: Arcade");
    SiteRow* row = m_list.FindRow("Alpha");
    EXPECT_EQ(*m_list.Cell(*row, ColumnDatum::Category), "Games: Arcade");
    EXPECT_EQ(*m_list.Cell(*row, ColumnDatum::Login), "new login");
    EXPECT_EQ(m_editor.accounts.rows[0].login, "new login");
    EXPECT_TRUE(m_editor.modified);
    EXPECT_EQ(m_memory.padCategory, "arcade");

    // The next opening remembers the search; "-" is written back as "-".
    store::Result<SiteProperties> again =
        OpenSiteProperties(m_table, m_packages, "Alpha", m_editor, m_memory);
    ASSERT_OK(again);
    EXPECT_EQ(again.Value().selected, 2);
    EXPECT_EQ(again.Value().padCategory, "arcade");
    EXPECT_TRUE(SelectCategory(again.Value(), "-"));
    AcceptSiteProperties(again.Value(), m_table, m_list, m_editor, m_memory);
    EXPECT_EQ(m_table.sites[0].Category, "-");
}

TEST_F(SitePropertiesTest, SiteWithoutCategoriesOrAccount)
{
    m_table.sites[2].Category = "Untouched";
    store::Result<SiteProperties> opened =
        OpenSiteProperties(m_table, m_packages, "Gamma", m_editor, m_memory);
    ASSERT_OK(opened);
    SiteProperties& dialog = opened.Value();
    EXPECT_EQ(dialog.categories, (std::vector<std::string>{"--== Not Available ==--"}));
    EXPECT_FALSE(dialog.searchEnabled);
    EXPECT_EQ(dialog.login, "n/a");
    EXPECT_FALSE(dialog.accountEnabled);
    FindPadSpecificCategory(dialog);
    EXPECT_FALSE(SelectCategory(dialog, "--== Not Available ==--"));
    AcceptSiteProperties(dialog, m_table, m_list, m_editor, m_memory);
    EXPECT_EQ(m_table.sites[2].Category, "Untouched");

    EXPECT_ERROR_KIND(OpenSiteProperties(m_table, m_packages, "gamma", m_editor, m_memory),
                      store::ErrorKind::NotFound);
}

TEST_F(SitePropertiesTest, BackLinkCodesOfOneOrAllSites)
{
    EXPECT_EQ(m_list.BackLinks(), (std::vector<std::string>{" -= ALL SITES =- ", "Alpha", "Beta"}));
    EXPECT_EQ(BackLinkCode(m_table, m_packages, m_list, "Beta"), "<a>Beta</a>\r\n<b>two lines</b>");
    EXPECT_EQ(BackLinkCode(m_table, m_packages, m_list, " -= ALL SITES =- "),
              "<a href=\"http://alpha.example/\">Alpha</a>\r\n<a>Beta</a>\r\n<b>two lines</b>");
    EXPECT_EQ(BackLinkCode(m_table, m_packages, m_list, "Gamma"), "");
}

} // namespace
} // namespace listrider::sites
