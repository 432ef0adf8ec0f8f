#include <algorithm>
#include <atomic>
#include <random>
#include <thread>

#include <gtest/gtest.h>

#include "engine/connection_test.h"
#include "engine/journal.h"
#include "engine/result_folder.h"
#include "engine/run_driver.h"
#include "engine/submit_page.h"
#include "run_harness.h"
#include "support/peer_process.h"
#include "support/recording_http_server.h"
#include "support/temp_dir.h"

namespace listrider::engine {
namespace {

using namespace std::chrono_literals;
using Clock = std::chrono::steady_clock;
using testing::FakeScript;
using testing::MailStep;
using testing::RecordingView;
using testing::RunWorkspace;
using testing::WebStep;
using testsupport::ReadBytes;
using testsupport::RecordedRequest;
using testsupport::Reply;

std::vector<std::string> Lines(const std::string& text)
{
    std::vector<std::string> lines;
    std::size_t start = 0;
    for (std::size_t end; (end = text.find("\r\n", start)) != std::string::npos; start = end + 2) {
        lines.push_back(text.substr(start, end - start));
    }
    return lines;
}

// Returns the log rows oldest first as "site=result".
std::vector<std::string> LogOf(const RunPage& page)
{
    std::vector<std::string> rows;
    for (auto it = page.log.rbegin(); it != page.log.rend(); ++it) {
        rows.push_back(it->site + "=" + it->result);
    }
    return rows;
}

class RunDriverTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        server.Route("/good", [](const RecordedRequest&) {
            return Reply{200, {}, "<p>Thanks for submitting</p>"};
        });
        server.Route("/bad", [](const RecordedRequest&) { return Reply{200, {}, "Sorry"}; });
        server.Route("/pend", [](const RecordedRequest&) { return Reply{200, {}, "Check your mail"}; });
        server.Route("/missing", [](const RecordedRequest&) { return Reply{404, {}, "gone"}; });
        server.Route("/search", [](const RecordedRequest&) { return Reply{200, {}, "Found Zipper"}; });
        server.Route("/slow", [](const RecordedRequest&) {
            Reply reply;
            reply.delay = 3000ms;
            return reply;
        });
        ws.root = dir.Path();
    }

    void Run(const std::vector<std::string>& checked)
    {
        state.checked = checked;
        state.page1.counters.left = static_cast<long long>(checked.size());
        TProgressWindow driver(ws.inputs, state, view, control, script);
        driver.Execute();
    }

    std::filesystem::path ResultDir() const { return ResultFolder(ws.root, "Zipper", ws.inputs.today); }

    testsupport::TempDir dir;
    testsupport::RecordingHttpServer server;
    RunWorkspace ws;
    SubmissionState state;
    RecordingView view;
    RunControl control;
    FakeScript script;
};

