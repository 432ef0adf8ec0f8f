#include <algorithm>
#include <mutex>

#include <gtest/gtest.h>

#include "companion_fixtures.h"
#include "companions/account_requester.h"
#include "companions/date_texts.h"
#include "companions/request_candidates.h"
#include "engine/script_fixtures.h"
#include "support/recording_http_server.h"
#include "support/temp_dir.h"

namespace listrider::companions {
namespace {

using engine::testing::SetMember;
using testing::AddSite;
using testing::WebStepLines;
using testsupport::RecordedRequest;
using testsupport::Reply;

TEST(RequestCandidatesTest, KeepsAddressesWithAnAtSignOnceAndTheLoginsOfTheirRows)
{
    catalogue::CompanyInfo company;
    company.generalEmail = "Info@Acme.example";
    company.supportEmail = "author"; // a login typed into an e-mail field
    company.salesEmail = " ";
    company.contactEmail = "help@acme.example";
    company.authorEmail = "info@acme.example";
    catalogue::AccountsList accounts;
    accounts.defaults.emailLogin = "help@ACME.example";
    accounts.defaults.login = "jane";
    accounts.rows = {{"A", "row@acme.example", "", "E-MAIL", "", "", true, ""},
                     {"B", "JANE", "", "LOGIN", "", "", true, ""},
                     {"C", "", "", "LOGIN", "", "", true, ""},
                     {"D", "other", "", "LOGIN", "", "", true, ""}};
    const RequestCandidates candidates = GatherRequestCandidates(company, "wizard@acme.example", accounts);
    // Of entries equal but for case the last one stays, in its place.
    EXPECT_EQ(candidates.emails,
              (std::vector<std::string>{
                  "info@acme.example", "wizard@acme.example", "help@ACME.example", "row@acme.example"}));
    EXPECT_EQ(candidates.logins, (std::vector<std::string>{"JANE", "other"}));
}

class RecordingRequesterView final : public RequesterView
{
public:
    void SiteStarted(std::string_view site) override
    {
        std::lock_guard lock(mutex);
        started.emplace_back(site);
    }

    void SiteResult(std::string_view site, std::string_view result) override
    {
        std::lock_guard lock(mutex);
        results.emplace_back(std::string(site) + " " + std::string(result));
    }

    void ShowProgress(int percent) override
    {
        std::lock_guard lock(mutex);
        progress.push_back(percent);
    }

    std::mutex mutex;
    std::vector<std::string> started;
    std::vector<std::string> results;
    std::vector<int> progress;
};

class AccountRequesterTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        inputs.workspace = dir.Path();
        inputs.scratchDir = dir.Path() / "Temp12345";
        inputs.table = &table;
        inputs.accounts = &accounts;
        inputs.saveAccounts = [this]() -> store::Result<void> {
            ++saves;
            return {};
        };
        inputs.values = engine::testing::SampleValues();
        catalogue::CompanyInfo& company = inputs.values.company;
        company.generalEmail = "one@acme.example";
        company.supportEmail = "two@acme.example";
        company.salesEmail = "TWO@acme.example";
        company.contactEmail.clear();
        company.authorEmail = "nobody";
        accounts.defaults.emailLogin = "three@acme.example";
        accounts.defaults.login = "jane";
        inputs.config = testing::TestConfig();
        inputs.today = {2005, 8, 18};
        server.Route("/lost", [](const RecordedRequest& request) {
            return Reply{200,
                         {},
                         request.body.find("login=john") != std::string::npos ? "Your account was sent"
                                                                              : "No such account"};
        });
    }

    sites::SitesR& RequestSite(const std::string& name, const std::vector<std::string>& step)
    {
        sites::SitesR& site = AddSite(table, name);
        site.Request = true;
        SetMember(site, "99", step);
        accounts.rows.push_back({name, "", "", "LOGIN", "", "", true, ""});
        inputs.sites.push_back(name);
        return site;
    }

    RequesterOutcome Run()
    {
        RecordingRequesterView* shown = &view;
        TRequester requester(inputs, *shown, control);
        return requester.Execute();
    }

    std::vector<std::string> Bodies(const std::string& path) const
    {
        std::vector<std::string> bodies;
        for (const RecordedRequest& request : server.Requests()) {
            if (request.target.starts_with(path)) {
                bodies.push_back(request.method == "GET" ? request.target : request.body);
            }
        }
        return bodies;
    }

    testsupport::TempDir dir;
    testsupport::RecordingHttpServer server;
    sites::SiteTable table;
    catalogue::AccountsList accounts;
    RequesterInputs inputs;
    RecordingRequesterView view;
    engine::RunControl control;
    int saves = 0;
};

TEST_F(AccountRequesterTest, SendsOneRequestPerLoginForEveryAddress)
{
    RequestSite("Lost",
                WebStepLines(server.HostPort(),
                             "/lost",
                             "POST",
                             {{"email", "|RequestEmail|"}, {"login", "|RequestLogin|"}},
                             -1,
                             "account was sent"));
    accounts.rows.push_back({"Other", "john", "", "LOGIN", "", "", false, ""});
    const RequesterOutcome outcome = Run();

    EXPECT_FALSE(outcome.stopped);
    EXPECT_EQ(outcome.message, kRequestRetrieved);
    // Three addresses (two differ only in case) times two logins, each pair its own request.
    EXPECT_EQ(Bodies("/lost"),
              (std::vector<std::string>{"email=one@acme.example&login=jane",
                                        "email=one@acme.example&login=john",
                                        "email=TWO@acme.example&login=jane",
                                        "email=TWO@acme.example&login=john",
                                        "email=three@acme.example&login=jane",
                                        "email=three@acme.example&login=john"}));
    for (int n = 1; n <= 6; ++n) {
        EXPECT_TRUE(std::filesystem::exists(dir.Path() / "Request" / ("Lost.htm" + std::to_string(n)))) << n;
    }
    EXPECT_EQ(view.results, (std::vector<std::string>{"Lost Done"}));
    EXPECT_EQ(accounts.FindExact("Lost")->requested, "18-Aug-05");
    EXPECT_EQ(view.progress.back(), 100);
    EXPECT_GE(saves, 1);
}

