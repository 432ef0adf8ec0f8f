#include <gtest/gtest.h>

#include "sites/site_list.h"
#include "sites/site_sort.h"
#include "store/date_time.h"

namespace listrider::sites {
namespace {

std::vector<std::string> Order(const SiteList& list)
{
    std::vector<std::string> names;
    for (const SiteRow& row : list.Rows()) {
        names.push_back(row.name);
    }
    return names;
}

class SiteSortTest : public ::testing::Test
{
protected:
    SiteSortTest()
    {
        const double yesterday = store::DateTimeNumber({2024, 4, 30}, 10);
        const double lastYear = store::DateTimeNumber({2023, 5, 1});

        struct Row
        {
            const char* name;
            std::string submitted;
            const char* versionListed;
            const char* downloads;
            const char* listed;
            const char* pad;
            const char* accountKind;
            const char* regNow;
            const char* language;
        };

        const Row rows[] = {
            {"Ann",
             store::FormatDateTimeNumber(lastYear, '.'),
             "1.0",
             "120",
             "NO",
             "YES",
             "n/a",
             "-",
             "English"},
            {"bob",
             store::FormatDateTimeNumber(yesterday, ','),
             "",
             "",
             "",
             "",
             "PASSWORD",
             "supported",
             "German"},
            {"Cid", "", "2.0", "9 downloads", "YES", "", "LOGINPASSWORD", "-", "English"},
            {"Dee", "", "1.0", "-3", "YES", "NO", "n/a", "Supported", "english"},
        };
        for (const Row& row : rows) {
            SitesR site;
            site.Name = row.name;
            site.Submitted = row.submitted;
            site.VersionListed = row.versionListed;
            site.Downloads = row.downloads;
            site.Listed = row.listed;
            site.PadSupport = row.pad;
            site.AccountKind = row.accountKind;
            site.RegNowAffiliate = row.regNow;
            site.Language = row.language;
            m_table.sites.push_back(site);
        }
        std::vector<ColumnsR> columns;
        for (const char* caption : {"Site Name",
                                    "Submitted",
                                    "Version Listed",
                                    "No. Downloads",
                                    "Program Listed",
                                    "PAD Submission",
                                    "Login",
                                    "RegNow Aff.",
                                    "Site Language"}) {
            columns.push_back({caption, "Y", "100"});
        }
        m_list.RefreshColumns(columns);
        const FilterSettings filter = ShowAllFilter(0);
        const catalogue::AccountsList accounts;
        m_list.RefreshSites(m_table, {filter, {}, accounts, "1.0", false});
    }

    SiteTable m_table;
    SiteList m_list;
};

TEST_F(SiteSortTest, EachCaptionFamilyHasItsOrder)
{
    const struct
    {
        const char* caption;
        std::vector<std::string> ascending;
    } cases[] = {
        {"Site Name", {"Ann", "bob", "Cid", "Dee"}},
        // The later date first, never-submitted sites last (ties by name).
        {"Submitted", {"bob", "Ann", "Cid", "Dee"}},
        // The greater text first, so empty texts come last.
        {"Version Listed", {"Cid", "Ann", "Dee", "bob"}},
        // Integer values: empty -1, "9 downloads" 9.
        {"No. Downloads", {"Dee", "bob", "Cid", "Ann"}},
        // "YES", then "NO", then empty.
        {"Program Listed", {"Cid", "Dee", "Ann", "bob"}},
        {"PAD Submission", {"Dee", "Ann", "Cid", "bob"}},
        // "-" before "n/a" (which counts as "ZZZZZ"); ties by name in byte order, "Dee" before "bob".
        {"Login", {"Cid", "Ann", "Dee", "bob"}},
        // "-" counts as "ZZZZZ"; "supported" and "Supported" are equal once upper-cased.
        {"RegNow Aff.", {"Dee", "bob", "Ann", "Cid"}},
        {"Site Language", {"Ann", "Cid", "Dee", "bob"}},
    };

    for (const auto& c : cases) {
        SCOPED_TRACE(c.caption);
        m_list.Sort() = SortOrder{};
        SitesColumnClick(m_list.Sort(), c.caption);
        if (std::string_view(c.caption) == "Site Name") {
            SitesColumnClick(m_list.Sort(), c.caption); // it was the sort column: back to ascending
        }
        EXPECT_TRUE(m_list.Sort().ascending);
        SortSites(m_list, m_table);
        EXPECT_EQ(Order(m_list), c.ascending);

        SitesColumnClick(m_list.Sort(), c.caption);
        EXPECT_FALSE(m_list.Sort().ascending);
        EXPECT_EQ(m_list.Sort().HeaderImage(), 7);
        SortSites(m_list, m_table);
        const std::vector<std::string> descending(c.ascending.rbegin(), c.ascending.rend());
        EXPECT_EQ(Order(m_list), descending);
    }
}

TEST_F(SiteSortTest, CompareNeverReportsEquality)
{
    SitesColumnClick(m_list.Sort(), "Site Language");
    const std::vector<SiteRow>& rows = m_list.Rows();
    for (const SiteRow& a : rows) {
        for (const SiteRow& b : rows) {
            const int forward = SitesCompare(m_list, m_table, a, b);
            EXPECT_TRUE(forward == -1 || forward == 1);
            if (a.name != b.name) {
                EXPECT_EQ(forward, -SitesCompare(m_list, m_table, b, a));
            }
        }
    }
    // "ENGLISH" ties for Ann, Cid and Dee: the names decide.
    const SiteRow* ann = m_list.FindRow("Ann");
    const SiteRow* dee = m_list.FindRow("Dee");
    EXPECT_EQ(SitesCompare(m_list, m_table, *ann, *dee), -1);
}

} // namespace
} // namespace listrider::sites