TEST_F(RunDriverTest, ARunRecordsEveryOutcomeWhereItBelongs)
{
    const std::string host = server.HostPort();
    ws.Build({
        {"Good", {{"sub", WebStep(host, "/good", -1, "Thanks for")}}},
        {"Bad", {{"sub", WebStep(host, "/bad", -1, "Thanks")}}},
        {"Pend", {{"sub", WebStep(host, "/pend", -3, "mail")}}},
        {"Gone", {{"sub", WebStep(host, "/missing", -1, "Thanks")}}},
        {"Listed",
         {{"sss", "-\r\n0\r\n-\r\n1"},
          {"150", WebStep(host, "/search", -1, "Found", -2, "Searching", {"SET", "|Custom1|  1.0 "})},
          {"sub", WebStep(host, "/good", -1, "Thanks")}}},
        {"Newer",
         {{"sss", "-\r\n0\r\n-\r\n1"},
          {"150", WebStep(host, "/search", -1, "Found", -2, "Searching", {"SET", "|Custom1| 0.9"})},
          {"1", WebStep(host, "/good", -1, "Thanks")}}},
        {"NoLoad", {{"sub", "too\r\nshort"}}},
        {"Ftp",
         {{"sub",
           "a\r\nb\r\nc\r\nFTP\r\nftp.example\r\n/"
           "\r\nGET\r\nuploading\r\n@\r\n-\r\n-2\r\n-\r\n-\r\n-\r\n-1\r\n\r\n-"}}},
    });
    Run({"Good", "Bad", "Pend", "Gone", "Listed", "Newer", "NoLoad", "Ftp"});

    EXPECT_FALSE(view.crashed);
    EXPECT_EQ(LogOf(state.page1),
              (std::vector<std::string>{"Good=Done",
                                        "Bad=Failed",
                                        "Pend=Pending",
                                        "Gone=Failed",
                                        "Listed=Exists",
                                        "Newer=Done",
                                        "NoLoad=Error",
                                        "Ftp=Error"}));
    EXPECT_EQ(state.pending, (std::vector<std::string>{"Pend"}));
    EXPECT_EQ(view.nextStep, 2) << "pending sites lead to Step 2";
    const PageCounters& counters = state.page1.counters;
    EXPECT_EQ(counters.left, 0);
    EXPECT_EQ(counters.processed, 8);
    EXPECT_EQ(counters.successful, 3) << "Good, Listed (Exists) and Newer";
    EXPECT_EQ(counters.progress, 100);
    EXPECT_EQ(state.failedSites, 4);
    EXPECT_EQ(state.report.sitesFinished, 7) << "every log row but the pending one";
    EXPECT_EQ(state.report.sitesSuccessful, 2);

    // Result.txt has the sites that ended right after a request.
    EXPECT_EQ(Lines(ReadBytes(ResultDir() / "Result.txt")),
              (std::vector<std::string>{"Good - Done",
                                        "Bad - Failed",
                                        "Pend - Pending",
                                        "Gone - Failed",
                                        "Listed - Exists",
                                        "Newer - Done"}));
    const std::vector<std::string> details = Lines(ReadBytes(ResultDir() / "DetailResult.txt"));
    EXPECT_EQ(details.front(), "Good - Loading page - Done");
    EXPECT_NE(std::find(details.begin(), details.end(), "Listed - Searching - Exists"), details.end());
    EXPECT_EQ(ReadBytes(ResultDir() / "Good.htm1"), "<p>Thanks for submitting</p>");

    // The HTTP error list, and the status of each site.
    EXPECT_NE(
        std::find(state.httpErrors.begin(), state.httpErrors.end(), "The \"FTP\" channel is not supported"),
        state.httpErrors.end());
    EXPECT_FALSE(ws.Site("Good").Submitted.empty());
    EXPECT_EQ(ws.Site("Good").VersionSubmitted, "1.0");
    EXPECT_EQ(ws.Site("Bad").MustBeChecked, "YES");
    EXPECT_EQ(ws.Site("Listed").Listed, "YES");
    EXPECT_EQ(ws.Site("Listed").VersionListed, "1.0");
    EXPECT_TRUE(ws.Site("Listed").Skipped);
    EXPECT_EQ(ws.Site("Listed").MustBeChecked, "") << "an existing listing is no failure";
    EXPECT_EQ(ws.Site("Newer").VersionListed, "0.9");
    const std::string status = ReadBytes(ws.inputs.productFolder / "sites.dat");
    EXPECT_NE(status.find("<Site_Name>Bad</Site_Name>"), std::string::npos);
    EXPECT_NE(status.find("<Must_Be_Checked>YES</Must_Be_Checked>"), std::string::npos);
    EXPECT_NE(std::find(view.statuses.begin(), view.statuses.end(), "Submission successful to Good"),
              view.statuses.end());
    EXPECT_NE(std::find(view.statuses.begin(),
                        view.statuses.end(),
                        "Submission failed to Ftp  -  The \"FTP\" channel is not supported"),
              view.statuses.end());
}

