#include <gtest/gtest.h>

#include "engine/run_lists_file.h"
#include "store/file_io.h"
#include "support/result_matchers.h"
#include "support/temp_dir.h"

namespace listrider::engine {
namespace {

SubmissionState SampleState()
{
    SubmissionState state;
    state.page1.details = {{"10:00:02", "Alpha - Soft", "Submitting new - program", "Done"},
                           {"10:00:01", "Beta", "", "Failed"}};
    state.page1.log = {{"10:00:02", "Alpha - Soft", "Done"}};
    state.page3.details = {{"11:00:00", "Beta", "Entering login\r\ninformation", "Error"}};
    state.page3.log = {{"11:00:00", "Beta", "Error"}, {"10:59:00", "Gamma", " "}};
    state.pending = {"Beta"};
    state.httpErrors = {"Beta", "Service Unavailable"};
    state.report.FromArray({3, 1, 3725, 1, 9, 4096, 20480});
    state.failedSites = 2;
    state.lastOutcome = Outcome::Abort;
    state.page = WizardPage::ErrorsReport;
    return state;
}

TEST(RunListsFileTest, ListsComeBackAsTheRunLeftThem)
{
    testsupport::TempDir dir;
    const SubmissionState state = SampleState();
    ASSERT_OK(SaveRunLists(dir.Path(), state));
    const store::Result<SubmissionState> loaded = LoadRunLists(dir.Path());
    ASSERT_OK(loaded);
    const SubmissionState& back = loaded.Value();
    EXPECT_EQ(back.page1.details, state.page1.details);
    EXPECT_EQ(back.page1.log, state.page1.log);
    // A line break inside a text cannot come back: it is read as a space.
    ASSERT_EQ(back.page3.details.size(), 1u);
    EXPECT_EQ(back.page3.details[0].action, "Entering login  information");
    EXPECT_EQ(back.page3.log, state.page3.log);
    EXPECT_EQ(back.pending, state.pending);
    EXPECT_EQ(back.httpErrors, state.httpErrors);
    EXPECT_EQ(back.report, state.report);
    EXPECT_EQ(back.failedSites, 2);
    EXPECT_EQ(back.lastOutcome, Outcome::Abort);
    EXPECT_EQ(back.page, WizardPage::ErrorsReport);
}

TEST(RunListsFileTest, MissingAndDamagedFiles)
{
    testsupport::TempDir dir;
    EXPECT_ERROR_KIND(LoadRunLists(dir.Path()), store::ErrorKind::NotFound);

    ASSERT_OK(SaveRunLists(dir.Path(), SampleState()));
    const std::string good = store::LoadFileAsString(dir / kRunListsFile);

    const struct
    {
        const char* what;
        std::string text;
    } cases[] = {
        {"another file", "Result.txt\r\n"},
        {"a row cut short", "Listrider run lists 1\r\ndetails1 3\r\na\r\nb\r\nc"},
        {"a count past the end", "Listrider run lists 1\r\npending 5\r\nBeta"},
        {"a counter that is no number",
         good.substr(0, good.find("report 7")) + "report 7\r\n1\r\n2\r\nx\r\n4\r\n5\r\n6\r\n7"},
    };

    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        ASSERT_OK(store::SaveStringToFile(dir / kRunListsFile, c.text));
        EXPECT_ERROR_KIND(LoadRunLists(dir.Path()), store::ErrorKind::Malformed);
    }

    // A section of a later version is passed over.
    ASSERT_OK(store::SaveStringToFile(dir / kRunListsFile,
                                      "Listrider run lists 1\r\nfuture 2\r\nx\r\ny\r\npending 1\r\nBeta"));
    const store::Result<SubmissionState> loaded = LoadRunLists(dir.Path());
    ASSERT_OK(loaded);
    EXPECT_EQ(loaded.Value().pending, std::vector<std::string>{"Beta"});
}

TEST(RunListsFileTest, AStep2JournalGetsTheStep1RowsAndCounters)
{
    const SubmissionState saved = SampleState();

    SubmissionState fromStep2;
    fromStep2.page = WizardPage::NewPasswords;
    fromStep2.page1.log = {{"10:00:02", "Alpha - Soft", "Done"}};
    CarryOverStep1(saved, fromStep2);
    EXPECT_EQ(fromStep2.page1.details, saved.page1.details);
    EXPECT_EQ(fromStep2.report, saved.report);

    // A Step 3 journal keeps its own counters; rows the state has are kept.
    SubmissionState fromStep3;
    fromStep3.page = WizardPage::FinalSubmit;
    fromStep3.report.FromArray({4, 2, 4000, 1, 12, 5000, 30000});
    const ReportCounters own = fromStep3.report;
    CarryOverStep1(saved, fromStep3);
    EXPECT_EQ(fromStep3.page1.details, saved.page1.details);
    EXPECT_EQ(fromStep3.report, own);

    SubmissionState inMemory;
    inMemory.page1.details = {{"09:00:00", "Delta", "Submitting new", "Done"}};
    CarryOverStep1(saved, inMemory);
    ASSERT_EQ(inMemory.page1.details.size(), 1u);
    EXPECT_EQ(inMemory.page1.details[0].site, "Delta");
}

} // namespace
} // namespace listrider::engine
