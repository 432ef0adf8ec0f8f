#include <chrono>
#include <thread>

#include <gtest/gtest.h>

#include "engine/request_composer.h"
#include "store/file_system.h"
#include "support/recording_http_server.h"
#include "support/result_matchers.h"
#include "support/temp_dir.h"

namespace listrider::engine {
namespace {

using namespace std::chrono_literals;
using testsupport::ReadBytes;
using testsupport::RecordedRequest;
using testsupport::RecordingHttpServer;
using testsupport::Reply;
using testsupport::TempDir;

class RequestComposerTest : public ::testing::Test
{
protected:
    StepRequest Step(std::string method,
                     std::string path,
                     std::vector<std::string> names = {},
                     std::vector<std::string> values = {})
    {
        StepRequest step;
        step.host = server.HostPort();
        step.path = std::move(path);
        step.method = std::move(method);
        step.names = std::move(names);
        step.values = std::move(values);
        step.savedPage = dir / ("Site.htm" + std::to_string(++pages));
        step.stepFileName = "Site.1";
        return step;
    }

    bool Send(StepRequest& step, const SiteFacts& site = {"Site", false})
    {
        composer.RecreateHTTP();
        const store::Result<bool> sent = composer.SendStepRequest(step, site, uploads);
        EXPECT_OK(sent);
        return sent.HasValue() && sent.Value();
    }

