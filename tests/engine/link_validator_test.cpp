#include <mutex>

#include <gtest/gtest.h>

#include "engine/connection_test.h"
#include "engine/link_validator.h"
#include "support/recording_http_server.h"
#include "support/temp_dir.h"

namespace listrider::engine {
namespace {

using testsupport::RecordedRequest;
using testsupport::Reply;

class RecordingView final : public RunView
{
public:
    void Apply(const RunEvent& event) override
    {
        std::lock_guard lock(m_mutex);
        if (const auto* link = std::get_if<run_event::LinkChecked>(&event)) {
            states.push_back(link->label + "=" + link->state);
        }
        if (const auto* message = std::get_if<run_event::Message>(&event)) {
            messages.push_back(message->text);
        }
    }

    void ShowProgress(const std::string&) override {}

    std::vector<std::string> states;
    std::vector<std::string> messages;

private:
    std::mutex m_mutex;
};

TEST(LinkValidatorTest, SkipRules)
{
    struct Case
    {
        const char* url;
        bool orderPage;
        bool skipped;
    };

    for (const Case& c : {Case{"", false, true},
                          Case{"http://", false, true},
                          Case{"ftp://x.example/a", false, true},
                          Case{"FTP://x.example/a", false, true},
                          Case{"https://x.example/", false, false},
                          Case{"http://www.regsoft.net/buy", true, true},
                          Case{"http://www.regsoft.net/buy", false, false},
                          Case{"http://store.esellerate.net/s", true, true},
                          Case{"http://x.example/", true, false}}) {
        SCOPED_TRACE(c.url);
        EXPECT_EQ(IsSkippedLink(c.url, c.orderPage), c.skipped);
    }
    EXPECT_TRUE(IsNotFoundLocation("http://x.example/NotFound.html"));
    EXPECT_TRUE(IsNotFoundLocation("/err/404"));
    EXPECT_FALSE(IsNotFoundLocation("/found"));
}

TEST(LinkValidatorTest, ChecksEveryRowAndFailsOnBadLinks)
{
    testsupport::RecordingHttpServer server;
    server.Route("/ok", [](const RecordedRequest&) { return Reply{}; });
    server.Route("/no head", [](const RecordedRequest& request) {
        Reply reply;
        reply.status = request.method == "HEAD" ? 405 : 200;
        reply.body = std::string(100000, 'x');
        return reply;
    });
    server.Route("/moved", [](const RecordedRequest&) {
        Reply reply;
        reply.status = 302;
        reply.headers = {{"Location", "/notfound.htm"}};
        return reply;
    });
    server.Route("/notfound.htm", [](const RecordedRequest&) { return Reply{}; });
    std::array<LinkRow, 10> links = {
        LinkRow{"Company WebSite URL", server.Url("/ok"), false},
        LinkRow{"Application Info URL", server.Url("/no head"), false},
        LinkRow{"Order Page URL", "http://regsoft.example/order", true},
        LinkRow{"Screenshot URL", server.Url("/missing.png"), false},
        LinkRow{"Program Icon URL", server.Url("/moved"), false},
        LinkRow{"PAD XML file URL", "http://", false},
        LinkRow{"Primary Download URL", "https://" + server.HostPort() + "/ok", false},
        LinkRow{"Secondary Download URL", "", false},
        LinkRow{"Additional Download URL1", "ftp://x.example/f", false},
        LinkRow{"Additional Download URL2", server.Url("/ok"), false}};
    RunControl control;
    RecordingView view;
    TValidator validator(control, view, {}, nullptr);
    const ValidationResult result = validator.Execute(links);
    EXPECT_FALSE(result.allPassed);
    EXPECT_EQ(view.states,
              (std::vector<std::string>{"Company WebSite URL=Passed",
                                        "Application Info URL=Passed",
                                        "Order Page URL=Skipped",
                                        "Screenshot URL=Failed",
                                        "Program Icon URL=Failed",
                                        "PAD XML file URL=Skipped",
                                        "Primary Download URL=Failed",
                                        "Secondary Download URL=Skipped",
                                        "Additional Download URL1=Skipped",
                                        "Additional Download URL2=Passed"}));
    EXPECT_EQ(view.messages, (std::vector<std::string>{std::string(kLinksIncorrectMessage)}));
    bool sawSpace = false;
    bool sawRetry = false;
    for (const RecordedRequest& request : server.Requests()) {
        sawSpace = sawSpace || request.target == "/no%20head";
        sawRetry = sawRetry || (request.method == "GET" && request.target == "/no%20head");
    }
    EXPECT_TRUE(sawSpace) << "spaces are requested as %20";
    EXPECT_TRUE(sawRetry) << "a refused HEAD is tried once with GET";
}

TEST(LinkValidatorTest, ATimedOutCheckEndsTheValidation)
{
    testsupport::RecordingHttpServer server;
    server.Route("/slow", [](const RecordedRequest&) {
        Reply reply;
        reply.delay = std::chrono::milliseconds(2000);
        return reply;
    });
    std::array<LinkRow, 10> links;
    links[0] = LinkRow{"Company WebSite URL", server.Url("/slow"), false};
    links[1] = LinkRow{"Application Info URL", server.Url("/slow"), false};
    RunControl control;
    RecordingView view;
    TValidator validator(control, view, {}, nullptr);
    validator.SetTimeout(std::chrono::milliseconds(50));
    const auto start = std::chrono::steady_clock::now();
    const ValidationResult result = validator.Execute(links);
    EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::milliseconds(1000));
    EXPECT_TRUE(result.timedOut);
    EXPECT_EQ(view.states.size(), 1u) << "the rows after the timed-out one keep their empty status";
    EXPECT_EQ(view.messages, (std::vector<std::string>{std::string(kLinksTimedOutMessage)}));
}

TEST(ConnectionTestTest, FetchesTheTestFileUnlessSkipped)
{
    testsupport::TempDir dir;
    testsupport::RecordingHttpServer server;
    server.Route("/test.txt", [](const RecordedRequest&) { return Reply{}; });
    const std::vector<std::string> addresses = {"127.0.0.2", "127.0.0.1"};
    ConnectionTestResult result =
        RunConnectionTest(dir.Path(), server.HostPort(), addresses, {}, nullptr, nullptr);
    EXPECT_TRUE(result.passed);
    EXPECT_FALSE(result.localAddress.empty());
    EXPECT_EQ(server.Requests().at(0).target, "/test.txt");

    EXPECT_FALSE(
        RunConnectionTest(dir.Path(), server.HostPort() + "/none", addresses, {}, nullptr, nullptr).passed);
    result = RunConnectionTest(dir.Path(), "", addresses, {}, nullptr, nullptr);
    EXPECT_TRUE(result.passed) << "no test host: the test is skipped";
    EXPECT_EQ(result.localAddress, "");

    dir.Write("ip.ini", "10.1.2.3");
    const std::size_t requests = server.Requests().size();
    result = RunConnectionTest(dir.Path(), server.HostPort(), addresses, {}, nullptr, nullptr);
    EXPECT_TRUE(result.passed);
    EXPECT_EQ(result.localAddress, "10.1.2.3");
    EXPECT_EQ(server.Requests().size(), requests) << "ip.ini: no request";
}

} // namespace
} // namespace listrider::engine
