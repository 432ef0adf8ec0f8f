#include <chrono>
#include <thread>

#include <gtest/gtest.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

#include "net/completion.h"
#include "net/http_client.h"
#include "support/recording_http_server.h"
#include "support/result_matchers.h"

namespace listrider::net {
namespace {

using namespace std::chrono_literals;
using testsupport::RecordingHttpServer;
using testsupport::Reply;

// Runs an asynchronous request to its end and returns its outcome.
store::Result<void> Finish(HttpClient& client, bool post = false)
{
    Completion done;
    std::optional<store::Result<void>> outcome;
    client.events.onRequestDone = [&](const store::Result<void>& result) {
        outcome = result;
        done.Set();
    };
    const store::Result<void> started = post ? client.PostAsync() : client.GetAsync();
    if (!started) {
        return started;
    }
    EXPECT_TRUE(done.WaitFor(10s));
    while (client.IsBusy()) {
        std::this_thread::sleep_for(1ms);
    }
    client.events.onRequestDone = nullptr;
    return outcome.value_or(store::MakeError(store::ErrorKind::Internal, "no outcome"));
}

// A port on loopback that nobody listens on.
int ClosedPort()
{
    const int fd = ::socket(AF_INET, SOCK_STREAM, 0);
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    ::bind(fd, reinterpret_cast<sockaddr*>(&address), sizeof address);
    socklen_t length = sizeof address;
    ::getsockname(fd, reinterpret_cast<sockaddr*>(&address), &length);
    ::close(fd);
    return ntohs(address.sin_port);
}

TEST(HttpClientTest, SendsExactlyTheConfiguredHeaders)
{
    RecordingHttpServer server;
    server.Route("/form", [](const auto&) { return Reply{200, {}, "page"}; });
    HttpClient client;
    client.options.url = server.Url("/form?a=1");
    client.options.accept = "text/html, */*";
    client.options.acceptLanguage = "en";
    client.options.agent = "Agent/1.0";
    client.options.reference = "http://ref.example/";
    client.options.cookie = "s=1; t=2";
    client.options.noCache = true;
    client.options.contentTypePost = "application/x-www-form-urlencoded";
    client.options.localAddr = "127.0.0.1";
    StringSink sink;
    client.SetResponseStream(&sink);
    ASSERT_OK(Finish(client));
    EXPECT_EQ(sink.Text(), "page");

    // A POST body large enough that libcurl would otherwise ask for 100-continue.
    client.options.sendStream = std::string(200000, 'x');
    ASSERT_OK(Finish(client, true));

    const auto requests = server.Requests();
    ASSERT_EQ(requests.size(), 2u);
    EXPECT_EQ(requests[0].method, "GET");
    EXPECT_EQ(requests[0].target, "/form?a=1");
    EXPECT_EQ(requests[0].HeaderNames(),
              (std::vector<std::string>{
                  "Accept", "Accept-Language", "Cookie", "Host", "Pragma", "Referer", "User-Agent"}));
    EXPECT_EQ(requests[0].Header("Accept"), "text/html, */*");
    EXPECT_EQ(requests[0].Header("User-Agent"), "Agent/1.0");
    EXPECT_EQ(requests[0].Header("Cookie"), "s=1; t=2");
    EXPECT_EQ(requests[0].Header("Pragma"), "no-cache");
    EXPECT_EQ(requests[1].method, "POST");
    EXPECT_EQ(requests[1].HeaderNames(),
              (std::vector<std::string>{"Accept",
                                        "Accept-Language",
                                        "Content-Length",
                                        "Content-Type",
                                        "Cookie",
                                        "Host",
                                        "Pragma",
                                        "Referer",
                                        "User-Agent"}));
    EXPECT_EQ(requests[1].body, client.options.sendStream);
}

TEST(HttpClientTest, CookieOfARedirectReachesTheNextHopAndTheHandlerMayRewriteTheLocation)
{
    RecordingHttpServer server;
    server.Route("/login", [](const auto&) {
        return Reply{302, {{"Set-Cookie", "sid=abc; path=/"}, {"Location", "/wrong"}}, "moved"};
    });
    server.Route("/account", [](const auto&) { return Reply{200, {}, "welcome"}; });
    HttpClient client;
    client.options.url = server.Url("/login");
    client.options.contentTypePost = "application/x-www-form-urlencoded";
    client.options.sendStream = "user=a&pass=b";
    std::vector<std::string> events;
    client.events.onCookie = [&](std::string_view value) {
        events.push_back("cookie " + std::string(value));
        client.options.cookie = std::string(value.substr(0, value.find(';')));
    };
    client.events.onLocationChange = [&](std::string& location) {
        events.push_back("location " + location);
        location = server.Url("/account");
    };
    client.events.onDocBegin = [&] {
        events.push_back("begin");
    };
    client.events.onDocEnd = [&] {
        events.push_back("end");
    };
    StringSink sink;
    client.SetResponseStream(&sink);
    ASSERT_OK(Finish(client, true));

    EXPECT_EQ(sink.Text(), "welcome") << "the body of the redirect is not the document";
    EXPECT_EQ(client.StatusCode(), 200);
    EXPECT_EQ(events,
              (std::vector<std::string>{
                  "cookie sid=abc; path=/", "location " + server.Url("/wrong"), "begin", "end"}));
    const auto requests = server.Requests();
    ASSERT_EQ(requests.size(), 2u);
    EXPECT_EQ(requests[0].method, "POST");
    EXPECT_FALSE(requests[0].HasHeader("Cookie"));
    EXPECT_EQ(requests[1].method, "GET") << "a 302 after a POST is followed with a GET";
    EXPECT_EQ(requests[1].target, "/account");
    EXPECT_EQ(requests[1].Header("Cookie"), "sid=abc");
    EXPECT_FALSE(requests[1].HasHeader("Content-Type"));
}

TEST(HttpClientTest, RedirectsAreBoundedAndStayOnTheWeb)
{
    RecordingHttpServer server;
    server.Route("/loop", [](const testsupport::RecordedRequest& request) {
        const int n = std::stoi(request.target.substr(request.target.find('=') + 1));
        return Reply{301, {{"Location", "loop?n=" + std::to_string(n + 1)}}, ""};
    });
    server.Route("/ftp", [](const auto&) { return Reply{302, {{"Location", "ftp://127.0.0.1/file"}}, ""}; });
    server.Route("/file", [](const auto&) { return Reply{302, {{"Location", "file:///etc/passwd"}}, ""}; });

    HttpClient client;
    bool begun = false;
    client.events.onDocBegin = [&] {
        begun = true;
    };
    client.options.url = server.Url("/loop?n=0");
    EXPECT_ERROR_KIND(Finish(client), store::ErrorKind::Malformed);
    EXPECT_FALSE(begun);
    EXPECT_EQ(server.Requests().size(), 21u) << "the first request and 20 redirects";
    EXPECT_EQ(server.Requests().back().target, "/loop?n=20");

    for (const char* path : {"/ftp", "/file"}) {
        SCOPED_TRACE(path);
        client.options.url = server.Url(path);
        EXPECT_ERROR_KIND(Finish(client), store::ErrorKind::Unsupported);
        EXPECT_FALSE(begun);
    }
}

TEST(HttpClientTest, AbortFromAnotherThreadReleasesTheWaiterAtOnce)
{
    RecordingHttpServer server;
    server.Route("/slow", [](const auto&) { return Reply{200, {}, "late", "text/html", 10s}; });
    for (const bool viaControl : {false, true}) {
        SCOPED_TRACE(viaControl ? "transfer control" : "client abort");
        HttpClient client;
        TransferControl control;
        client.SetTransferControl(&control);
        client.options.url = server.Url("/slow");
        Completion done;
        std::optional<store::Result<void>> outcome;
        client.events.onRequestDone = [&](const store::Result<void>& result) {
            outcome = result;
            done.Set();
        };
        ASSERT_OK(client.GetAsync());
        std::this_thread::sleep_for(200ms);
        EXPECT_TRUE(client.IsBusy());
        const auto start = std::chrono::steady_clock::now();
        std::thread aborter([&] { viaControl ? control.RequestAbort() : client.Abort(); });
        ASSERT_TRUE(done.WaitFor(5s));
        const auto took = std::chrono::steady_clock::now() - start;
        aborter.join();
        EXPECT_LT(took, 100ms);
        ASSERT_TRUE(outcome);
        EXPECT_ERROR_KIND(*outcome, store::ErrorKind::Cancelled);
    }
}

TEST(HttpClientTest, TransportFailuresAndErrorStatuses)
{
    RecordingHttpServer server;
    server.Route("/big", [](const auto&) { return Reply{200, {}, std::string(5000, 'b')}; });
    HttpClient client;
    StringSink sink;
    client.SetResponseStream(&sink);
    bool begun = false;
    client.events.onDocBegin = [&] {
        begun = true;
    };

    client.options.url = "http://127.0.0.1:" + std::to_string(ClosedPort()) + "/";
    EXPECT_ERROR_KIND(Finish(client), store::ErrorKind::Refused);
    EXPECT_FALSE(begun);
    EXPECT_ERROR_KIND(client.Head(), store::ErrorKind::Refused);

    client.options.url = server.Url("/missing");
    ASSERT_OK(Finish(client)) << "an error status is a page like any other";
    EXPECT_EQ(client.StatusCode(), 404);
    EXPECT_EQ(client.ReasonPhrase(), "Not Found");
    EXPECT_EQ(sink.Text(), "not found");
    EXPECT_ERROR_KIND(client.Head(), store::ErrorKind::HttpStatus);

    sink.Clear();
    client.options.url = server.Url("/big");
    client.SetMaxResponseBytes(1000);
    EXPECT_ERROR_KIND(Finish(client), store::ErrorKind::Malformed);
    EXPECT_TRUE(client.Truncated());
    EXPECT_EQ(sink.Text(), std::string(1000, 'b'));

    client.options.url = "not a url";
    EXPECT_ERROR_KIND(client.GetAsync(), store::ErrorKind::Malformed);
}

} // namespace
} // namespace listrider::net