    RecordingHttpServer server;
    TempDir dir;
    RequestComposer composer;
    UploadPaths uploads;
    int pages = 0;
};

TEST_F(RequestComposerTest, GetBuildsTheAddressAndStreamsThePageToFile)
{
    server.Route("/list", [](const auto&) { return Reply{200, {}, "line1\r\nline2\n"}; });
    server.Route("/a b", [](const auto&) { return Reply{200, {}, "ok"}; });

    StepRequest bare = Step("get", "/list");
    EXPECT_TRUE(Send(bare));
    EXPECT_EQ(ReadBytes(bare.savedPage), "line1\r\nline2\n") << "a GET keeps the bytes as received";
    EXPECT_FALSE(composer.EmptyPage());

    composer.SetMacroResolver([](std::string_view token, std::string& out) {
        out += token == "|Name|" ? std::string_view("My App") : token;
    });
    StepRequest fields = Step("GET", "/a b", {"q", "", "x y", "k"}, {"|Name|", "", "1", ""});
    EXPECT_TRUE(Send(fields, {"Site", true}));
    EXPECT_EQ(fields.names, (std::vector<std::string>{"q", "x y", "k"})) << "the empty pair is removed";
    EXPECT_EQ(fields.values, (std::vector<std::string>{"My App", "1", ""}));

    const auto requests = server.Requests();
    ASSERT_EQ(requests.size(), 2u);
    EXPECT_EQ(requests[0].target, "/list") << "no fields: no '?'";
    EXPECT_EQ(requests[1].target, "/a%20b?q=My%20App&x+y=1&k=");
    EXPECT_EQ(requests[0].HeaderNames(),
              (std::vector<std::string>{"Accept", "Accept-Language", "Host", "Pragma", "User-Agent"}));
    EXPECT_EQ(requests[0].Header("Accept"), kHttpAccept);
    EXPECT_EQ(requests[0].Header("User-Agent"), kHttpAgent);
    EXPECT_EQ(requests[0].Header("Accept-Language"), "en");
    EXPECT_EQ(composer.Counters().webRequests, 2);
}

TEST_F(RequestComposerTest, PostSpecialSendsTheFormBodyWithItsEmptyPairs)
{
    server.Route("/submit", [](const auto&) { return Reply{200, {}, "thanks\nbye"}; });
    StepRequest step = Step("POSTSPECIAL", "/submit", {"name", "", "desc"}, {"a b", "", "x&y=z"});
    EXPECT_TRUE(Send(step, {"Site", true}));
    const auto requests = server.Requests();
    ASSERT_EQ(requests.size(), 1u);
    EXPECT_EQ(requests[0].method, "POST");
    EXPECT_EQ(requests[0].body, "name=a+b&=&desc=x%26y%3Dz") << "spaces stay '+' in bodies, even with HasPrb";
    EXPECT_EQ(requests[0].Header("Content-Type"), kFormContentType);
    EXPECT_EQ(ReadBytes(step.savedPage), "thanks\nbye");
}

TEST_F(RequestComposerTest, UploadBuildsTheMultipartBodyByteForByte)
{
    server.Route("/up", [](const auto&) { return Reply{200, {}, "uploaded"}; });
    const std::string pad = dir.Write("home/user/pads/my_app.xml", "<XML_DIZ_INFO/>").string();
    uploads = {pad, "", "", ""};
    StepRequest step =
        Step("POSTUPLOAD",
             "/up",
             {"title", "padfile", "shot", "desc", "we\"ird\r\nname", "", "note"},
             {"My App", pad, "-empty binary-", "see /etc/passwd or C:\\boot.ini", "v", "", "-empty text-"});
    EXPECT_TRUE(Send(step));
    EXPECT_EQ(step.values[2], "") << "a placeholder becomes empty in the list too";

    const auto requests = server.Requests();
    ASSERT_EQ(requests.size(), 1u);
    const std::string type = requests[0].Header("Content-Type");
    const std::string prefix = "multipart/form-data; boundary=";
    ASSERT_EQ(type.substr(0, prefix.size()), prefix);
    const std::string boundary = "--" + type.substr(prefix.size());
    ASSERT_EQ(boundary.size(), 29u + 15u);
    EXPECT_EQ(boundary.substr(0, 29), std::string(29, '-'));
    const std::string expected =
        "\r\n" + boundary + "\r\nContent-Disposition: form-data; name=\"title\"\r\n\r\nMy App" + "\r\n" +
        boundary +
        "\r\nContent-Disposition: form-data; name=\"padfile\"; filename=\"my_app.xml\"\r\n"
        "Content-Type: application/octet-stream\r\n\r\n<XML_DIZ_INFO/>" +
        "\r\n" + boundary +
        "\r\nContent-Disposition: form-data; name=\"shot\"; filename=\"\"\r\n"
        "Content-Type: application/octet-stream\r\n\r\n" +
        "\r\n" + boundary +
        "\r\nContent-Disposition: form-data; name=\"desc\"\r\n\r\nsee /etc/passwd or C:\\boot.ini" + "\r\n" +
        boundary + "\r\nContent-Disposition: form-data; name=\"we%22ird%0D%0Aname\"\r\n\r\nv" + "\r\n" +
        boundary +
        "\r\nContent-Disposition: form-data; name=\"note\"; filename=\"\"\r\n"
        "Content-Type: application/octet-stream\r\n\r\n" +
        "\r\n" + boundary + "--\r\n";
    EXPECT_EQ(requests[0].body, expected);
    EXPECT_EQ(ReadBytes(step.savedPage), "uploaded");
}

TEST_F(RequestComposerTest, UnreadableUploadIsAProcessingErrorAndSendsNothing)
{
    uploads = {(dir / "gone.zip").string(), "", "", ""};
    StepRequest step = Step("POSTUPLOAD", "/up", {"file"}, {uploads[0]});
    composer.RecreateHTTP();
    EXPECT_ERROR_KIND(composer.SendStepRequest(step, {"Site", false}, uploads), store::ErrorKind::Io);
    EXPECT_TRUE(server.Requests().empty());
}

TEST_F(RequestComposerTest, PostBruteAndUnknownMethodsSendNothing)
{
    for (const char* method : {"POSTBRUTE", "PUT", ""}) {
        SCOPED_TRACE(method);
        StepRequest step = Step(method, "/x", {"a"}, {"b"});
        EXPECT_TRUE(Send(step));
        EXPECT_EQ(store::FileSizeOf(step.savedPage), -1) << "no page is written";
    }
    EXPECT_TRUE(server.Requests().empty());
}

TEST_F(RequestComposerTest, CookiesCrossTheRedirectOnceAndSurviveRecreation)
{
    server.Route("/login", [](const auto&) {
        return Reply{
            302, {{"Set-Cookie", "sid=1; path=/"}, {"Set-Cookie", "lang=en"}, {"Location", "/home"}}, ""};
    });
    server.Route("/home", [](const auto&) {
        return Reply{200, {{"Set-Cookie", "SID=1; path=/other"}}, "home"};
    });
    StepRequest login = Step("POSTSPECIAL", "/login", {"u"}, {"me"});
    EXPECT_TRUE(Send(login));
    EXPECT_EQ(ReadBytes(login.savedPage), "home");
    EXPECT_EQ(composer.Cookie(), "sid=1; lang=en") << "the same cookie again is not added";

    StepRequest next = Step("GET", "/home");
    EXPECT_TRUE(Send(next));
    const auto requests = server.Requests();
    ASSERT_EQ(requests.size(), 3u);
    EXPECT_EQ(requests[0].method, "POST");
    EXPECT_FALSE(requests[0].HasHeader("Cookie"));
    EXPECT_EQ(requests[1].method, "GET");
    EXPECT_EQ(requests[1].target, "/home");
    EXPECT_EQ(requests[1].Header("Cookie"), "sid=1; lang=en");
    EXPECT_EQ(requests[2].Header("Cookie"), "sid=1; lang=en") << "kept across RecreateHTTP";

    composer.ClearCookie();
    StepRequest fresh = Step("GET", "/nowhere");
    EXPECT_TRUE(Send(fresh));
    EXPECT_FALSE(server.Requests().back().HasHeader("Cookie"));
}

TEST_F(RequestComposerTest, FreewareHomeRedirectsAreDecoded)
{
    server.Route("/go", [](const auto&) { return Reply{302, {{"Location", "/dest%3Fid%3D7"}}, ""}; });
    server.Route("/dest", [](const auto&) { return Reply{200, {}, "decoded"}; });
    StepRequest other = Step("GET", "/go");
    EXPECT_TRUE(Send(other, {"Other Site", false}));
    StepRequest freeware = Step("GET", "/go");
    EXPECT_TRUE(Send(freeware, {"Freeware Home", false}));
    const auto requests = server.Requests();
    ASSERT_EQ(requests.size(), 4u);
    EXPECT_EQ(requests[1].target, "/dest%3Fid%3D7");
    EXPECT_EQ(requests[3].target, "/dest?id=7");
    EXPECT_EQ(ReadBytes(freeware.savedPage), "decoded");
}

TEST_F(RequestComposerTest, FailuresLeaveTheRightPagesAndLogLines)
{
    server.Route("/big", [](const auto&) { return Reply{200, {}, std::string(4096, 'x')}; });
    composer.SetRunLog(dir / "Log.txt");

    StepRequest missing = Step("GET", "/missing");
    EXPECT_TRUE(Send(missing)) << "a 404 page is judged like any page";
    EXPECT_EQ(ReadBytes(missing.savedPage), "not found");

    StepRequest refused = Step("GET", "/");
    refused.host = "127.0.0.1:1";
    EXPECT_TRUE(Send(refused));
    EXPECT_TRUE(composer.EmptyPage());
    EXPECT_EQ(store::FileSizeOf(refused.savedPage), 0);
    StepRequest refusedPost = Step("POSTSPECIAL", "/");
    refusedPost.host = "127.0.0.1:1";
    EXPECT_TRUE(Send(refusedPost));
    EXPECT_TRUE(composer.EmptyPage());

    composer.SetMaxResponseBytes(1000);
    StepRequest big = Step("GET", "/big");
    EXPECT_FALSE(Send(big));
    EXPECT_EQ(store::FileSizeOf(big.savedPage), 1000);
    EXPECT_EQ(composer.HttpErrorCode(), 200);
    StepRequest bigPost = Step("POSTSPECIAL", "/big");
    EXPECT_FALSE(Send(bigPost));

    StepRequest unusable = Step("GET", "/x");
    unusable.host = "[::1";
    EXPECT_FALSE(Send(unusable));
    EXPECT_EQ(composer.HttpErrorText(), "Invalid URL");
    EXPECT_TRUE(composer.EmptyPage());

    EXPECT_EQ(ReadBytes(dir / "Log.txt"),
              "GET Failed with error code 200 - Response too large (cut at 1000 bytes)\r\n"
              "POSTSPECIAL failed for Site.1 with code 200 - Response too large (cut at 1000 bytes)\r\n"
              "GET Failed with error code 0 - Invalid URL\r\n");
}

TEST_F(RequestComposerTest, AbortReleasesTheWorkerAtOnce)
{
    server.Route("/slow", [](const auto&) { return Reply{200, {}, "late", "text/html", 10s}; });
    StepRequest step = Step("GET", "/slow");
    composer.RecreateHTTP();
    std::chrono::steady_clock::time_point aborted;
    std::thread skipper([&] {
        std::this_thread::sleep_for(300ms);
        aborted = std::chrono::steady_clock::now();
        composer.Abort();
    });
    const store::Result<bool> sent = composer.SendStepRequest(step, {"Site", false}, uploads);
    const auto returned = std::chrono::steady_clock::now();
    skipper.join();
    ASSERT_OK(sent);
    EXPECT_TRUE(sent.Value());
    EXPECT_LT(returned - aborted, 100ms);
    EXPECT_TRUE(composer.EmptyPage());
}

class RecordingView final : public RequestView
{
public:
    void ShowHttpAction(const std::string& text) override { last = text; }

    std::string last;
};

TEST_F(RequestComposerTest, ByteCountsReachTheView)
{
    server.Route("/echo", [](const RecordedRequest& request) { return Reply{200, {}, request.body + "!"}; });
    RecordingView view;
    composer.SetView(&view);
    StepRequest step = Step("POSTSPECIAL", "/echo", {"a"}, {"12345"});
    EXPECT_TRUE(Send(step));
    EXPECT_EQ(composer.RequestBytesSent(), 7);
    EXPECT_EQ(composer.RequestBytesReceived(), 8);
    EXPECT_EQ(view.last, "HTTP operation - 8 bytes received");
    EXPECT_EQ(composer.Counters().bytesSent, 7);

    // A host line with its own scheme is used as it stands.
    StepRequest schemed = Step("GET", "/echo");
    schemed.host = server.Url();
    EXPECT_TRUE(Send(schemed));
    EXPECT_EQ(ReadBytes(schemed.savedPage), "!");
}

} // namespace
} // namespace listrider::engine
