#include <algorithm>

#include <gtest/gtest.h>

#include "net/ftp_client.h"
#include "support/peer_process.h"
#include "support/result_matchers.h"
#include "support/temp_dir.h"

namespace listrider::net {
namespace {

using testsupport::PeerProcess;
using testsupport::ReadBytes;
using testsupport::TempDir;

class FtpClientTest : public ::testing::Test
{
protected:
    FtpClientTest()
        : peer(std::string(LISTRIDER_PEERS_DIR) + "/ftp_peer.py", {root.Path().string()})
    {
        client.hostName = "127.0.0.1";
        client.port = std::to_string(peer.Port());
        client.userName = "user";
        client.passWord = "secret";
        client.localAddr = "127.0.0.1";
    }

    bool PeerSaw(const std::string& line)
    {
        for (const std::string& l : peer.Lines()) {
            seen.push_back(l);
        }
        return std::find(seen.begin(), seen.end(), line) != seen.end();
    }

    TempDir root;
    TempDir local;
    PeerProcess peer;
    FtpClient client;
    std::vector<std::string> seen;
};

TEST_F(FtpClientTest, CreatesDirectoriesAndMovesFilesPassiveAndActive)
{
    ASSERT_GT(peer.Port(), 0) << "the FTP peer did not start";
    const std::string content(300000, 'p');
    client.localFileName = local.Write("MyApp_PAD.xml", content).string();
    for (const bool passive : {true, false}) {
        SCOPED_TRACE(passive ? "passive" : "active");
        client.passive = passive;
        ASSERT_OK(client.Open());
        ASSERT_OK(client.User());
        ASSERT_OK(client.Pass());
        ASSERT_OK(client.Type());
        for (const char* dir : {"pub", "pad"}) {
            client.hostDirName = dir;
            (void)client.Mkd(); // may exist from the first round
            ASSERT_OK(client.Cwd());
        }
        client.hostFileName = passive ? "passive.xml" : "active.xml";
        client.localFileName = (local / "MyApp_PAD.xml").string();
        std::int64_t progress = 0;
        client.onProgress = [&](std::int64_t bytes, bool&) {
            progress = bytes;
        };
        ASSERT_OK(client.Stor());
        EXPECT_EQ(progress, static_cast<std::int64_t>(content.size()));
        EXPECT_EQ(ReadBytes(root / ("pub/pad/" + client.hostFileName)), content);

        store::Result<std::int64_t> size = client.Size();
        ASSERT_OK(size);
        EXPECT_EQ(size.Value(), static_cast<std::int64_t>(content.size()));
        client.localFileName = (local / "back.xml").string();
        ASSERT_OK(client.Retr());
        EXPECT_EQ(ReadBytes(local / "back.xml"), content);
        client.hostDirName = "missing";
        EXPECT_ERROR_KIND(client.Cwd(), store::ErrorKind::HttpStatus);
        EXPECT_EQ(client.LastReplyCode(), 550);
        ASSERT_OK(client.Quit());
        EXPECT_FALSE(client.Connected());
    }
    EXPECT_TRUE(PeerSaw("MKD pub"));
    EXPECT_TRUE(PeerSaw("TYPE I"));
    EXPECT_TRUE(PeerSaw("PASV"));
    EXPECT_TRUE(std::any_of(
        seen.begin(), seen.end(), [](const std::string& l) { return l.starts_with("PORT 127,0,0,1,"); }));
}

TEST_F(FtpClientTest, RefusedAndEmptyLoginsAndMissingLocalFiles)
{
    ASSERT_GT(peer.Port(), 0) << "the FTP peer did not start";
    ASSERT_OK(client.Open());
    ASSERT_OK(client.User());
    client.passWord = "wrong";
    EXPECT_ERROR_KIND(client.Pass(), store::ErrorKind::HttpStatus);
    EXPECT_EQ(client.LastReplyCode(), 530);

    client.userName.clear();
    EXPECT_ERROR_KIND(client.User(), store::ErrorKind::Usage);
    client.userName = "user";
    client.passWord.clear();
    ASSERT_OK(client.User());
    EXPECT_ERROR_KIND(client.Pass(), store::ErrorKind::Usage);
    client.passWord = "secret";
    ASSERT_OK(client.Pass());

    client.localFileName = (local / "nope.xml").string();
    client.hostFileName = "nope.xml";
    EXPECT_ERROR_KIND(client.Stor(), store::ErrorKind::NotFound);
    ASSERT_OK(client.Quit());
    EXPECT_FALSE(PeerSaw("USER ")) << "an empty user name is never sent";
    EXPECT_FALSE(PeerSaw("STOR nope.xml"));

    FtpClient nobody;
    nobody.hostName = "127.0.0.1";
    nobody.port = "1";
    EXPECT_ERROR_KIND(nobody.Open(), store::ErrorKind::Refused);
}

TEST_F(FtpClientTest, ThroughAProxyTheUserNamesTheServer)
{
    ASSERT_GT(peer.Port(), 0) << "the FTP peer did not start";
    // The peer plays the proxy: it sees the USER argument the proxy would route by.
    client.useProxy = true;
    client.proxyHost = "127.0.0.1";
    client.proxyPort = std::to_string(peer.Port());
    client.hostName = "ftp.example.com";
    client.port = "2121";
    client.passive = false;
    ASSERT_OK(client.Open());
    ASSERT_OK(client.User());
    EXPECT_TRUE(PeerSaw("USER user@ftp.example.com:2121"));
}

} // namespace
} // namespace listrider::net
