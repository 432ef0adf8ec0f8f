#include <algorithm>
#include <chrono>
#include <filesystem>
#include <map>
#include <random>
#include <sstream>
#include <thread>

#include <fcntl.h>
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include "cli/cli_app.h"
#include "cli/exit_codes.h"
#include "cli_runner.h"
#include "engine/journal.h"
#include "store/file_io.h"
#include "store/prefs.h"
#include "support/recording_http_server.h"
#include "support/temp_dir.h"

namespace listrider::cli {
namespace {

namespace fs = std::filesystem;
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

// A workspace with a filled product and a site database built from readable sources.
class SubmitCommandTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        server.Route("/add", [](const RecordedRequest& request) {
            Reply reply;
            reply.body = request.target.find("Zipper") != std::string::npos ? "Thank you" : "Bad form";
            reply.delay = std::chrono::milliseconds(10);
            return reply;
        });
        server.Route("/confirm", [](const RecordedRequest&) { return Reply{200, {}, "Check your e-mail"}; });
        server.Route("/search", [](const RecordedRequest&) {
            return Reply{200, {}, "<html><b>Zipper</b> Version: 1.0 <i>by Acme</i></html>"};
        });
    }

    CliRun Run(std::vector<std::string> args) { return RunCliIn(m_dir.Path(), std::move(args)); }

    static std::string
    Step(const std::string& host, const std::string& path, int onSuccess, const std::string& text)
    {
        return "step\n-\n-\nHTTP\n" + host + "\n" + path +
               "\nGET\nLoading submission page\nname\n|ProgramName|\n@\n-\n"
               "-2\n-\n-\n-\n" +
               std::to_string(onSuccess) + "\n" + text + "\n-\n";
    }

    void AddSite(const std::string& name, const std::string& sub, const std::string& header = "")
    {
        m_dir.Write("source/sites/" + name + "/site.txt", "<SITENAME>" + name + "</SITENAME>\n" + header);
        m_dir.Write("source/sites/" + name + "/sub.txt", sub);
    }

    void Prepare()
    {
        ASSERT_EQ(Run({"sitedb", "build", (m_dir / "source").string(), "--yes"}).code, kExitOk);
        ASSERT_EQ(Run({"prefs", "set", "Validate_Links", "N"}).code, kExitOk);
        ASSERT_EQ(Run({"company", "new", "Acme"}).code, kExitOk);
        ASSERT_EQ(Run({"product", "new", "--company", "Acme", "Zipper", "1.0"}).code, kExitOk);
        m_dir.Write("files/zipper.zip", "zip");
        m_dir.Write("files/zipper.xml", "<XML_DIZ_INFO/>");
        const auto fields = SubmittableProductFields(m_dir.Path());
        for (const auto& [field, value] : fields) {
            const CliRun run =
                Run({"product", "set", "--company", "Acme", "--product", "Zipper", field, value});
            ASSERT_EQ(run.code, kExitOk) << field << ": " << run.err;
        }
        ASSERT_EQ(Run({"accounts",
                       "set",
                       "--company",
                       "Acme",
                       "--product",
                       "Zipper",
                       "--default-login",
                       "author",
                       "--default-password",
                       "secret1"})
                      .code,
                  kExitOk);
    }

    fs::path ProductFolder() const { return m_dir.Path() / "Products" / "Acme" / "Zipper"; }

    testsupport::TempDir m_dir;
    testsupport::RecordingHttpServer server;
};

