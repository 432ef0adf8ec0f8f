#include <gtest/gtest.h>

#include "engine/report_summary.h"
#include "engine/report_totals.h"

namespace listrider::engine {
namespace {

const AccountLookup kAccounts = [](std::string_view site) {
    return site == "Alpha" ? HistoryAccount{"author", "s3cret"} : HistoryAccount{"", ""};
};

std::string HistoryOf(const std::vector<DetailRow>& rows,
                      const HistoryAccount& account = {"author", "s3cret"})
{
    std::vector<const DetailRow*> pointers;
    for (const DetailRow& row : rows) {
        pointers.push_back(&row);
    }
    return SiteHistory(pointers, account);
}

TEST(SiteHistoryTest, SentencesOfTheTable)
{
    struct Case
    {
        const char* action;
        const char* outcome;
        const char* sentence;
    };

    const std::vector<Case> cases = {
        {"Loading submission page", "Done", "Submission page was loaded successfully. "},
        {"Loading submission page", "Failed", "Failed to load submission page. "},
        {"Loading account page", "Done", "Account page was loaded successfully. "},
        {"Deleting old version", "Error", "Failed to delete older version. "},
        {"Loading login page", "Done", "Login page loaded successfully. "},
        {"Logout", "Failed", "Failed to Logout. "},
        {"Loading search page", "Done", ""},
        {"Sending E-mail submission", "Done", "E-Mail submission was sent. "},
        {"Sending E-mail update", "Failed", "Failed to send E-Mail update. "},
        {"Submitting new program", "Done", "New program information was submitted. "},
        {"Entering login information",
         "Done",
         "Logged to author account successfully with login: author, password:s3cret. "},
        {"Entering login information",
         "Failed",
         "Failed to login to author account with login: author, password:s3cret. "},
        {"Looking for older version", "Done", "Older version was found on site. "},
        {"Looking for older version", "Timeout", "Error has occured during search process. "},
        {"Looking for older version", "Error", "Error has occured during search process. "},
        {"Looking for older version", "Failed", "Older version was not found on site. "},
        {"Creating new account",
         "Done",
         "New author account was created with login: author, password:s3cret. "},
        {"Submitting program information", "Failed", "Failed to submit program information. "},
        {"Updating program information", "Done", "Program information was updated. "},
        {"Submitting PAD file", "Done", "PAD file was submitted successfully. "},
        // "done" is not "Done": only the exact word is a success.
        {"Submitting PAD file", "done", "Failed to submit PAD file. "},
        {"Pressing the big button", "Done", "Pressing the big button - Done"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.action) + " / " + c.outcome);
        EXPECT_EQ(HistorySentence(c.action, c.outcome, {"author", "s3cret"}), c.sentence);
    }
}

TEST(SiteHistoryTest, EarlierAttemptsOfAStepAreDropped)
{
    EXPECT_EQ(HistoryOf({
                  {"", "Alpha", "Loading login page", "Failed"},
                  {"", "Alpha", "Entering login information", "Failed"},
                  {"", "Alpha", "Loading login page", "Done"},
              }),
              "Failed to login to author account with login: author, password:s3cret. "
              "Login page loaded successfully. ");
    EXPECT_EQ(HistoryOf({
                  {"", "Alpha", "Loading login page", "Failed"},
                  {"", "Alpha", "LOADING LOGIN PAGE", "Done"},
              }),
              "Login page loaded successfully. ");
    // Two unknown actions are joined without a separator.
    EXPECT_EQ(HistoryOf({
                  {"", "Alpha", "Step one", "Done"},
                  {"", "Alpha", "Step two", "Failed"},
              }),
              "Step one - DoneStep two - Failed");
}

TEST(ReportSummaryTest, ClassificationByTheLastOutcome)
{
    struct Case
    {
        const char* outcome;
        SummaryList list;
    };

    const std::vector<Case> cases = {
        {"Done", SummaryList::Successful},
        {"Pending", SummaryList::Successful},
        {"Skip", SummaryList::Successful},
        {"Something else", SummaryList::Successful},
        {"Failed", SummaryList::Failed},
        {"Error", SummaryList::Failed},
        {"Timeout", SummaryList::Failed},
        {"Exists", SummaryList::Skipped},
        {"Abort", SummaryList::Skipped},
        {"error", SummaryList::Successful},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.outcome);
        EXPECT_EQ(ClassifyOutcome(c.outcome), c.list);
    }
}

TEST(ReportSummaryTest, ListsInTheOrderOfTheFirstRows)
{
    const std::vector<DetailRow> rows = {
        {"", "Searchy", "Looking for older version", "Timeout"},
        {"", "Alpha", "Creating new account", "Failed"},
        {"", "Listed", "Submitting new program", "Failed"},
        {"", "Listed", "Looking for older version", "Exists"},
        {"", "Stopped", "Loading login page", "Abort"},
        {"", "Alpha", "Creating new account", "Done"},
        {"", "Beta", "Sending E-mail submission", "Done"},
    };
    const ReportSummary summary = BuildReportSummary(rows, kAccounts);
    EXPECT_EQ(summary.successful,
              (std::vector<SummaryRow>{
                  {"Alpha", "New author account was created with login: author, password:s3cret. "},
                  {"Beta", "E-Mail submission was sent. "},
              }));
    EXPECT_EQ(summary.failed,
              (std::vector<SummaryRow>{{"Searchy", "Error has occured during search process. "}}));
    EXPECT_EQ(summary.skipped,
              (std::vector<SummaryRow>{{"Listed", "Latest version was found."},
                                       {"Stopped", "Site skipped by user."}}));
}

TEST(ReportTotalsTest, SubmissionTime)
{
    EXPECT_EQ(FormatSubmissionTime(0), "00:00:00");
    EXPECT_EQ(FormatSubmissionTime(3725), "01:02:05");
    EXPECT_EQ(FormatSubmissionTime(59), "00:00:59");
    EXPECT_EQ(FormatSubmissionTime(360000), "100:00:00");
}

} // namespace
} // namespace listrider::engine
