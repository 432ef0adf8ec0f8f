#include <mutex>

#include <gtest/gtest.h>

#include "companion_fixtures.h"
#include "companions/stats_results.h"
#include "companions/stats_tracker.h"
#include "engine/macro_resolver.h"
#include "engine/script_fixtures.h"
#include "store/file_io.h"
#include "support/recording_http_server.h"
#include "support/temp_dir.h"

namespace listrider::companions {
namespace {

using engine::testing::SetMember;
using testing::AddSite;
using testing::WebStepLines;
using testsupport::RecordedRequest;
using testsupport::Reply;

class RecordingStatsView final : public StatsView
{
public:
    void RowChanged(const StatRow& row) override
    {
        std::lock_guard lock(mutex);
        images.push_back(row.site + " " + std::to_string(row.image));
    }

    void ShowCurrentSite(std::string_view, std::string_view) override {}

    void ShowProgress(int, std::string_view text) override
    {
        std::lock_guard lock(mutex);
        progress.emplace_back(text);
    }

    void ShowSummary(const StatsSummary& shown) override
    {
        std::lock_guard lock(mutex);
        summary = shown;
    }

    std::mutex mutex;
    std::vector<std::string> images;
    std::vector<std::string> progress;
    StatsSummary summary;
};

// A search result page that shows the version, and the downloads split in thousands and units.
constexpr const char* kResultPage =
    "<html><h1>Results</h1><td>Photo Resizer Deluxe</td><td>Version: 2.1 (Win)</td>"
    "<td>Downloads: 1,<b>234</b></td></html>";

class StatsTrackerTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        inputs.workspace = dir.Path();
        inputs.scratchDir = dir.Path() / "Temp12345";
        inputs.productFolder = dir.Path() / "Products" / "Acme" / "Resizer";
        std::filesystem::create_directories(inputs.productFolder);
        std::filesystem::create_directories(dir.Path() / "Submits");
        inputs.table = &table;
        inputs.values = engine::testing::SampleValues();
        inputs.rows = &rows;
        inputs.config = testing::TestConfig();
        inputs.today = {2024, 3, 9};
        server.Route("/search", [](const RecordedRequest&) { return Reply{200, {}, kResultPage}; });
        server.Route("/empty", [](const RecordedRequest&) {
            return Reply{200, {}, "<html>No programs found</html>"};
        });
    }

    sites::SitesR& StatsSite(const std::string& name, const std::string& path, const std::string& statsInfo)
    {
        sites::SitesR& site = AddSite(table, name);
        site.Stats = true;
        for (const char c : statsInfo) {
            site.StatsInfo[static_cast<std::size_t>(c - '0')] = true;
        }
        SetMember(site,
                  "150",
                  WebStepLines(server.HostPort(),
                               path,
                               "GET",
                               {{"", ""}, {"q", "|ProgramNameSpecial|"}},
                               151,
                               "Results",
                               -2));
        return site;
    }

    StatsOutcome Run()
    {
        rows = FillStatList(table, false, {});
        for (StatRow& row : rows) {
            row.checked = true;
        }
        TStats stats(inputs, view, control);
        return stats.Execute();
    }

    sites::SitesR& Record(const std::string& name)
    {
        return table.sites[static_cast<std::size_t>(sites::FindDBIndex(table, name))];
    }

    testsupport::TempDir dir;
    testsupport::RecordingHttpServer server;
    sites::SiteTable table;
    std::vector<StatRow> rows;
    StatsInputs inputs;
    RecordingStatsView view;
    engine::RunControl control;
};

