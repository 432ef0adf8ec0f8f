#include <gtest/gtest.h>

#include "sites/column_set.h"
#include "sites/site_list.h"

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

SitesR Site(std::string name, std::string accountKind = "n/a")
{
    SitesR site;
    site.Name = std::move(name);
    site.AccountKind = std::move(accountKind);
    site.Submitted.clear();
    return site;
}

class SiteListTest : public ::testing::Test
{
protected:
    SiteListTest()
        : m_filter(ShowAllFilter(0))
    {
        SitesR alpha = Site("Alpha", "LOGINPASSWORD");
        alpha.HasCategories = true;
        alpha.Category = "Games";
        alpha.LinkRequired = "YES";
        alpha.Votes = "17";
        SitesR beta = Site("beta", "PASSWORD");
        beta.Affiliate = "Required";
        beta.RegNowAffiliate = "supported";
        beta.LinkRequired = "YES";
        SitesR gamma = Site("Gamma", "MAILPASSWORD");
        gamma.LinkRequired = "yes"; // only "YES" demands a link
        gamma.MustBeChecked = "YES";
        SitesR delta = Site("Delta", "SOMETHING");
        delta.MustBeChecked = "yes";
        SitesR echo = Site("Echo", "");
        echo.HasCategories = true;
        echo.Category = "-";
        m_table.sites = {alpha, beta, gamma, delta, echo};

        std::vector<ColumnsR> columns = DefaultColumns();
        columns.push_back({"Votes", "Y", "100"});
        columns[3].visible = "N"; // Accepts hidden
        m_list.RefreshColumns(columns);
        m_accounts.rows = {Account("Alpha", "me"), Account("BETA", "", "secret"), Account("Gamma")};
    }

    void Refresh(bool autocheck = false, std::vector<std::string> blacklist = {})
    {
        m_blacklist = std::move(blacklist);
        m_list.RefreshSites(m_table, {m_filter, m_blacklist, m_accounts, "1.0", autocheck});
    }

    std::string CellOf(std::string_view site, ColumnDatum datum)
    {
        SiteRow* row = m_list.FindRow(site);
        EXPECT_NE(row, nullptr) << site;
        const std::string* cell = row != nullptr ? m_list.Cell(*row, datum) : nullptr;
        return cell != nullptr ? *cell : "<no column>";
    }

    SiteTable m_table;
    FilterSettings m_filter;
    catalogue::AccountsList m_accounts;
    std::vector<std::string> m_blacklist;
    SiteList m_list;
};

TEST_F(SiteListTest, RowsShowTheBoundDataInTheVisibleColumns)
{
    Refresh();
    ASSERT_EQ(m_list.Columns().size(), 20u);
    EXPECT_EQ(m_list.Indexes().Of(ColumnDatum::Accepts), -1);
    EXPECT_EQ(m_list.Indexes().Of(ColumnDatum::Votes), 19);

    std::vector<std::string> names;
    for (const SiteRow& row : m_list.Rows()) {
        names.push_back(row.name);
        EXPECT_EQ(row.cells.size(), 19u);
    }
    // Sorted by "Site Name": upper-cased texts, so "beta" sits between "Alpha" and "Delta".
    EXPECT_EQ(names, (std::vector<std::string>{"Alpha", "beta", "Delta", "Echo", "Gamma"}));

    EXPECT_EQ(CellOf("Alpha", ColumnDatum::Category), "Games");
    EXPECT_EQ(CellOf("Echo", ColumnDatum::Category), "-");
    EXPECT_EQ(CellOf("beta", ColumnDatum::Category), "--== Not Available ==--");
    EXPECT_EQ(CellOf("Alpha", ColumnDatum::Votes), "17");
    EXPECT_EQ(CellOf("beta", ColumnDatum::Affiliate), "Required");
    EXPECT_EQ(CellOf("beta", ColumnDatum::RegNowAffiliate), "supported");
    EXPECT_EQ(CellOf("Alpha", ColumnDatum::Accepts), "<no column>");

    const struct
    {
        const char* site;
        const char* login;
        const char* password;
    } accounts[] = {{"Alpha", "-", "-"},
                    {"beta", "n/a", "-"},
                    {"Gamma", "-", "-"},
                    {"Delta", "", ""},
                    {"Echo", "n/a", "n/a"}};

    for (const auto& a : accounts) {
        SCOPED_TRACE(a.site);
        EXPECT_EQ(CellOf(a.site, ColumnDatum::Login), a.login);
        EXPECT_EQ(CellOf(a.site, ColumnDatum::Password), a.password);
    }

    ASSERT_EQ(m_list.CategoryRows().size(), 2u);
    EXPECT_EQ(m_list.CategoryRows()[0].site, "Alpha");
    EXPECT_EQ(m_list.CategoryRows()[1].category, "-");
}

