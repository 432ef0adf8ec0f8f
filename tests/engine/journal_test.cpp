#include <filesystem>

#include <gtest/gtest.h>

#include "engine/journal.h"
#include "engine/result_folder.h"
#include "support/result_matchers.h"
#include "support/temp_dir.h"

namespace listrider::engine {
namespace {

namespace fs = std::filesystem;
using testsupport::ReadBytes;

SubmissionState InterruptedRun()
{
    SubmissionState state;
    state.page1.log = {{"10:02", "Beta", " "}, {"10:01", "Alpha", "Done"}};
    state.page1.details = {{"10:02", "Beta", "Loading", " "}, {"10:01", "Alpha", "Sending", "Done"}};
    state.page1.counters = {2, 1, 1, 33};
    state.page3.log = {{"11:00", "Gamma", "Done"}};
    state.selected = {"Alpha", "Beta", "Gamma", "Delta"};
    state.position = 1;
    state.pending = {"Alpha"};
    state.httpErrors = {"Beta", "Not Found"};
    state.report = {1, 1, 42, 0, 3, 300, 4000};
    return state;
}

TEST(JournalTest, WritesTheSixFilesForEachPage)
{
    testsupport::TempDir dir;
    RunJournal journal(dir / "Resume");
    const SubmissionState state = InterruptedRun();
    ASSERT_OK(journal.Save(state, WizardPage::MainSubmit));
    const fs::path folder = dir / "Resume";
    RecoverJournal(folder); // what every reader does first
    EXPECT_EQ(ReadBytes(folder / "log.dat"),
              "10:02\r\nBeta\r\n \r\n10:01\r\nAlpha\r\nDone\r\n11:00\r\nGamma\r\nDone");
    EXPECT_EQ(ReadBytes(folder / "details.dat"),
              "10:02\r\nBeta\r\nLoading\r\n \r\n10:01\r\nAlpha\r\nSending\r\nDone");
    EXPECT_EQ(ReadBytes(folder / "sites.dat"), "Beta\r\nGamma\r\nDelta");
    EXPECT_EQ(ReadBytes(folder / "resume.dat"),
              "1\r\n2\r\n1\r\n1\r\n33\r\n1\r\n1\r\n42\r\n0\r\n3\r\n300\r\n4000");
    EXPECT_EQ(ReadBytes(folder / "pending.dat"), "Alpha");
    EXPECT_EQ(ReadBytes(folder / "httperrs.dat"), "Beta\r\nNot Found");

    ASSERT_OK(journal.Save(state, WizardPage::NewPasswords));
    RecoverJournal(folder);
    EXPECT_EQ(ReadBytes(folder / "resume.dat"), "2\r\n1\r\n1\r\n42\r\n0\r\n3\r\n300\r\n4000");
    ASSERT_OK(journal.Flush());
    ASSERT_OK(journal.Save(state, WizardPage::FinalSubmit));
    ASSERT_OK(journal.Flush());
    EXPECT_EQ(ReadBytes(folder / "pending.dat"), "");
    EXPECT_EQ(ReadBytes(folder / "details.dat"), "");
    EXPECT_EQ(ReadBytes(folder / "resume.dat").substr(0, 13), "3\r\n0\r\n0\r\n0\r\n0");
}

TEST(JournalTest, RestoresAPageOneRunInListOrder)
{
    testsupport::TempDir dir;
    RunJournal journal(dir / "Resume");
    ASSERT_OK(journal.Save(InterruptedRun(), WizardPage::MainSubmit));
    ASSERT_TRUE(HasResumeInfo(dir / "Resume"));

    SubmissionState restored;
    restored.page1.log = {{"old", "old", "old"}};
    const std::vector<std::string> list = {"Delta", "Alpha", "Beta", "Gamma"}; // Delta is first in the list
    ASSERT_OK(OpenResumeInfo(dir / "Resume", restored, list));
    EXPECT_TRUE(restored.resumeMode);
    EXPECT_EQ(restored.page, WizardPage::MainSubmit);
    EXPECT_EQ(restored.selected, (std::vector<std::string>{"Beta", "Gamma", "Delta"}));
    EXPECT_EQ(restored.checked, (std::vector<std::string>{"Delta", "Beta", "Gamma"}));
    EXPECT_EQ(restored.page1.counters, (PageCounters{2, 1, 1, 33}));
    EXPECT_EQ(restored.report, (ReportCounters{1, 1, 42, 0, 3, 300, 4000}));
    EXPECT_EQ(restored.pending, (std::vector<std::string>{"Alpha"}));
    EXPECT_EQ(restored.httpErrors, (std::vector<std::string>{"Beta", "Not Found"}));
    // log.dat holds both log lists one after the other; a page-1 restore puts all into Step 1's.
    ASSERT_EQ(restored.page1.log.size(), 3u);
    EXPECT_EQ(restored.page1.log[0], (LogRow{"10:02", "Beta", " "}));
    EXPECT_EQ(restored.page1.log[2], (LogRow{"11:00", "Gamma", "Done"}));
    EXPECT_EQ(restored.page1.details.size(), 2u);
}

TEST(JournalTest, RestoresPagesTwoAndThree)
{
    testsupport::TempDir dir;
    RunJournal journal(dir / "Resume");
    const SubmissionState state = InterruptedRun();
    const std::vector<std::string> list = {"Alpha", "Beta", "Gamma", "Delta"};

    ASSERT_OK(journal.Save(state, WizardPage::FinalSubmit));
    SubmissionState third;
    ASSERT_OK(OpenResumeInfo(dir / "Resume", third, list));
    EXPECT_EQ(third.page, WizardPage::FinalSubmit);
    EXPECT_EQ(third.page3.log.size(), 3u) << "every row of log.dat, the Step 1 rows included";
    EXPECT_TRUE(third.page1.log.empty());
    EXPECT_TRUE(third.pending.empty());

    ASSERT_OK(journal.Save(state, WizardPage::NewPasswords));
    SubmissionState second;
    second.page1.counters = {9, 9, 9, 9};
    ASSERT_OK(OpenResumeInfo(dir / "Resume", second, list));
    EXPECT_EQ(second.page, WizardPage::NewPasswords);
    EXPECT_EQ(second.page1.counters, (PageCounters{9, 9, 9, 9})) << "a page-2 journal restores no counters";
    EXPECT_EQ(second.report, ReportCounters{});
    EXPECT_EQ(second.pending, (std::vector<std::string>{"Alpha"}));
    EXPECT_EQ(second.page1.log.size(), 3u);
}

TEST(JournalTest, ABadPageLineStopsTheRestoreAfterThePendingList)
{
    testsupport::TempDir dir;
    dir.Write("Resume/resume.dat", "one\r\n");
    dir.Write("Resume/sites.dat", "Alpha");
    dir.Write("Resume/pending.dat", "Beta");
    dir.Write("Resume/log.dat", "10:00\r\nAlpha"); // truncated: the last row's fields are empty
    SubmissionState state;
    const std::vector<std::string> list = {"Alpha"};
    EXPECT_ERROR_KIND(OpenResumeInfo(dir / "Resume", state, list), store::ErrorKind::Malformed);
    EXPECT_EQ(state.pending, (std::vector<std::string>{"Beta"}));
    EXPECT_EQ(state.checked, (std::vector<std::string>{"Alpha"}));

    dir.Write("Resume/resume.dat", "1\r\n1\r\n0\r\n0\r\n0\r\nx\r\n2");
    ASSERT_OK(OpenResumeInfo(dir / "Resume", state, list));
    ASSERT_EQ(state.page1.log.size(), 1u);
    EXPECT_EQ(state.page1.log[0], (LogRow{"10:00", "Alpha", ""}));
    EXPECT_EQ(state.report.sitesFinished, 0) << "a counter line that is no number is skipped";
    EXPECT_EQ(state.report.sitesSuccessful, 2);
}

TEST(JournalTest, AKilledWriteLeavesTheLastCommittedSet)
{
    testsupport::TempDir dir;
    const fs::path folder = dir / "Resume";
    SubmissionState state = InterruptedRun();
    const fs::path result = dir / "Result.txt";
    {
        RunJournal journal(folder);
        ASSERT_OK(journal.Save(state, WizardPage::MainSubmit));
        state.position = 2;
        state.page1.log.push_front({"10:03", "Beta", "Done"});
        const std::vector<PendingAppend> appends = {{result, "Beta - Done"}};
        ASSERT_OK(journal.Save(state, WizardPage::MainSubmit, appends));
    }
    ASSERT_EQ(ReadBytes(result), "Beta - Done\r\n");
    // A kill after the commit, before the files and the result line were written.
    dir.Write("Resume/sites.dat", "Beta\r\nGamma\r\nDelta");
    fs::remove(folder / "log.dat");
    dir.Write("Result.txt", "");
    ASSERT_TRUE(HasResumeInfo(folder));
    EXPECT_EQ(ReadBytes(folder / "sites.dat"), "Gamma\r\nDelta");
    EXPECT_EQ(ReadBytes(folder / "log.dat").substr(0, 17), "10:03\r\nBeta\r\nDone");
    EXPECT_EQ(ReadBytes(result), "Beta - Done\r\n");
    RecoverJournal(folder);
    EXPECT_EQ(ReadBytes(result), "Beta - Done\r\n") << "the line arrives exactly once";
}

TEST(JournalTest, DeletingRemovesTheFolderWithReadOnlyFiles)
{
    testsupport::TempDir dir;
    RunJournal journal(dir / "Resume");
    ASSERT_OK(journal.Save(InterruptedRun(), WizardPage::MainSubmit));
    ASSERT_OK(journal.Flush());
    fs::permissions(dir / "Resume" / "log.dat", fs::perms::owner_read, fs::perm_options::replace);
    DeleteResumeInfo(dir / "Resume");
    EXPECT_FALSE(fs::exists(dir / "Resume"));
    DeleteResumeInfo(dir / "Resume"); // nothing there: nothing happens
    EXPECT_FALSE(HasResumeInfo(dir / "Resume"));
}

TEST(JournalTest, AskedOnlyWithSitesAndResumeFiles)
{
    testsupport::TempDir dir;
    dir.Write("Resume/sites.dat", "Alpha");
    EXPECT_FALSE(HasResumeInfo(dir / "Resume"));
    EXPECT_TRUE(fs::exists(dir / "Resume" / "sites.dat"));
    EXPECT_EQ(ResumeQuestion("Zipper", "1.2"),
              "The last submission was not finished. Would you like to resume the last submission?\r\n\r\n"
              "Product Name: Zipper\r\nProduct Version: 1.2\r\n\r\n"
              "Warning! If you choose \"No\", the resume data will be lost!");
}

TEST(ResultFolderTest, NewestFolderOfTheLastMonth)
{
    testsupport::TempDir dir;
    const store::CivilDate today{2024, 3, 10};
    EXPECT_EQ(ResultFolder(dir.Path(), "Zip. Pro:", today), dir / "Submits" / "Zip Pro_10-03-2024");
    EXPECT_EQ(GetNowDate(dir.Path(), "Zip", today), today);
    fs::create_directories(ResultFolder(dir.Path(), "Zip", {2024, 2, 9})); // 30 days back
    EXPECT_EQ(GetNowDate(dir.Path(), "Zip", today), (store::CivilDate{2024, 2, 9}));
    fs::create_directories(ResultFolder(dir.Path(), "Zip", {2024, 3, 9}));
    EXPECT_EQ(GetNowDate(dir.Path(), "Zip", today), (store::CivilDate{2024, 3, 9}));
    EXPECT_EQ(GetNowDate(dir.Path(), "Zip", {2024, 3, 11}), (store::CivilDate{2024, 3, 9}));
    EXPECT_EQ(GetNowDate(dir.Path(), "Zip", {2024, 4, 10}), (store::CivilDate{2024, 4, 10}));
}

TEST(ProgressTest, RoundsHalvesToEven)
{
    struct Case
    {
        long long processed, total;
        int percent;
    };

    for (const Case& c : {Case{0, 0, 0},
                          Case{1, 8, 12},
                          Case{3, 8, 38},
                          Case{1, 200, 0},
                          Case{3, 200, 2},
                          Case{1, 3, 33},
                          Case{2, 3, 67},
                          Case{5, 5, 100}}) {
        SCOPED_TRACE(std::to_string(c.processed) + "/" + std::to_string(c.total));
        EXPECT_EQ(ProgressPercent(c.processed, c.total), c.percent);
    }
}

} // namespace
} // namespace listrider::engine
