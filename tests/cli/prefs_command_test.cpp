#include <sstream>

#include <gtest/gtest.h>

#include "cli/cli_app.h"
#include "cli/exit_codes.h"
#include "store/file_io.h"
#include "support/temp_dir.h"

namespace listrider::cli {
namespace {

int RunPrefs(std::vector<std::string> args, std::string& out)
{
    std::istringstream in;
    std::ostringstream o;
    std::ostringstream e;
    const int code = RunCli(args, in, o, e, false);
    out = o.str() + e.str();
    return code;
}

TEST(PrefsCommandTest, SetWritesPrefsIniAndShowReadsItBack)
{
    testsupport::TempDir dir;
    const std::string ws = dir.Path().string();
    std::string out;
    ASSERT_EQ(RunPrefs({"--workspace", ws, "prefs", "set", "smtp_port", "2525"}, out), kExitOk) << out;
    ASSERT_EQ(RunPrefs({"--workspace", ws, "prefs", "set", "Proxy_Password", "hidden"}, out), kExitOk) << out;
    EXPECT_NE(testsupport::ReadBytes(dir / "Prefs.ini").find("<SMTP_Port>2525</SMTP_Port>\r\n"),
              std::string::npos);

    ASSERT_EQ(RunPrefs({"--workspace", ws, "prefs", "show"}, out), kExitOk);
    EXPECT_NE(out.find("SMTP_Port: 2525\n"), std::string::npos) << out;
    EXPECT_NE(out.find("Proxy_Password: ********\n"), std::string::npos) << out;
    ASSERT_EQ(RunPrefs({"--workspace", ws, "prefs", "show", "--json", "--reveal"}, out), kExitOk);
    EXPECT_NE(out.find("\"Proxy_Password\":\"hidden\""), std::string::npos) << out;

    EXPECT_EQ(RunPrefs({"--workspace", ws, "prefs", "set", "HTTP_Expire", "0"}, out), kExitUsage);
    EXPECT_EQ(RunPrefs({"--workspace", ws, "prefs", "set", "No_Such", "1"}, out), kExitFailure);
    EXPECT_EQ(RunPrefs({"--workspace", ws, "prefs", "set", "SMTP_Port"}, out), kExitUsage);
}

} // namespace
} // namespace listrider::cli