TEST_F(SiteListTest, BlacklistedSitesLeaveOnlyTheSiteList)
{
    Refresh(false, {"beta", "Alpha"});
    EXPECT_EQ(m_list.FindRow("beta"), nullptr);
    EXPECT_EQ(m_list.FindRow("Alpha"), nullptr);
    EXPECT_EQ(m_list.Rows().size(), 3u);
    EXPECT_EQ(m_list.BackLinks(), (std::vector<std::string>{" -= ALL SITES =- ", "Alpha", "beta"}));
    ASSERT_EQ(m_list.AffiliateRows().size(), 1u);
    EXPECT_EQ(m_list.AffiliateRows()[0].site, "beta");
    EXPECT_TRUE(m_list.CategoryRows().size() == 1 && m_list.CategoryRows()[0].site == "Echo");
}

TEST_F(SiteListTest, FilteredSitesLeaveOnlyTheSiteList)
{
    m_filter.SetFlag(FilterFlag::Affiliate, false);
    Refresh();
    EXPECT_EQ(m_list.FindRow("beta"), nullptr);
    EXPECT_EQ(m_list.AffiliateRows().size(), 1u);
    EXPECT_EQ(m_list.BackLinks().size(), 3u);
}

TEST_F(SiteListTest, AutocheckChecksTheSitesToSelectAgain)
{
    Refresh(false);
    EXPECT_TRUE(m_list.CheckedSites().empty());
    Refresh(true);
    EXPECT_EQ(m_list.CheckedSites(), (std::vector<std::string>{"Gamma"}));
}

TEST_F(SiteListTest, PlacesTheAccountsWhenTheyAreMarked)
{
    Refresh();
    PlacePasswordstoSites(m_list, m_accounts);
    EXPECT_EQ(CellOf("Alpha", ColumnDatum::Login), "-"); // not marked: nothing placed
    m_accounts.copyToSiteList = true;
    m_accounts.rows[0].password.clear();
    PlacePasswordstoSites(m_list, m_accounts);
    EXPECT_FALSE(m_accounts.copyToSiteList);
    EXPECT_EQ(CellOf("Alpha", ColumnDatum::Login), "me");
    EXPECT_EQ(CellOf("Alpha", ColumnDatum::Password), "-");
    EXPECT_EQ(CellOf("beta", ColumnDatum::Login), "-");
    EXPECT_EQ(CellOf("beta", ColumnDatum::Password), "secret");
    EXPECT_EQ(CellOf("Delta", ColumnDatum::Login), "");

    ClearSiteRows(m_list);
    EXPECT_EQ(CellOf("Alpha", ColumnDatum::Login), "-");
    EXPECT_EQ(CellOf("Echo", ColumnDatum::Login), "n/a");
    EXPECT_EQ(CellOf("Alpha", ColumnDatum::Category), "-");
    EXPECT_EQ(CellOf("beta", ColumnDatum::Category), "--== Not Available ==--");
}

TEST_F(SiteListTest, RemovesARow)
{
    Refresh();
    EXPECT_TRUE(m_list.RemoveRow("Delta"));
    EXPECT_FALSE(m_list.RemoveRow("Delta"));
    EXPECT_EQ(m_list.Rows().size(), 4u);
}

} // namespace
} // namespace listrider::sites