TEST_F(RunDriverTest, AnUnreachableSiteIsRetriedTenSitesLaterThreeTimes)
{
    const std::string host = server.HostPort();
    std::vector<std::pair<std::string, std::map<std::string, std::string>>> sites = {
        {"Dead", {{"sub", WebStep("127.0.0.1:1", "/", -1, "Thanks")}}}};
    std::vector<std::string> checked = {"Dead"};
    for (int i = 1; i <= 12; ++i) {
        const std::string name = "Site" + std::to_string(i);
        sites.push_back({name, {{"sub", WebStep(host, "/good", -1, "Thanks")}}});
        checked.push_back(name);
    }
    ws.Build(sites);
    std::vector<std::string> order;
    view.onEvent = [&order](const RunEvent& event) {
        if (const auto* row = std::get_if<run_event::LogRowAdded>(&event)) {
            order.push_back(row->row.site);
        }
    };
    Run(checked);
    // First attempt, then after 10 others, then appended last (fewer than ten follow) twice.
    std::vector<std::string> expected = {"Dead"};
    for (int i = 1; i <= 10; ++i) {
        expected.push_back("Site" + std::to_string(i));
    }
    expected.insert(expected.end(), {"Dead", "Site11", "Site12", "Dead", "Dead"});
    EXPECT_EQ(order, expected);
    EXPECT_EQ(std::count(state.requeue.begin(), state.requeue.end(), "Dead"), 3);
    EXPECT_EQ(LogOf(state.page1).back(), "Dead=Error")
        << ::testing::PrintToString(LogOf(state.page1)) << ::testing::PrintToString(state.httpErrors);
    EXPECT_EQ(std::count(state.page1.log.begin(), state.page1.log.end(), LogRow{}), 0);
    EXPECT_EQ(state.page1.log.size(), 13u) << "the rows of earlier attempts are removed";
    const auto error =
        std::find(state.httpErrors.begin(), state.httpErrors.end(), "Error connecting to host.");
    ASSERT_NE(error, state.httpErrors.end());
    EXPECT_EQ(*(error - 1), "Dead");
    EXPECT_EQ(state.page1.counters.processed, 13);
    EXPECT_EQ(view.nextStep, 4);
}

TEST_F(RunDriverTest, ATimedOutSiteIsRequeuedAndThenReportedAsTimeout)
{
    ws.Build({{"Slow", {{"sub", WebStep(server.HostPort(), "/slow", -1, "")}}}});
    ws.inputs.requestTimeout = 100ms;
    const auto start = std::chrono::steady_clock::now();
    Run({"Slow"});
    EXPECT_LT(std::chrono::steady_clock::now() - start, 2500ms);
    EXPECT_EQ(std::count(state.requeue.begin(), state.requeue.end(), "Slow"), 3) << "a timeout is requeued";
    EXPECT_EQ(LogOf(state.page1), (std::vector<std::string>{"Slow=Timeout"}));
    EXPECT_NE(std::find(view.statuses.begin(),
                        view.statuses.end(),
                        "Slow -  connection timed out. Listrider will retry after processing next 10 sites."),
              view.statuses.end());
    EXPECT_EQ(view.statuses.back(), "Submission failed to Slow  -  Connection timed out");
}

TEST_F(RunDriverTest, SkipDuringARequestAbortsTheSiteWithoutRequeue)
{
    const std::string host = server.HostPort();
    ws.Build({{"Slow", {{"sub", WebStep(host, "/slow", -1, "")}}},
              {"Good", {{"sub", WebStep(host, "/good", -1, "")}}}});
    std::thread skipper([this] {
        for (int i = 0; i < 200 && server.Requests().empty(); ++i) {
            std::this_thread::sleep_for(5ms);
        }
        control.RequestSkip();
    });
    const auto start = std::chrono::steady_clock::now();
    Run({"Slow", "Good"});
    skipper.join();
    EXPECT_LT(std::chrono::steady_clock::now() - start, 1500ms)
        << "Skip releases the waiting request at once";
    EXPECT_EQ(LogOf(state.page1), (std::vector<std::string>{"Slow=Abort", "Good=Done"}));
    EXPECT_TRUE(state.requeue.empty());
    EXPECT_NE(
        std::find(view.statuses.begin(), view.statuses.end(), "Submission failed to Slow  -  User abort"),
        view.statuses.end());
}