TEST_F(AccountRequesterTest, AStepWithoutTheMacrosIsSentOnceAndAnEmptySuccessTextPasses)
{
    server.Route("/once", [](const RecordedRequest&) { return Reply{200, {}, "whatever"}; });
    RequestSite("Once",
                WebStepLines(server.HostPort(), "/once", "GET", {{"product", "|ProgramName|"}}, -1, ""));
    RequestSite(
        "Lost",
        WebStepLines(
            server.HostPort(), "/lost", "POST", {{"email", "|RequestEmail|"}}, -1, "account was sent"));
    RequestSite("NoStep", WebStepLines(server.HostPort(), "/once", "GET", {}, -1, ""));
    table.sites.back().Steps.Set(99, "");
    const RequesterOutcome outcome = Run();

    EXPECT_EQ(Bodies("/once"), (std::vector<std::string>{"/once?product=Photo+Resizer+Deluxe"}));
    EXPECT_EQ(view.results, (std::vector<std::string>{"Once Done", "Lost Not Found", "NoStep Not Found"}));
    EXPECT_EQ(outcome.doneSites, (std::vector<std::string>{"Once"}));
    EXPECT_EQ(accounts.FindExact("Once")->requested, RequestedDate(inputs.today));
    EXPECT_EQ(accounts.FindExact("Lost")->requested, "");
}

TEST_F(AccountRequesterTest, ThePreparationPageGivesTheRequestItsToken)
{
    server.Route("/form", [](const RecordedRequest&) {
        return Reply{200, {{"Set-Cookie", "sid=42"}}, "<form>Token: <b>T-981</b></form>"};
    });
    server.Route("/send", [](const RecordedRequest& request) {
        return Reply{
            200, {}, request.body.find("token=T-981") != std::string::npos ? "Mail sent" : "Bad token"};
    });
    sites::SitesR& site = RequestSite("Tokens",
                                      WebStepLines(server.HostPort(),
                                                   "/send",
                                                   "POST",
                                                   {{"token", "|Custom1|"}, {"email", "|RequestEmail|"}},
                                                   -1,
                                                   "Mail sent",
                                                   -2,
                                                   {"EXTRACTTEXT", "Token: <b> |Custom1|"}));
    SetMember(site, "98", WebStepLines(server.HostPort(), "/form", "GET", {}, -1, ""));
    Run();

    EXPECT_TRUE(std::filesystem::exists(dir.Path() / "Request" / "Tokens.htm0"));
    const std::vector<RecordedRequest> requests = server.Requests();
    ASSERT_EQ(requests.size(), 4u); // the form, then one request per address
    EXPECT_EQ(requests[1].Header("Cookie"), "sid=42");
    EXPECT_EQ(view.results, (std::vector<std::string>{"Tokens Done"}));
}

TEST_F(AccountRequesterTest, TheSiteThatShowsTheAccountStoresItButIsNotDone)
{
    inputs.config.requesterEchoSite = "Echo";
    server.Route("/echo", [](const RecordedRequest&) {
        return Reply{200, {}, "<p>UserName: janedoe</p><p>Password: s3cret</p>"};
    });
    RequestSite("The Echo Site",
                WebStepLines(server.HostPort(), "/echo", "POST", {{"email", "|RequestEmail|"}}, -1, ""));
    Run();

    EXPECT_EQ(accounts.FindExact("The Echo Site")->login, "janedoe");
    EXPECT_EQ(accounts.FindExact("The Echo Site")->password, "s3cret");
    EXPECT_EQ(view.results, (std::vector<std::string>{"The Echo Site Not Found"}));
    EXPECT_EQ(accounts.FindExact("The Echo Site")->requested, "");
}

TEST_F(AccountRequesterTest, AFailedRequestIsNoSuccessAndAStopEndsTheRun)
{
    // A request without an answer never passes, not even an empty success text.
    RequestSite("Gone",
                WebStepLines(server.HostPort(), "/missing", "POST", {{"email", "|RequestEmail|"}}, -1, ""));
    RequestSite("Later",
                WebStepLines(server.HostPort(), "/lost", "POST", {{"email", "|RequestEmail|"}}, -1, ""));
    server.Route("/lost", [this](const RecordedRequest&) {
        control.RequestStop();
        return Reply{200, {}, "ok"};
    });
    const RequesterOutcome outcome = Run();

    EXPECT_TRUE(outcome.stopped);
    EXPECT_EQ(outcome.message, kRequestAborted);
    EXPECT_EQ(view.results.front(), "Gone Not Found");
    EXPECT_EQ(Bodies("/lost").size(), 1u) << "the stop ends the run after the current request";
}

} // namespace
} // namespace listrider::companions
