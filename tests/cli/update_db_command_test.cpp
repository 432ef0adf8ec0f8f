#include <sstream>

#include <gtest/gtest.h>

#include "cli/cli_app.h"
#include "cli/exit_codes.h"
#include "cli_runner.h"
#include "store/file_io.h"
#include "support/peer_process.h"
#include "support/temp_dir.h"

namespace listrider::cli {
namespace {

namespace fs = std::filesystem;
using testsupport::ReadBytes;

const fs::path kFixture = fs::path(LISTRIDER_TEST_DATA) / "sites" / "source";

bool Has(const std::string& text, const std::string& part)
{
    return text.find(part) != std::string::npos;
}

std::string Made(const fs::path& directory)
{
    fs::create_directories(directory);
    return directory.string();
}

void Replace(const fs::path& file, const std::string& from, const std::string& to)
{
    std::string text = ReadBytes(file);
    const std::size_t at = text.find(from);
    ASSERT_NE(at, std::string::npos) << file << ": " << from;
    text.replace(at, from.size(), to);
    ASSERT_TRUE(store::SaveStringToFile(file, text).HasValue());
}

// An update server made with the site database kit (sitedb build, sitedb publish) from the test
// source, and a workspace holding an older database built from a changed copy of it.
class UpdateDbCommandTest : public ::testing::Test
{
protected:
    UpdateDbCommandTest()
        : m_peer(std::string(LISTRIDER_PEERS_DIR) + "/ftp_peer.py", {Made(m_dir / "server")})
    {}

    CliRun Run(const fs::path& workspace, std::vector<std::string> args)
    {
        return RunCliIn(workspace, std::move(args));
    }

    // Server: Alpha Soft (newer), Searchy (new), MailBox Downloads (unchanged, no stamp) and the
    // disabled Old Site (new, no stamp); local: Alpha Soft (older), MailBox Downloads, Retired.
    void SetUp() override
    {
        ASSERT_GT(m_peer.Port(), 0) << "the FTP peer did not start";
        const fs::path serverSource = m_dir / "server-source";
        fs::copy(kFixture, serverSource, fs::copy_options::recursive);
        Replace(serverSource / "sites/Searchy/site.txt",
                "<OS_Cat>YES</OS_Cat>",
                "<OS_Cat>YES</OS_Cat>\n<UPDATE>39500</UPDATE>");
        const CliRun built = Run(m_dir / "server-ws", {"sitedb", "build", serverSource.string()});
        ASSERT_EQ(built.code, kExitOk) << built.err;
        const CliRun published = Run(m_dir / "server-ws", {"sitedb", "publish", (m_dir / "server").string()});
        ASSERT_EQ(published.code, kExitOk) << published.err;
        ASSERT_TRUE(Has(published.out, "Published 4 sites (4 packages, fast categories)")) << published.out;

        const fs::path localSource = m_dir / "local-source";
        fs::copy(kFixture, localSource, fs::copy_options::recursive);
        fs::remove_all(localSource / "sites/Searchy");
        fs::remove_all(localSource / "sites/Old Site");
        fs::rename(localSource / "sites/MailBox Downloads", localSource / "sites/Retired");
        fs::copy(kFixture / "sites/MailBox Downloads",
                 localSource / "sites/MailBox Downloads",
                 fs::copy_options::recursive);
        Replace(localSource / "sites/Retired/site.txt", "MailBox Downloads", "Retired");
        Replace(localSource / "sites/Alpha Soft/site.txt", "39450.5", "39000");
        Replace(localSource / "sites/Alpha Soft/cat.txt", "Games\n", "Old Games\n");
        ASSERT_TRUE(
            store::SaveStringToFile(localSource / "sites.lst", "Alpha Soft\nMailBox Downloads\nRetired\n")
                .HasValue());
        ASSERT_TRUE(store::SaveStringToFile(localSource / "fastcats/fastcatsinfo.txt", "2\n").HasValue());
        const CliRun local = Run(m_dir / "ws", {"sitedb", "build", localSource.string()});
        ASSERT_EQ(local.code, kExitOk) << local.err;
        Configure("127.0.0.1:" + std::to_string(m_peer.Port()), "secret");
    }

    void Configure(const std::string& host, const std::string& password)
    {
        ASSERT_TRUE(
            store::SaveStringToFile(m_dir / "ws" / "installation.ini",
                                    "<Update_FTP_Host>" + host +
                                        "</Update_FTP_Host>\r\n"
                                        "<Update_FTP_User>user</Update_FTP_User>\r\n"
                                        "<Update_FTP_Password>" +
                                        password +
                                        "</Update_FTP_Password>\r\n"
                                        "<Download_Page>http://vendor.example/get</Download_Page>\r\n")
                .HasValue());
    }