TEST_F(RunDriverTest, StopKeepsTheJournalAndResumeFinishesTheRunInTheSameFolder)
{
    const std::string host = server.HostPort();
    ws.Build({{"A", {{"sub", WebStep(host, "/good", -1, "")}}},
              {"B", {{"sub", WebStep(host, "/slow", -1, "")}}},
              {"C", {{"sub", WebStep(host, "/good", -1, "")}}}});
    // Yesterday's run is stopped during B.
    ws.inputs.today = store::DateFromDays(store::DaysSince1899(store::Today()) - 1);
    view.onEvent = [this](const RunEvent& event) {
        if (const auto* row = std::get_if<run_event::DetailRowAdded>(&event);
            row != nullptr && row->row.site == "B") {
            std::thread([this] {
                std::this_thread::sleep_for(50ms);
                control.RequestStop();
            }).detach();
        }
    };
    Run({"A", "B", "C"});
    EXPECT_EQ(view.nextStep, 0);
    EXPECT_EQ(state.lastOutcome, Outcome::Abort);
    const std::filesystem::path journal = ws.inputs.productFolder / "Resume";
    EnterWizardStep(state, WizardPage::ErrorsReport, journal);
    ASSERT_TRUE(HasResumeInfo(journal)) << "a stopped run keeps its journal";

    // The next day: the journal restores the run, which goes on in yesterday's folder.
    const std::filesystem::path yesterday = ResultDir();
    ws.inputs.today = store::Today();
    SubmissionState resumed;
    const std::vector<std::string> list = {"A", "B", "C"};
    ASSERT_TRUE(OpenResumeInfo(journal, resumed, list).HasValue());
    EXPECT_EQ(resumed.checked, (std::vector<std::string>{"B", "C"}));
    EXPECT_EQ(resumed.page1.counters, (PageCounters{2, 1, 1, 33}));
    RecordingView again;
    RunControl fresh;
    server.Route("/slow", [](const RecordedRequest&) { return Reply{}; });
    TProgressWindow driver(ws.inputs, resumed, again, fresh, script);
    driver.Execute();
    EXPECT_EQ(LogOf(resumed.page1), (std::vector<std::string>{"A=Done", "B=Done", "C=Done"}));
    EXPECT_EQ(resumed.page1.counters, (PageCounters{0, 3, 3, 100}));
    EXPECT_EQ(Lines(ReadBytes(yesterday / "Result.txt")),
              (std::vector<std::string>{"A - Done", "B - Done", "C - Done"}));
    EXPECT_FALSE(std::filesystem::exists(ResultFolder(ws.root, "Zipper", store::Today())));
    EXPECT_EQ(again.nextStep, 5);
    EnterWizardStep(resumed, WizardPage::Report, journal);
    EXPECT_FALSE(std::filesystem::exists(journal));
}

TEST_F(RunDriverTest, EMailStepsGoBySmtpOrThroughTheRelay)
{
    testsupport::PeerProcess peer(std::string(LISTRIDER_PEERS_DIR) + "/smtp_peer.py", {});
    ASSERT_GT(peer.Port(), 0);
    server.Route("/cgi-bin/mail.cgi", [](const RecordedRequest&) { return Reply{200, {}, "sent"}; });
    ws.Build({{"Mailer", {{"sub", MailStep("submit@mailer.example", {"Name: |ProgramName|", "Bye"})}}}});
    ws.inputs.prefs.doNotUseSmtp = false;
    ws.inputs.prefs.smtpServer = "127.0.0.1";
    ws.inputs.prefs.smtpPort = std::to_string(peer.Port());
    ws.inputs.config.mailRelayHost = server.HostPort();
    Run({"Mailer"});
    EXPECT_EQ(LogOf(state.page1), (std::vector<std::string>{"Mailer=Done"}));
    EXPECT_EQ(state.report.emailsSent, 1);
    EXPECT_EQ(ReadBytes(ResultDir() / "Mailer.htm1"), "Name: Zipper\r\nBye");
    const std::vector<std::string> seen = peer.Lines();
    EXPECT_NE(std::find(seen.begin(), seen.end(), "DATA Subject: New program Zipper"), seen.end());
    EXPECT_NE(std::find(seen.begin(), seen.end(), "DATA Name: Zipper"), seen.end());
    EXPECT_TRUE(server.Requests().empty());

    // SMTP refuses: the relay takes the message.
    ws.inputs.prefs.smtpPort = "1";
    state = SubmissionState();
    Run({"Mailer"});
    EXPECT_EQ(LogOf(state.page1), (std::vector<std::string>{"Mailer=Done"}));
    ASSERT_EQ(server.Requests().size(), 1u);
    EXPECT_NE(server.Requests()[0].body.find("&Message=%0AName%3A+Zipper%0ABye%0A"), std::string::npos);
    EXPECT_EQ(ReadBytes(ResultDir() / "Mailer.htm2"), "sent");
}

