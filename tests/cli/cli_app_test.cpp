#include <cstdlib>
#include <sstream>

#include <gtest/gtest.h>

#include "cli/cli_app.h"
#include "cli/exit_codes.h"
#include "support/temp_dir.h"

namespace listrider::cli {
namespace {

namespace fs = std::filesystem;

struct CliRun
{
    int code = -1;
    std::string out;
    std::string err;
};

CliRun RunWith(std::vector<std::string> args, std::string input = {}, bool interactive = false)
{
    std::istringstream in(input);
    std::ostringstream out;
    std::ostringstream err;
    CliRun run;
    run.code = RunCli(args, in, out, err, interactive);
    run.out = out.str();
    run.err = err.str();
    return run;
}

TEST(CliAppTest, VersionAndHelp)
{
    const CliRun version = RunWith({"--version"});
    EXPECT_EQ(version.code, kExitOk);
    EXPECT_EQ(version.out, "listrider-cli 1.32\n");

    const CliRun help = RunWith({"--help"});
    EXPECT_EQ(help.code, kExitOk);
    EXPECT_NE(help.out.find("--workspace DIR"), std::string::npos);
    EXPECT_NE(help.out.find("config"), std::string::npos);

    const CliRun commandHelp = RunWith({"config", "--help"});
    EXPECT_EQ(commandHelp.code, kExitOk);
    EXPECT_NE(commandHelp.out.find("Usage: listrider-cli config show"), std::string::npos);
}

TEST(CliAppTest, BadUsageHasItsOwnExitCode)
{
    const std::vector<std::vector<std::string>> lines = {
        {},
        {"no-such-command"},
        {"--no-such-option"},
        {"--yes", "--no", "config", "show"},
        {"--workspace"},
        {"config"},
        {"config", "show", "--bogus"},
        {"config", "frobnicate"},
    };
    for (const auto& line : lines) {
        SCOPED_TRACE(line.empty() ? std::string("(nothing)") : line[0]);
        const CliRun run = RunWith(line);
        EXPECT_EQ(run.code, kExitUsage);
        EXPECT_FALSE(run.err.empty());
    }
}

TEST(CliAppTest, CreatesTheWorkspaceOnFirstUse)
{
    testsupport::TempDir dir;
    const fs::path workspace = dir / "nested" / "ws";
    const CliRun run = RunWith({"config", "path", "--workspace", workspace.string()});
    EXPECT_EQ(run.code, kExitOk) << run.err;
    EXPECT_TRUE(fs::is_directory(workspace));
    EXPECT_EQ(run.out, (workspace / "installation.ini").string() + "\n");
}

TEST(CliAppTest, WorkspaceComesFromTheEnvironmentWithoutTheOption)
{
    testsupport::TempDir dir;
    const char* savedHome = std::getenv("HOME");
    const std::string home = savedHome != nullptr ? savedHome : "";
    ::unsetenv("LISTRIDER_WORKSPACE");
    ::setenv("XDG_DATA_HOME", (dir / "xdg").c_str(), 1);
    EXPECT_EQ(RunWith({"config", "path"}).out,
              (dir / "xdg" / "listrider" / "installation.ini").string() + "\n");
    ::unsetenv("XDG_DATA_HOME");
    ::setenv("HOME", (dir / "home").c_str(), 1);
    EXPECT_EQ(RunWith({"config", "path"}).out,
              (dir / "home" / ".local" / "share" / "listrider" / "installation.ini").string() + "\n");
    ::setenv("LISTRIDER_WORKSPACE", (dir / "env").c_str(), 1);
    EXPECT_EQ(RunWith({"config", "path"}).out, (dir / "env" / "installation.ini").string() + "\n");
    ::unsetenv("LISTRIDER_WORKSPACE");
    ::setenv("HOME", home.c_str(), 1);
}

TEST(CliAppTest, QuestionsNeedAnAnswer)
{
    testsupport::TempDir dir;
    const std::string ws = dir.Path().string();
    ASSERT_EQ(RunWith({"--workspace", ws, "config", "init"}).code, kExitOk);
    dir.Write("installation.ini", "<Test_Host>edited</Test_Host>");

    const CliRun refused = RunWith({"--workspace", ws, "config", "init"});
    EXPECT_EQ(refused.code, kExitFailure);
    EXPECT_NE(refused.err.find("--yes or --no"), std::string::npos);
    EXPECT_EQ(testsupport::ReadBytes(dir / "installation.ini"), "<Test_Host>edited</Test_Host>");

    EXPECT_EQ(RunWith({"--workspace", ws, "config", "init", "--no"}).code, kExitOk);
    EXPECT_EQ(testsupport::ReadBytes(dir / "installation.ini"), "<Test_Host>edited</Test_Host>");

    const CliRun asked = RunWith({"--workspace", ws, "config", "init"}, "maybe\ny\n", true);
    EXPECT_EQ(asked.code, kExitOk);
    EXPECT_NE(asked.out.find("[y/n]"), std::string::npos);
    EXPECT_NE(testsupport::ReadBytes(dir / "installation.ini").find("<Test_Host></Test_Host>"),
              std::string::npos);

    dir.Write("installation.ini", "<Test_Host>edited</Test_Host>");
    EXPECT_EQ(RunWith({"config", "init", "--yes", "--workspace", ws}).code, kExitOk);
    EXPECT_NE(testsupport::ReadBytes(dir / "installation.ini").find("<Test_Host></Test_Host>"),
              std::string::npos);
}

TEST(CliAppTest, ConfigShowMasksSecretsAndListsNotes)
{
    testsupport::TempDir dir;
    dir.Write("installation.ini", "<Site_Data_Key>hidden</Site_Data_Key>\r\n<Default_Key>bad</Default_Key>");
    const CliRun shown = RunWith({"--workspace", dir.Path().string(), "config", "show"});
    EXPECT_EQ(shown.code, kExitOk);
    EXPECT_EQ(shown.out.find("hidden"), std::string::npos);
    EXPECT_NE(shown.out.find("Site_Data_Key: ********"), std::string::npos);
    EXPECT_NE(shown.err.find("Default_Key must have 7 characters"), std::string::npos);

    const CliRun json = RunWith({"--workspace", dir.Path().string(), "config", "show", "--json", "--reveal"});
    EXPECT_NE(json.out.find("\"Site_Data_Key\":\"hidden\""), std::string::npos);
    EXPECT_NE(json.out.find("\"notes\":[\"Default_Key"), std::string::npos);
}

} // namespace
} // namespace listrider::cli
