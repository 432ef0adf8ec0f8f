#include <array>

#include <gtest/gtest.h>
#include <libxml/parser.h>

#include "catalogue/operating_systems.h"
#include "companion_fixtures.h"
#include "companions/stats_export.h"
#include "companions/stats_list.h"
#include "companions/stats_suitability.h"

namespace listrider::companions {
namespace {

sites::SitesR& StatsSite(sites::SiteTable& table, const std::string& name, const std::string& info)
{
    sites::SitesR& site = testing::AddSite(table, name);
    site.Stats = true;
    for (const char c : info) {
        site.StatsInfo[static_cast<std::size_t>(c - '0')] = true;
    }
    return site;
}

TEST(StatsListTest, ListsTheSitesWithStatsSortedAndMarksWhatTheyDoNotSupply)
{
    sites::SiteTable table;
    StatsSite(table, "Zeta", "12").Downloads = "10";
    testing::AddSite(table, "NoStats").Downloads = "99";
    sites::SitesR& alpha = StatsSite(table, "Alpha", "2");
    alpha.VersionListed = "1.0";
    alpha.Downloads = "5";
    StatsSite(table, "Hidden", "1");

    const auto notHidden = [](const sites::SitesR& site) {
        return site.Name != "Hidden";
    };
    const std::vector<StatRow> rows = FillStatList(table, true, notHidden);
    ASSERT_EQ(rows.size(), 2u);
    EXPECT_EQ(rows[0].site, "Alpha");
    EXPECT_EQ(rows[0].versionListed, kNotSupplied);
    EXPECT_EQ(rows[0].downloads, "5");
    EXPECT_EQ(rows[1].site, "Zeta");
    EXPECT_EQ(rows[1].votes, kNotSupplied);
    EXPECT_EQ(FillStatList(table, false, notHidden).size(), 3u)
        << "auto-hide off shows every site with stats";
}

TEST(StatsListTest, AutoHideLeavesOutTheSitesThatDoNotSuitTheProduct)
{
    sites::SiteTable table;
    for (const auto& [name, os, accepts] :
         std::initializer_list<std::array<const char*, 3>>{{"Good", "Windows", "All"},
                                                           {"Free", "Windows", "Freeware only"},
                                                           {"Mac", "Mac", "All"},
                                                           {"Blocked", "ALL", "All"}}) {
        sites::SitesR& site = StatsSite(table, name, "1");
        site.OsSupport = os;
        site.Accepts = accepts;
    }
    catalogue::Product product;
    product.program.type = "Shareware";
    product.program.os = catalogue::DecodeOsList("WinXP");
    const std::vector<std::string> blacklist = {"Blocked"};

    const std::vector<StatRow> rows = FillStatList(table, true, StatsSuitabilityFor(product, blacklist));
    ASSERT_EQ(rows.size(), 1u);
    EXPECT_EQ(rows[0].site, "Good");
}

TEST(StatsListTest, SummarisesDownloadsListingsAndTheLatestVersion)
{
    sites::SiteTable table;
    sites::SitesR& a = StatsSite(table, "A", "12");
    a.Downloads = "1,234";
    a.Listed = "YES";
    a.VersionListed = "2.0";
    sites::SitesR& b = StatsSite(table, "B", "12");
    b.Downloads = "56";
    b.Listed = "YES";
    b.VersionListed = "2.1";
    StatsSite(table, "C", "12").Downloads = "many";
    StatsSite(table, "D", "1").Downloads = "1000"; // does not supply downloads
    const std::vector<StatRow> rows = FillStatList(table, false, {});

    const StatsSummary summary = RefreshSummaries(rows, table, "2.1");
    EXPECT_EQ(summary.totalDownloads, 1290);
    EXPECT_EQ(summary.listedOn, 2u);
    EXPECT_EQ(summary.latestVersionListedOn, 1u);
    EXPECT_EQ(summary.shownSites, 4u);
    EXPECT_EQ(OfSites(summary.listedOn, summary.shownSites), "2 of 4 sites");
}

TEST(StatsExportTest, NamesTheFileAfterTheChosenNameAndFilter)
{
    const struct
    {
        const char* chosen;
        StatsFormat filter;
        const char* written;
    } cases[] = {
        {"stats", StatsFormat::Xml, "stats.xml"},
        {"stats", StatsFormat::Html, "stats.html"},
        {"stats.", StatsFormat::Xml, "stats.xml"},
        {"REPORT.HTML", StatsFormat::Xml, "REPORT.HTML"},
        {"report.Xml", StatsFormat::Html, "report.Xml"},
    };

    for (const auto& c : cases) {
        EXPECT_EQ(StatsExportName(c.chosen, c.filter), c.written) << c.chosen;
    }
    EXPECT_EQ(StatsSuggestedName("Zipper", "1.0", {2024, 3, 9}), "Zipper_1.0_Stats_09-Mar-2024.");
    EXPECT_EQ(StatsFormatOf("a.XML"), StatsFormat::Xml);
    EXPECT_EQ(StatsFormatOf("a.html"), StatsFormat::Html);
}

TEST(StatsExportTest, TheXmlIsWellFormedWhateverTheSitesReturned)
{
    std::vector<StatRow> rows(2);
    rows[0] = {
        "Tom & Jerry's <Soft>", "YES", "1.0", "1.0 <beta>", "1,234", "5/5", "\"good\"", "---", false, 0};
    rows[1] = {"Plain", "NO", "1.0", "", "", "", "", "\x01", false, 0};
    const StatsReport report{"Zip <Pro>", "1.0", rows, {1234, 1, 1, 2}, {{2024, 3, 9}, 10, 20, 30}};
    const std::string xml = StatsXml(report);

    xmlDocPtr doc =
        xmlReadMemory(xml.data(), static_cast<int>(xml.size()), "stats.xml", nullptr, XML_PARSE_NONET);
    EXPECT_NE(doc, nullptr) << xml;
    xmlFreeDoc(doc);
    EXPECT_NE(xml.find("        <SITE>\r\n            <Name>Tom &amp; Jerry&#39;s &lt;Soft&gt;</Name>\r\n"),
              std::string::npos)
        << xml;
    EXPECT_NE(xml.find("<Number_of_Votes></Number_of_Votes>"), std::string::npos)
        << "a \"---\" cell is empty";
    EXPECT_NE(xml.find("<STATS_DATE>09 March 2024</STATS_DATE>"), std::string::npos);
    EXPECT_NE(xml.find("<Listed_On>1 of 2 sites</Listed_On>"), std::string::npos);

    const std::string html = StatsHtml(report);
    EXPECT_NE(html.find("charset=windows-1252"), std::string::npos);
    EXPECT_NE(html.find("<title>Listrider Stats report for Zip &lt;Pro&gt; 1.0</title>"), std::string::npos);
    EXPECT_NE(html.find("<tr bgcolor=\"#91E3BE\">\r\n<td>Tom &amp; Jerry&#39;s &lt;Soft&gt;</td>"),
              std::string::npos)
        << html;
    EXPECT_NE(html.find("<tr bgcolor=\"#D5E9FF\">\r\n<td>Plain</td>"), std::string::npos);
    EXPECT_NE(html.find("Listrider Stats Report was created 09 Mar 2024  10:20:30"), std::string::npos);
}

} // namespace
} // namespace listrider::companions