TEST_F(RunDriverTest, AFailedConnectionTestStopsBeforeTheFirstSite)
{
    ws.Build({{"Good", {{"sub", WebStep(server.HostPort(), "/good", -1, "")}}}});
    ws.inputs.config.connectionTestHost = "127.0.0.1:1";
    Run({"Good"});
    ASSERT_EQ(view.messages.size(), 1u);
    EXPECT_EQ(view.messages[0], std::string(kNoConnectionMessage) + "\r\nSubmission stopped.");
    EXPECT_TRUE(state.page1.log.empty());
    EXPECT_TRUE(server.Requests().empty());
    EXPECT_EQ(view.nextStep, 0);
}

TEST_F(RunDriverTest, NoCheckedSiteEndsAtOnce)
{
    ws.Build({{"Good", {{"sub", WebStep(server.HostPort(), "/good", -1, "")}}}});
    Run({});
    EXPECT_EQ(view.nextStep, 5);
    EXPECT_TRUE(server.Requests().empty());
}

} // namespace
} // namespace listrider::engine

namespace listrider::engine {
namespace {

// Pause, Resume, Skip and Stop fired at random moments of a run with web requests, uploads and
// e-mail steps, while the view takes its time inside the hand-overs: the run never hangs, a
// Stop ends it within 100 ms, and the counters always equal the rows.
TEST_F(RunDriverTest, RandomControlsNeverHangTheRunAndKeepTheCountersExact)
{
    testsupport::PeerProcess peer(std::string(LISTRIDER_PEERS_DIR) + "/smtp_peer.py", {});
    ASSERT_GT(peer.Port(), 0);
    server.Route("/upload", [](const RecordedRequest&) {
        Reply reply;
        reply.body = "Thanks";
        reply.delay = 30ms;
        return reply;
    });
    server.Route("/page", [](const RecordedRequest&) {
        Reply reply;
        reply.body = "Thanks";
        reply.delay = 5ms;
        return reply;
    });
    const std::filesystem::path upload = dir.Write("zipper.zip", std::string(20000, 'z'));
    const std::string host = server.HostPort();
    std::vector<std::pair<std::string, std::map<std::string, std::string>>> sites;
    std::vector<std::string> checked;
    for (int i = 0; i < 18; ++i) {
        const std::string name = "S" + std::to_string(i);
        std::string sub;
        if (i % 3 == 0) {
            sub = MailStep("to@example.com", {"Hello"});
        } else if (i % 3 == 1) {
            sub = "s\r\n-\r\n-\r\nHTTP\r\n" + host + "\r\n/upload\r\nPOSTUPLOAD\r\nuploading\r\nfile\r\n" +
                  upload.string() + "\r\n@\r\n-\r\n-2\r\n-\r\n-\r\n-\r\n1\r\nThanks\r\n-";
        } else {
            sub = WebStep(host, "/page", 1, "Thanks");
        }
        sites.push_back({name, {{"sub", sub}, {"1", WebStep(host, "/page", -1, "Thanks")}}});
        checked.push_back(name);
    }
    ws.Build(sites);
    ws.inputs.prefs.doNotUseSmtp = false;
    ws.inputs.prefs.smtpServer = "127.0.0.1";
    ws.inputs.prefs.smtpPort = std::to_string(peer.Port());
    ws.inputs.uploadPaths = {"", upload.string(), "", ""};
    ws.inputs.requestTimeout = 2s;
    // The run has stopped working when its ending shows the counters; flushing the files to the
    // disk comes after that.
    std::atomic<bool> stopAsked{false};
    std::atomic<long long> stopLatencyMs{-1};
    std::atomic<Clock::rep> askedAt{0};
    view.onEvent = [&](const RunEvent& event) {
        std::this_thread::sleep_for(200us);
        if (std::holds_alternative<run_event::Counters>(event) && stopAsked && stopLatencyMs < 0) {
            stopLatencyMs = std::chrono::duration_cast<std::chrono::milliseconds>(
                                Clock::now() - Clock::time_point(Clock::duration(askedAt.load())))
                                .count();
        }
    };
    std::atomic<bool> finished{false};
    std::thread controls([&] {
        std::mt19937 random(99);
        for (int round = 0; round < 60 && !finished; ++round) {
            std::this_thread::sleep_for(std::chrono::microseconds(random() % 15000));
            switch (random() % 4) {
            case 0:
                control.RequestPause();
                std::this_thread::sleep_for(std::chrono::microseconds(random() % 5000));
                control.Resume();
                break;
            case 1:
                control.RequestSkip();
                break;
            default:
                break;
            }
        }
        askedAt = Clock::now().time_since_epoch().count();
        stopAsked = true;
        control.RequestPause();
        control.RequestStop();
    });
    Run(checked);
    finished = true;
    controls.join();
    EXPECT_FALSE(view.crashed);
    if (view.nextStep == 0) {
        EXPECT_GE(stopLatencyMs.load(), 0);
        EXPECT_LT(stopLatencyMs.load(), 100) << "Stop takes effect at once";
    }
    const PageCounters& counters = state.page1.counters;
    const auto closed = std::count_if(
        state.page1.log.begin(), state.page1.log.end(), [](const LogRow& row) { return row.result != " "; });
    const auto successful =
        std::count_if(state.page1.log.begin(), state.page1.log.end(), [](const LogRow& row) {
            return row.result == "Done" || row.result == "Exists";
        });
    EXPECT_EQ(counters.processed, closed);
    EXPECT_EQ(counters.successful, successful);
    EXPECT_EQ(counters.left + counters.processed, 18);
    EXPECT_EQ(state.report.sitesFinished, closed);
}

} // namespace
} // namespace listrider::engine