TEST_F(SubmitCommandTest, SubmitsFromAFreshWorkspace)
{
    AddSite("Alpha", Step(server.HostPort(), "/add", -1, "Thank you"));
    AddSite("Beta", Step(server.HostPort(), "/missing", -1, "Thank you"));
    AddSite("Blocked", Step(server.HostPort(), "/add", -1, "Thank you"));
    // A search that finds the product in its version: the site is not submitted to again.
    AddSite("Searchy", Step(server.HostPort(), "/add", -1, "Thank you"));
    m_dir.Write("source/sites/Searchy/sss.txt", "-\n0\n-\n0\n");
    m_dir.Write("source/sites/Searchy/150.txt", Step(server.HostPort(), "/search", 151, "Zipper"));
    m_dir.Write(
        "source/sites/Searchy/151.txt",
        "s\n-\n-\nHTTP\n" + server.HostPort() +
            "\n/search\nGET\nreading the version\n@\n-\n-2\n-\n-\n-\n-1\n\n-\nEXTRACTVERSION\nVersion: "
            "|Custom1|\n");
    ASSERT_NO_FATAL_FAILURE(Prepare());
    store::LoadedPrefs prefs = store::LoadINI(m_dir.Path());
    prefs.prefs.blacklist = {"Blocked"};
    ASSERT_TRUE(store::SaveINI(m_dir.Path(), prefs.prefs).HasValue());
    const CliRun run = Run({"submit", "--company", "Acme", "--product", "Zipper", "--no-resume"});
    EXPECT_EQ(run.code, kExitOk) << run.out << run.err;
    EXPECT_NE(run.out.find("Alpha  Done"), std::string::npos) << run.out;
    EXPECT_NE(run.out.find("Beta  Failed"), std::string::npos);
    EXPECT_EQ(run.out.find("Blocked"), std::string::npos);
    EXPECT_NE(run.out.find("Next: Step 4 (Errors Report)"), std::string::npos);
    const std::size_t at = run.out.find("Result.txt: ");
    ASSERT_NE(at, std::string::npos);
    const fs::path result(run.out.substr(at + 12, run.out.find('\n', at) - at - 12));
    EXPECT_EQ(Lines(ReadBytes(result)),
              (std::vector<std::string>{"Alpha - Done", "Beta - Failed", "Searchy - Exists"}));
    EXPECT_TRUE(fs::exists(result.parent_path() / "DetailResult.txt"));
    EXPECT_TRUE(fs::exists(result.parent_path() / "Alpha.htm1"));
    const std::string status = ReadBytes(ProductFolder() / "sites.dat");
    EXPECT_NE(status.find("<Version_Submitted>1.0</Version_Submitted>"), std::string::npos);
    EXPECT_FALSE(fs::exists(ProductFolder() / "Resume")) << "the errors report deletes the journal";
    EXPECT_EQ(server.Requests().at(0).target, "/add?name=Zipper");

    const CliRun named = Run({"submit", "--company", "Acme", "--product", "Zipper", "--sites", "Blocked"});
    EXPECT_EQ(named.code, kExitFailure) << "never a blacklisted site";
}

TEST_F(SubmitCommandTest, PendingSitesGoThroughStepTwoToTheFinalRun)
{
    AddSite("Mailback",
            Step(server.HostPort(), "/confirm", -3, "e-mail"),
            "<PASSWORD>LOGINPASSWORD</PASSWORD>\n<VALIDATE>VALIDATE</VALIDATE>\n");
    ASSERT_NO_FATAL_FAILURE(Prepare());
    const CliRun first = Run({"submit", "--company", "Acme", "--product", "Zipper"});
    EXPECT_EQ(first.code, kExitOk) << first.err;
    EXPECT_NE(first.out.find("Next: Step 2 (New passwords)"), std::string::npos);
    ASSERT_TRUE(engine::HasResumeInfo(ProductFolder() / "Resume"));

    const CliRun list = Run({"submit", "--company", "Acme", "--product", "Zipper", "--pending", "--resume"});
    EXPECT_EQ(list.code, kExitOk) << list.err;
    EXPECT_NE(list.out.find("Mailback\t\t\tLOGIN\tVALIDATE"), std::string::npos) << list.out;
    ASSERT_EQ(
        Run({"accounts", "set", "--company", "Acme", "--product", "Zipper", "Mailback", "me", "pw"}).code,
        kExitOk);
    server.Route("/confirm", [](const RecordedRequest&) { return Reply{200, {}, "Welcome back"}; });
    const CliRun final = Run({"submit", "--company", "Acme", "--product", "Zipper", "--final", "--resume"});
    EXPECT_EQ(final.code, kExitOk) << final.err;
    EXPECT_NE(final.out.find("Next: Step 4"), std::string::npos) << final.out;
}

TEST_F(SubmitCommandTest, RefusesWithTheSubmitPagesMessages)
{
    AddSite("Alpha", Step(server.HostPort(), "/add", -1, "Thank you"));
    ASSERT_NO_FATAL_FAILURE(Prepare());
    ASSERT_EQ(Run({"product", "set", "--company", "Acme", "--product", "Zipper", "Char_Desc_45", ""}).code,
              kExitOk);
    const CliRun faulty = Run({"submit", "--company", "Acme", "--product", "Zipper"});
    EXPECT_EQ(faulty.code, kExitFailure);
    EXPECT_NE(faulty.err.find("Not all fields were filed out correctly."), std::string::npos) << faulty.err;
    EXPECT_TRUE(server.Requests().empty());
}