    testsupport::TempDir m_dir;
    testsupport::PeerProcess m_peer;
};

TEST_F(UpdateDbCommandTest, TurnsTheOldDatabaseIntoTheServersWithItsCounts)
{
    const CliRun update = Run(m_dir / "ws", {"update-db"});
    ASSERT_EQ(update.code, kExitOk) << update.out << update.err;
    for (const char* line :
         {"Connecting to host...\n",
          "Logging in to server...\n",
          "Loading version information...\n",
          "Loading site database index file...\n",
          "Found: 2 new, 1 updated, 1 outdated sites.\n",
          "Total Sites: 3  Downloaded Sites: 0\n",
          "Downloading site: Searchy\n  Current Site: 100%\nTotal Sites: 3  Downloaded Sites: 1\n"
          "  Total: 33%\n",
          // Old Site has no stamp: it counts, but is not fetched.
          "Downloading site: Alpha Soft\n  Current Site: 100%\nTotal Sites: 3  Downloaded Sites: 2\n"
          "  Total: 67%\n",
          "Downloading fast categories index...\nDownloading fast categories...\n"
          "  Fast Categories: 100%\n",
          "The site database has been updated successfully!\nSites added: 2\n  Searchy\n  Old Site\n"
          "Sites updated: 1\n  Alpha Soft\nObsolete sites deleted: 1\n  Retired\n",
          "Database updated successfully. 2 sites added, 1 sites updated and 1 sites deleted.\n",
          "3 sites load and pass the integrity check\n"}) {
        EXPECT_TRUE(Has(update.out, line)) << line << "\n--- in ---\n" << update.out;
    }
    EXPECT_NE(ReadBytes(m_dir / "ws/Sites/Retired.dat"), "") << "an obsolete site's package stays";
    for (const char* package : {"Alpha Soft.dat", "Searchy.dat", "fastcats.dat", "fastcatsinfo.dat"}) {
        EXPECT_EQ(ReadBytes(m_dir / "ws/Sites" / package), ReadBytes(m_dir / "server-ws/Sites" / package))
            << package;
    }
    const CliRun list = Run(m_dir / "ws", {"sitedb", "list"});
    EXPECT_TRUE(Has(list.out, "Searchy") && Has(list.out, "Alpha Soft") && !Has(list.out, "Retired"))
        << list.out;
    const CliRun step = Run(m_dir / "ws", {"sitedb", "show", "Searchy", "--step", "151"});
    EXPECT_TRUE(Has(step.out, "Action: loading search results")) << step.out << step.err;

    const CliRun again = Run(m_dir / "ws", {"update-db"});
    ASSERT_EQ(again.code, kExitOk) << again.err;
    EXPECT_TRUE(Has(again.out, "No updates was found.\n"));
    EXPECT_TRUE(Has(again.out, "Fast categories is up-to-date.\n"));
    EXPECT_TRUE(Has(again.out,
                    "Database updated successfully. 0 sites added, 0 sites updated and 0 sites deleted.\n"));
}

TEST_F(UpdateDbCommandTest, ANewerVersionIsAskedAbout)
{
    ASSERT_TRUE(store::SaveStringToFile(m_dir / "server/version.inf", "2.0\r\n").HasValue());
    const CliRun unanswered = Run(m_dir / "ws", {"update-db"});
    EXPECT_EQ(unanswered.code, kExitFailure);
    EXPECT_TRUE(Has(unanswered.err, "run it again with --yes or --no")) << unanswered.err;

    const CliRun yes = Run(m_dir / "ws", {"update-db", "--yes"});
    EXPECT_EQ(yes.code, kExitFailure);
    EXPECT_TRUE(Has(yes.out,
                    "New version of Listrider was detected on server. Would you like to be forwarded to "
                    "the download page?\n\nCurrent version:2.0\nYour version: 1.32 [answered yes]\n"))
        << yes.out;
    EXPECT_TRUE(Has(yes.out, "The newer version is offered at http://vendor.example/get\n"));
    EXPECT_TRUE(Has(yes.out, "Site database update failed.\n"));
    EXPECT_FALSE(fs::exists(m_dir / "ws/Sites/Searchy.dat"));

    const CliRun no = Run(m_dir / "ws", {"update-db", "--no"});
    EXPECT_EQ(no.code, kExitOk) << no.err;
    EXPECT_TRUE(fs::exists(m_dir / "ws/Sites/Searchy.dat"));
}

TEST_F(UpdateDbCommandTest, RefusesWithoutAServerAndReportsFailures)
{
    Configure("", "secret");
    const CliRun unconfigured = Run(m_dir / "ws", {"update-db"});
    EXPECT_EQ(unconfigured.code, kExitFailure);
    EXPECT_TRUE(
        Has(unconfigured.err, "No update server is configured (Update_FTP_Host in installation.ini)"));

    Configure("127.0.0.1:" + std::to_string(m_peer.Port()), "wrong");
    const CliRun refused = Run(m_dir / "ws", {"update-db"});
    EXPECT_EQ(refused.code, kExitFailure);
    EXPECT_TRUE(Has(refused.err, "listrider-cli: Error connecting to host\n")) << refused.err;
    EXPECT_TRUE(Has(refused.out, "Site database update failed.\n3 sites load and pass the integrity check\n"))
        << refused.out;
    EXPECT_EQ(Run(m_dir / "ws", {"update-db", "extra"}).code, kExitUsage);
}

} // namespace
} // namespace listrider::cli