namespace listrider::engine {
namespace {

TEST_F(RunDriverTest, SearchVerdictsAndAnOutdatedSearchScript)
{
    const std::string host = server.HostPort();
    server.Route("/nothing", [](const RecordedRequest&) { return Reply{200, {}, "No results"}; });
    ws.Build({
        // The search's page no longer holds what the script looks for.
        {"Outdated",
         {{"sss", "-\r\n0\r\n-\r\n1"},
          {"150", WebStep(host, "/nothing", -1, "Found")},
          {"sub", WebStep(host, "/good", -1, "")}}},
        // Not listed (the second search step fails): the submission starts at line 1 of the settings.
        {"Unlisted",
         {{"sss", "-\r\n2\r\n-\r\n1"},
          {"150", WebStep(host, "/nothing", 151, "No results")},
          {"151", WebStep(host, "/nothing", -1, "Found")},
          {"2", WebStep(host, "/good", -1, "Thanks")}}},
        // Settings without four lines: not listed starts at step 0, never at the last site's step 2.
        {"ShortSettings",
         {{"sss", "-\r\n7"},
          {"150", WebStep(host, "/nothing", 151, "No results")},
          {"151", WebStep(host, "/nothing", -1, "Found")},
          {"sub", WebStep(host, "/good", -1, "")}}},
    });
    Run({"Outdated", "Unlisted", "ShortSettings"});
    EXPECT_EQ(LogOf(state.page1),
              (std::vector<std::string>{"Outdated=Error", "Unlisted=Done", "ShortSettings=Done"}));
    const auto outdated =
        std::find(state.httpErrors.begin(), state.httpErrors.end(), "Search script is outdated.");
    ASSERT_NE(outdated, state.httpErrors.end());
    EXPECT_EQ(*(outdated - 1), "Outdated");
    EXPECT_EQ(std::count(state.httpErrors.begin(), state.httpErrors.end(), "Search script is outdated."), 1);
    EXPECT_EQ(ws.Site("Unlisted").Listed, "NO");
    EXPECT_EQ(ws.Site("ShortSettings").Listed, "NO")
        << "not found: the entry step is 0, not an earlier site's";
}

TEST_F(RunDriverTest, AJournalThatCannotBeWrittenStopsTheRun)
{
    ws.Build({{"Good", {{"sub", WebStep(server.HostPort(), "/good", -1, "")}}}});
    dir.Write("Products/Acme/Zipper/Resume", "a file where the journal's folder belongs");
    Run({"Good"});
    ASSERT_FALSE(view.messages.empty());
    EXPECT_NE(view.messages.back().find("Submission stopped."), std::string::npos) << view.messages.back();
    EXPECT_TRUE(server.Requests().empty());
    EXPECT_EQ(view.nextStep, 0);
}

} // namespace
} // namespace listrider::engine