TEST_F(StatsTrackerTest, StoresTheVersionAndTheDownloadsJoinedAndCleaned)
{
    sites::SitesR& site = StatsSite("Counter", "/search", "12");
    site.StatsSum = "2,1";
    SetMember(site, "zam", {",", "", ""}); // the list file ends with its empty replacement line
    SetMember(site,
              "151",
              WebStepLines(server.HostPort(),
                           "/search",
                           "GET",
                           {},
                           -1,
                           "",
                           -2,
                           {"EXTRACTVERSION",
                            "Version: |Custom1|",
                            "EXTRACTTEXT",
                            "Downloads: |Custom2|",
                            "EXTRACTTEXT",
                            ",<b> |Custom6|"}));
    const StatsOutcome outcome = Run();

    EXPECT_EQ(outcome.processed, 1u);
    EXPECT_EQ(outcome.withResult, 1u);
    EXPECT_EQ(site.Listed, "YES");
    EXPECT_EQ(site.VersionListed, "2.1");
    EXPECT_EQ(site.Downloads, "1234") << "1, then 234, joined; the replacement removed the comma";
    EXPECT_EQ(rows.at(0).downloads, "1234");
    EXPECT_EQ(rows.at(0).siteRating, kNotSupplied);
    EXPECT_FALSE(rows.at(0).checked);
    EXPECT_EQ(view.summary.totalDownloads, 1234);
    EXPECT_EQ(view.progress.back(), "100% Complete");
    // Empty pairs stay in the query; the product name is sent with %20 for spaces.
    EXPECT_EQ(server.Requests().at(0).target, "/search?=&q=Photo%2520Resizer%2520Deluxe");
    const std::filesystem::path folder = dir.Path() / "Submits" / "Photo Resizer Deluxe_09-03-2024_STAT";
    EXPECT_TRUE(std::filesystem::exists(folder / "Counter.htm1"));
    EXPECT_TRUE(std::filesystem::exists(folder / "Counter.htm2"));
    const std::string status = store::LoadFileAsString(inputs.productFolder / "sites.dat");
    EXPECT_NE(status.find("1234"), std::string::npos) << "the status is saved after the site";
}

TEST_F(StatsTrackerTest, NotListedClearsTheValuesAnErrorKeepsThem)
{
    StatsSite("Missing", "/empty", "12");
    StatsSite("Broken", "/gone", "12");
    SetMember(StatsSite("Unknown", "/search", "12"),
              "151",
              WebStepLines(server.HostPort(), "/search", "GET", {}, -1, ""));
    for (const char* name : {"Missing", "Broken"}) {
        Record(name).Listed = "YES";
        Record(name).VersionListed = "1.0";
        Record(name).Downloads = "77";
    }
    Run();

    EXPECT_EQ(Record("Missing").Listed, "NO");
    EXPECT_EQ(Record("Missing").VersionListed, "");
    EXPECT_EQ(Record("Missing").Downloads, "");
    // A 404 page says nothing about the listing.
    EXPECT_EQ(Record("Broken").Listed, "YES");
    EXPECT_EQ(Record("Broken").Downloads, "77");
    EXPECT_EQ(Record("Unknown").VersionListed, "Unknown");
    EXPECT_EQ(view.images,
              (std::vector<std::string>{
                  "Broken 4", "Broken 5", "Missing 4", "Missing 0", "Unknown 4", "Unknown 0"}));
}

TEST_F(StatsTrackerTest, AStopEndsTheRunAtTheNextSite)
{
    StatsSite("A Site", "/stop", "1");
    StatsSite("B Site", "/search", "1");
    server.Route("/stop", [this](const RecordedRequest&) {
        control.RequestStop();
        return Reply{200, {}, "Results"};
    });
    const StatsOutcome outcome = Run();

    EXPECT_TRUE(outcome.stopped);
    EXPECT_EQ(server.Requests().size(), 1u);
    EXPECT_EQ(Record("B Site").Listed, "");
}

TEST(StatsResultsTest, JoinsPiecesAsTextsAndClampsTheSum)
{
    engine::testing::ScriptRun run;
    const int position = run.AddSite("Pieces");
    sites::SitesR& site = run.Site(position);
    site.StatsInfo[2] = true;
    site.StatsSum = "2,3";
    run.Prepare();
    run.StartAt(position);
    engine::CustomValues& values = run.Values().custom;
    values[1] = "1,";
    values[5] = "234";
    values[6] = "";
    values[7] = "5";
    StoreStatsResult(run.Values(), site);
    EXPECT_EQ(site.Downloads, "1,2345") << "joined as texts, not added";
    EXPECT_EQ(site.Listed, "YES");

    // A sum beyond the ten values reaches no further than value 10.
    site.StatsSum = "1,9";
    values = {};
    values[0] = "v";
    values[9] = "10";
    StoreStatsResult(run.Values(), site);
    EXPECT_EQ(site.VersionListed, "v10");

    site.Listed = "YES";
    StoreStatsFailure(site, true);
    EXPECT_EQ(site.Listed, "YES");
    StoreStatsFailure(site, false);
    EXPECT_EQ(site.Listed, "NO");
    EXPECT_EQ(site.VersionListed, "");
}

} // namespace
} // namespace listrider::companions
