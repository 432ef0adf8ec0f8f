#include <gtest/gtest.h>

#include "engine/report_pages.h"
#include "engine/report_sources.h"
#include "sites/site_status.h"
#include "support/result_matchers.h"
#include "support/temp_dir.h"

namespace listrider::engine {
namespace {

SubmissionState FinishedRun()
{
    SubmissionState state;
    // Newest rows first, as the run pages keep them.
    state.page1.details = {{"10:00:03", "Beta", "Submitting new program", "Failed"},
                           {"10:00:02", "Alpha", "Submitting new program", "Done"},
                           {"10:00:01", "Alpha", "Loading login page", "Done"}};
    state.page1.log = {{"10:00:03", "Beta", "Failed"}, {"10:00:02", "Alpha", "Done"}};
    state.page3.details = {{"11:00:00", "Beta", "Submitting new program", "Done"}};
    state.httpErrors = {"Beta", "Service Unavailable"};
    state.pending = {"Beta"};
    state.report.FromArray({3, 2, 3725, 1, 5, 400, 9000});
    state.failedSites = 1;
    state.lastOutcome = Outcome::Error;
    state.resumeMode = true;
    state.page = WizardPage::Report;
    return state;
}

TEST(ReportPagesTest, TheStep5PageReadsBothRunPagesInTheOrderTheRowsWereMade)
{
    const Step5Page page = BuildStep5Page(FinishedRun(), {});
    // Beta failed in Step 1 and was done in Step 3: its last row counts.
    EXPECT_EQ(page.summary.successful,
              (std::vector<SummaryRow>{
                  {"Alpha", "Login page loaded successfully. New program information was submitted. "},
                  {"Beta", "New program information was submitted. "}}));
    EXPECT_TRUE(page.summary.failed.empty());
    EXPECT_EQ(page.totals.sitesSubmitted, 2);
    EXPECT_EQ(page.totals.percentage, "100%");
    EXPECT_EQ(page.totals.submissionTime, "01:02:05");
    EXPECT_EQ(page.totals.httpRequests, 5);
    EXPECT_EQ(page.totals.bytesReceived, 9000);
    EXPECT_EQ(page.totals.bytesSent, 400);
}

TEST(ReportPagesTest, PercentageRoundsHalvesToEven)
{
    ReportSummary summary;
    summary.successful = {{"A", ""}};
    summary.failed = {{"B", ""}, {"C", ""}, {"D", ""}, {"E", ""}, {"F", ""}, {"G", ""}, {"H", ""}};
    // 1 of 8 is 12.5%: the even 12.
    EXPECT_EQ(MakeReportTotals(summary, {}).percentage, "12%");
    summary.failed.resize(5);
    summary.skipped = {{"S", ""}, {"T", ""}};
    // 3 of 8 is 37.5%: the even 38.
    EXPECT_EQ(MakeReportTotals(summary, {}).percentage, "38%");
    EXPECT_EQ(MakeReportTotals(ReportSummary{}, {}).percentage, "0%");
}

TEST(ReportPagesTest, CompletingTheWizardEmptiesTheRunAndSavesTheStatus)
{
    testsupport::TempDir dir;
    sites::SiteTable table;
    sites::SitesR site;
    site.Name = "Alpha";
    table.sites.push_back(site);
    SubmissionState state = FinishedRun();
    ASSERT_OK(CompleteSubmission(state, table, dir.Path()));
    EXPECT_TRUE(state.page1.details.empty());
    EXPECT_TRUE(state.page1.log.empty());
    EXPECT_TRUE(state.page3.details.empty());
    EXPECT_TRUE(state.httpErrors.empty());
    EXPECT_TRUE(state.pending.empty());
    EXPECT_EQ(state.report, ReportCounters{});
    EXPECT_EQ(state.failedSites, 0);
    EXPECT_FALSE(state.resumeMode);
    EXPECT_EQ(state.page, WizardPage::MainSubmit);
    EXPECT_TRUE(std::filesystem::exists(dir / sites::kSiteStatusFile));
    const Step5Page after = BuildStep5Page(state, {});
    EXPECT_EQ(after.totals.sitesSubmitted, 0);
    EXPECT_EQ(after.totals.percentage, "0%");
}

} // namespace
} // namespace listrider::engine
