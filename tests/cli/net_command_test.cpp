#include <sstream>

#include <gtest/gtest.h>

#include "cli/cli_app.h"
#include "cli/exit_codes.h"
#include "support/recording_http_server.h"
#include "support/temp_dir.h"

namespace listrider::cli {
namespace {

using testsupport::Reply;

TEST(NetCommandTest, FetchShowsCookiesRedirectsAndThePage)
{
    testsupport::RecordingHttpServer server;
    server.Route("/start", [](const auto&) {
        return Reply{302, {{"Set-Cookie", "a=1; path=/"}, {"Location", "/end"}}, ""};
    });
    server.Route("/end", [](const auto&) { return Reply{200, {}, "the page"}; });
    testsupport::TempDir dir;
    std::istringstream in;
    std::ostringstream out;
    std::ostringstream err;
    const std::vector<std::string> args = {
        "--workspace", dir.Path().string(), "net", "fetch", server.Url("/start")};
    const int code = RunCli(args, in, out, err, false);
    EXPECT_EQ(code, kExitOk) << err.str();
    EXPECT_EQ(out.str(),
              "Cookie: a=1; path=/\nRedirect: " + server.Url("/end") + "\nStatus: 200 OK\n\nthe page");
    ASSERT_EQ(server.Requests().size(), 2u);
    EXPECT_EQ(server.Requests()[1].Header("Cookie"), "a=1");
}

} // namespace
} // namespace listrider::cli
