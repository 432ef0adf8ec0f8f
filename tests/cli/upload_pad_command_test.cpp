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

bool Has(const std::string& text, const std::string& part)
{
    return text.find(part) != std::string::npos;
}

class UploadPadCommandTest : public ::testing::Test
{
protected:
    UploadPadCommandTest()
        : m_peer(std::string(LISTRIDER_PEERS_DIR) + "/ftp_peer.py", {m_root.Path().string()})
    {}

    CliRun Run(std::vector<std::string> args) { return RunCliIn((m_dir / "ws"), std::move(args)); }

    CliRun Upload(std::vector<std::string> options)
    {
        options.insert(options.begin(), {"upload-pad", "--company", "Acme", "--product", "Disk Cleaner"});
        return Run(options);
    }

    std::string Prefs() const { return ReadBytes(m_dir / "ws" / "Prefs.ini"); }

    testsupport::TempDir m_dir;
    testsupport::TempDir m_root;
    testsupport::PeerProcess m_peer;
};

TEST_F(UploadPadCommandTest, UploadsThePadFileAndKeepsTheSettings)
{
    ASSERT_GT(m_peer.Port(), 0) << "the FTP peer did not start";
    ASSERT_EQ(Run({"company", "new", "Acme"}).code, kExitOk);
    ASSERT_EQ(Run({"product", "new", "--company", "Acme", "Disk Cleaner", "1.0"}).code, kExitOk);
    const fs::path pad = m_dir.Write("PAD Files/Disk_Cleaner_PAD.XML", "<XML_DIZ_INFO/>\r\n");
    const CliRun set = Run({"product",
                            "set",
                            "--company",
                            "Acme",
                            "--product",
                            "Disk Cleaner",
                            "Upload_PAD_Location",
                            pad.string()});
    ASSERT_EQ(set.code, kExitOk) << set.err;
    const fs::path password = m_dir.Write("password.txt", "secret\n");

    const CliRun first = Upload({"--dir",
                                 "pub\\pad\\",
                                 "--host",
                                 "127.0.0.1",
                                 "--port",
                                 std::to_string(m_peer.Port()),
                                 "--user",
                                 "user",
                                 "--password-file",
                                 password.string(),
                                 "--passive",
                                 "--lowercase"});
    ASSERT_EQ(first.code, kExitOk) << first.err;
    EXPECT_TRUE(Has(first.out,
                    "Connecting...\nAuthorizing...\nCreating dir...\nUploading...\n  100%\n"
                    "PAD file was successfully uploaded\n"))
        << first.out;
    EXPECT_EQ(ReadBytes(m_root / "pub/pad/disk_cleaner_pad.xml"), "<XML_DIZ_INFO/>\r\n");
    for (const char* line : {"<Upload_FTP_Host>127.0.0.1</Upload_FTP_Host>",
                             "<Upload_FTP_User>user</Upload_FTP_User>",
                             "<Upload_FTP_Password>secret</Upload_FTP_Password>",
                             "<Upload_FTP_LowerCase>Y</Upload_FTP_LowerCase>",
                             "<Upload_FTP_Passive>Y</Upload_FTP_Passive>",
                             "<Upload_FTP_Dir>/pub/pad/</Upload_FTP_Dir>"}) {
        EXPECT_TRUE(Has(Prefs(), line)) << line;
    }

    // The stored settings serve the next upload; a refused log-in keeps them as they were.
    ASSERT_TRUE(fs::remove(m_root / "pub/pad/disk_cleaner_pad.xml"));
    const CliRun again = Upload({});
    ASSERT_EQ(again.code, kExitOk) << again.err;
    EXPECT_EQ(ReadBytes(m_root / "pub/pad/disk_cleaner_pad.xml"), "<XML_DIZ_INFO/>\r\n");
    const CliRun refused = Upload({"--user", "intruder"});
    EXPECT_EQ(refused.code, kExitFailure);
    EXPECT_TRUE(Has(refused.err, "Unable to log in to FTP server")) << refused.err;
    EXPECT_TRUE(Has(Prefs(), "<Upload_FTP_User>intruder</Upload_FTP_User>"));

    ASSERT_TRUE(fs::remove(pad));
    const CliRun missing = Upload({"--user", "user"});
    EXPECT_EQ(missing.code, kExitFailure);
    EXPECT_TRUE(Has(missing.err, "Error while uploading the file")) << missing.err;

    const CliRun noProduct = Run({"upload-pad", "--company", "Acme", "--product", "Nothing"});
    EXPECT_EQ(noProduct.code, kExitFailure);
    EXPECT_EQ(Run({"upload-pad", "--company", "Acme"}).code, kExitUsage);
}

} // namespace
} // namespace listrider::cli