// The binary killed at random instants and resumed until the run is done: every site closes
// exactly once, and every journal restores counters that equal its rows.
TEST_F(SubmitCommandTest, AKilledRunResumesWhereItStopped)
{
    constexpr int kSiteCount = 30;
    for (int i = 0; i < kSiteCount; ++i) {
        AddSite("Site" + std::to_string(100 + i), Step(server.HostPort(), "/add", -1, "Thank you"));
    }
    ASSERT_NO_FATAL_FAILURE(Prepare());
    std::mt19937 random(20240611);
    const fs::path journal = ProductFolder() / "Resume";
    auto spawn = [this](bool resume) {
        const pid_t pid = ::fork();
        if (pid == 0) {
            const int quiet = ::open("/dev/null", O_WRONLY);
            ::dup2(quiet, STDOUT_FILENO);
            ::dup2(quiet, STDERR_FILENO);
            const std::string workspace = m_dir.Path().string();
            ::execl(LISTRIDER_CLI_PATH,
                    LISTRIDER_CLI_PATH,
                    "--workspace",
                    workspace.c_str(),
                    "submit",
                    "--company",
                    "Acme",
                    "--product",
                    "Zipper",
                    resume ? "--resume" : "--no-resume",
                    static_cast<char*>(nullptr));
            ::_exit(127);
        }
        return pid;
    };
    // Sites closed so far, by the lines of every result folder's Result.txt.
    auto closedSites = [this] {
        std::size_t lines = 0;
        std::error_code ec;
        for (const auto& entry : fs::directory_iterator(m_dir / "Submits", ec)) {
            const std::string text = ReadBytes(entry.path() / "Result.txt");
            lines += static_cast<std::size_t>(std::count(text.begin(), text.end(), '\n'));
        }
        return lines;
    };
    int kills = 0;
    bool finished = false;
    std::vector<long long> closedAtKills; // sites closed when each killed run was restored
    for (int round = 0; round < 40 && !finished; ++round) {
        const bool resume = engine::HasResumeInfo(journal);
        const std::size_t closedBefore = closedSites();
        const pid_t pid = spawn(resume);
        ASSERT_GT(pid, 0);
        int status = 0;
        bool exited = false;
        if (kills < 12) {
            // Killed once the run closed 0 to 2 more sites, a few milliseconds into the next, so
            // that kills land at start-up, inside requests and between sites on any machine.
            const std::size_t target = closedBefore + random() % 3;
            const auto giveUp = std::chrono::steady_clock::now() + std::chrono::seconds(20);
            while (closedSites() < target && std::chrono::steady_clock::now() < giveUp) {
                if (::waitpid(pid, &status, WNOHANG) == pid) {
                    exited = true;
                    break;
                }
                std::this_thread::sleep_for(std::chrono::milliseconds(1));
            }
            const auto instant = std::chrono::steady_clock::now() + std::chrono::milliseconds(random() % 15);
            while (!exited && std::chrono::steady_clock::now() < instant) {
                if (::waitpid(pid, &status, WNOHANG) == pid) {
                    exited = true;
                }
                std::this_thread::sleep_for(std::chrono::milliseconds(1));
            }
        }
        if (!exited) {
            if (kills < 12) {
                ::kill(pid, SIGKILL);
                ++kills;
            }
            ASSERT_EQ(::waitpid(pid, &status, 0), pid);
        }
        finished = WIFEXITED(status) && WEXITSTATUS(status) == 0;
        // Killed after the run reached its report: the journal is gone, the results are there.
        std::error_code ec;
        finished = finished || (!engine::HasResumeInfo(journal) && fs::exists(m_dir / "Submits", ec) &&
                                !fs::is_empty(m_dir / "Submits", ec));
        if (!finished && engine::HasResumeInfo(journal)) {
            engine::SubmissionState restored;
            std::vector<std::string> list;
            for (int i = 0; i < kSiteCount; ++i) {
                list.push_back("Site" + std::to_string(100 + i));
            }
            ASSERT_TRUE(engine::OpenResumeInfo(journal, restored, list).HasValue());
            const engine::PageCounters& counters = restored.page1.counters;
            const auto closed = std::count_if(restored.page1.log.begin(),
                                              restored.page1.log.end(),
                                              [](const engine::LogRow& row) { return row.result == "Done"; });
            EXPECT_EQ(counters.processed, closed) << "round " << round;
            EXPECT_EQ(counters.successful, closed);
            EXPECT_EQ(counters.left + counters.processed, kSiteCount);
            EXPECT_EQ(static_cast<long long>(restored.checked.size()), counters.left);
            closedAtKills.push_back(counters.processed);
        }
    }
    ASSERT_TRUE(finished);
    EXPECT_GE(kills, 5);
    // Some kills must land in the middle of the site loop, not only before or after it.
    EXPECT_TRUE(std::any_of(closedAtKills.begin(), closedAtKills.end(), [](long long n) {
        return n > 0 && n < kSiteCount;
    })) << ::testing::PrintToString(closedAtKills);
    std::string results;
    for (const auto& entry : fs::directory_iterator(m_dir / "Submits")) {
        results += ReadBytes(entry.path() / "Result.txt");
    }
    std::vector<std::string> lines = Lines(results);
    std::sort(lines.begin(), lines.end());
    std::vector<std::string> expected;
    for (int i = 0; i < kSiteCount; ++i) {
        expected.push_back("Site" + std::to_string(100 + i) + " - Done");
    }
    EXPECT_EQ(lines, expected) << "each site closed exactly once";
}

} // namespace
} // namespace listrider::cli
