#include <sstream>

#include <gtest/gtest.h>

#include "cli/cli_app.h"
#include "cli/exit_codes.h"
#include "support/temp_dir.h"

namespace listrider::cli {
namespace {

namespace fs = std::filesystem;

const std::string kFixture = (fs::path(LISTRIDER_TEST_DATA) / "sites" / "source").string();

struct CliRun
{
    int code = -1;
    std::string out;
    std::string err;
};

CliRun RunCliWith(std::vector<std::string> args)
{
    std::istringstream in;
    std::ostringstream out;
    std::ostringstream err;
    CliRun run;
    run.code = RunCli(args, in, out, err, false);
    run.out = out.str();
    run.err = err.str();
    return run;
}

bool Has(const std::string& text, const std::string& part)
{
    return text.find(part) != std::string::npos;
}

class SitedbCommandTest : public ::testing::Test
{
protected:
    CliRun Sitedb(std::vector<std::string> args)
    {
        args.insert(args.begin(), {"--workspace", m_dir.Path().string() + "/ws", "sitedb"});
        return RunCliWith(args);
    }

    testsupport::TempDir m_dir;
};

TEST_F(SitedbCommandTest, BuildsListsAndShowsTheDatabase)
{
    const CliRun built = Sitedb({"build", kFixture});
    ASSERT_EQ(built.code, kExitOk) << built.err;
    EXPECT_TRUE(Has(built.out, "Built 4 sites (4 packages)"));
    EXPECT_TRUE(Has(built.out, "3 sites load and pass the integrity check; 7 steps read back as written"));
    EXPECT_TRUE(Has(built.err, "\"Old Site\" is disabled"));

    const CliRun list = Sitedb({"list"});
    ASSERT_EQ(list.code, kExitOk) << list.err;
    EXPECT_TRUE(Has(list.out,
                    "Alpha Soft         All             LOGINPASSWORD  Windows, Mac  English   "
                    "categories,pad,back-link"));
    EXPECT_TRUE(Has(list.out, "3 sites"));
    EXPECT_FALSE(Has(list.out, "Old Site"));

    const CliRun json = Sitedb({"list", "--json"});
    EXPECT_TRUE(Has(json.out, "\"name\":\"Searchy\""));
    EXPECT_TRUE(Has(json.out, "\"statsInfo\":[true,false,true,false,true]"));

    const CliRun step = Sitedb({"show", "Alpha Soft", "--step", "1", "--category", "Utilities"});
    ASSERT_EQ(step.code, kExitOk) << step.err;
    EXPECT_TRUE(Has(step.out, "Members: sub 1 cod cat os prb"));
    EXPECT_TRUE(Has(step.out, "Method: POSTUPLOAD"));
    EXPECT_TRUE(Has(step.out, "  version = |ProgramVersion|"));
    EXPECT_TRUE(Has(step.out, "OnSuccess: -1\nSuccess text: Thank you for your submission"));
    EXPECT_TRUE(Has(step.out, "  EXTRACTTEXT\n  name=\"token\" value= |Custom1|"));
    EXPECT_TRUE(Has(step.out, "Category: System Utilities"));

    const CliRun search = Sitedb({"show", "Searchy", "--step", "150", "--json"});
    ASSERT_EQ(search.code, kExitOk) << search.err;
    EXPECT_TRUE(Has(search.out, "\"entryStep\":\"150\""));
    EXPECT_TRUE(Has(search.out, "\"onSuccess\":151"));
    EXPECT_TRUE(Has(search.out, "\"search\":{\"notListedStep\":0,\"otherVersionStep\":2}"));

    const CliRun mail = Sitedb({"show", "MailBox Downloads", "--step", "sub"});
    EXPECT_TRUE(Has(mail.out, "Channel: EMAIL\nRecipient: submit@mailbox.example"));

    const CliRun missingStep = Sitedb({"show", "Searchy", "--step", "31"});
    EXPECT_EQ(missingStep.code, kExitFailure);
    EXPECT_TRUE(Has(missingStep.err, "Error Loading Site"));

    const CliRun disabled = Sitedb({"show", "Old Site"});
    EXPECT_EQ(disabled.code, kExitFailure);
    EXPECT_EQ(Sitedb({"show", "alpha soft"}).code, kExitFailure);
}

TEST_F(SitedbCommandTest, ExpandsAStepForAProduct)
{
    ASSERT_EQ(Sitedb({"build", kFixture}).code, kExitOk);
    const std::string ws = m_dir.Path().string() + "/ws";
    auto cli = [&](std::vector<std::string> args) {
        args.insert(args.begin(), {"--workspace", ws});
        return RunCliWith(args);
    };
    ASSERT_EQ(cli({"company", "new", "Café Soft"}).code, kExitOk);
    ASSERT_EQ(cli({"product", "new", "--company", "Café Soft", "Disk Cléaner", "2.5"}).code, kExitOk);
    ASSERT_EQ(cli({"product",
                   "set",
                   "--company",
                   "Café Soft",
                   "--product",
                   "Disk Cléaner",
                   "Program_OS_Support",
                   "WinXP"})
                  .code,
              kExitOk);
    ASSERT_EQ(cli({"accounts",
                   "set",
                   "--company",
                   "Café Soft",
                   "--product",
                   "Disk Cléaner",
                   "--default-login",
                   "author1",
                   "--default-password",
                   "secret1"})
                  .code,
              kExitOk);
    const std::vector<std::string> product = {
        "--expand", "--company", "Café Soft", "--product", "Disk Cléaner"};
    auto show = [&](std::vector<std::string> args) {
        args.insert(args.end(), product.begin(), product.end());
        return Sitedb(args);
    };

    const CliRun step = show({"show", "Alpha Soft", "--step", "1", "--category", "Utilities"});
    ASSERT_EQ(step.code, kExitOk) << step.err;
    EXPECT_TRUE(Has(step.out, "Request: POSTUPLOAD www.alphasoft.example/submit.php\n"));
    // Values go out in the code page and are shown in UTF-8.
    EXPECT_TRUE(Has(step.out, "  name = Disk Cléaner\n  version = 2.5\n  category = System Utilities\n"));
    EXPECT_TRUE(Has(step.out, "  os = winxp\n")); // through the site's .os list
    EXPECT_TRUE(Has(step.out, "Text commands (not run here"));

    const CliRun login = show({"show", "Alpha Soft", "--step", "sub", "--json"});
    ASSERT_EQ(login.code, kExitOk) << login.err;
    EXPECT_TRUE(Has(login.out, R"({"name":"user","value":"author1"},{"name":"pass","value":"secret1"})"));

    const CliRun mail = show({"show", "MailBox Downloads", "--step", "0"});
    ASSERT_EQ(mail.code, kExitOk) << mail.err;
    EXPECT_TRUE(Has(mail.out, "Subject: New program: Disk Cléaner 2.5\n"));

    EXPECT_EQ(Sitedb({"show", "Alpha Soft", "--step", "1", "--expand"}).code, kExitUsage);
    EXPECT_EQ(show({"show", "Alpha Soft"}).code, kExitUsage);
    const CliRun unknown = Sitedb(
        {"show", "Alpha Soft", "--step", "1", "--expand", "--company", "Café Soft", "--product", "Nothing"});
    EXPECT_EQ(unknown.code, kExitFailure);
    EXPECT_TRUE(Has(unknown.err, "No product named \"Nothing\""));
}

TEST_F(SitedbCommandTest, ReplacingADatabaseNeedsAnAnswer)
{
    ASSERT_EQ(Sitedb({"build", kFixture}).code, kExitOk);
    const CliRun refused = Sitedb({"build", kFixture});
    EXPECT_EQ(refused.code, kExitFailure);
    EXPECT_TRUE(Has(refused.err, "--yes or --no"));
    EXPECT_TRUE(Has(Sitedb({"build", kFixture, "--no"}).out, "Kept"));
    EXPECT_EQ(Sitedb({"build", kFixture, "--yes"}).code, kExitOk);
}

TEST_F(SitedbCommandTest, UnpackedDatabasesBuildAgain)
{
    ASSERT_EQ(Sitedb({"build", kFixture}).code, kExitOk);
    const std::string out = (m_dir / "unpacked").string();
    const CliRun unpacked = Sitedb({"unpack", (m_dir / "ws").string(), "--out", out});
    ASSERT_EQ(unpacked.code, kExitOk) << unpacked.err;
    EXPECT_TRUE(Has(unpacked.out, "Unpacked 4 sites"));
    EXPECT_TRUE(fs::exists(fs::path(out) / "sites" / "Searchy" / "150.txt"));
    EXPECT_EQ(Sitedb({"unpack", (m_dir / "ws").string(), "--out", out}).code, kExitFailure);

    const CliRun rebuilt = RunCliWith({"--workspace", (m_dir / "ws2").string(), "sitedb", "build", out});
    ASSERT_EQ(rebuilt.code, kExitOk) << rebuilt.err;
    EXPECT_EQ(testsupport::ReadBytes(m_dir / "ws" / "Sites" / "sites.dat"),
              testsupport::ReadBytes(m_dir / "ws2" / "Sites" / "sites.dat"));

    const CliRun one = Sitedb(
        {"unpack", (m_dir / "ws" / "Sites" / "Searchy.dat").string(), "--out", (m_dir / "one").string()});
    ASSERT_EQ(one.code, kExitOk) << one.err;
    EXPECT_TRUE(fs::exists(m_dir / "one" / "sites" / "Searchy" / "sss.txt"));
}

TEST_F(SitedbCommandTest, RefusesUnsafeSourcesAndBadUsage)
{
    m_dir.Write("src/sites/Evil/site.txt", "<SITENAME>../Evil</SITENAME>\n");
    m_dir.Write("src/sites/Evil/sub.txt", "x\n");
    const CliRun evil = Sitedb({"build", (m_dir / "src").string()});
    EXPECT_EQ(evil.code, kExitFailure);
    EXPECT_TRUE(Has(evil.err, "cannot be a file name"));
    EXPECT_FALSE(fs::exists(m_dir / "ws" / "Sites"));
    EXPECT_FALSE(fs::exists(m_dir / "Evil.dat"));

    for (const std::vector<std::string>& args :
         std::vector<std::vector<std::string>>{{},
                                               {"frobnicate"},
                                               {"list", "extra"},
                                               {"show"},
                                               {"build"},
                                               {"show", "X", "--step", "one"},
                                               {"list", "--bogus"}}) {
        SCOPED_TRACE(args.empty() ? std::string("(none)") : args[0]);
        EXPECT_EQ(Sitedb(args).code, kExitUsage);
    }
}

} // namespace
} // namespace listrider::cli
