#include <algorithm>
#include <functional>

#include <gtest/gtest.h>

#include "companions/pad_upload.h"
#include "companions/remote_path.h"
#include "store/file_io.h"
#include "support/peer_process.h"
#include "support/result_matchers.h"
#include "support/temp_dir.h"

namespace listrider::companions {
namespace {

namespace fs = std::filesystem;
using testsupport::PeerProcess;
using testsupport::ReadBytes;
using testsupport::TempDir;

TEST(RemotePathTest, NormalisesTheDirectoryAndSplitsItIntoComponents)
{
    struct Case
    {
        const char* field;
        const char* shown;
        std::vector<std::string> components;
    };

    for (const Case& c : {Case{"pub\\pad\\", "/pub/pad/", {"pub", "pad"}},
                          Case{"", "/", {}},
                          Case{"//a//b", "//a//b", {"a", "b"}},
                          Case{"Web/PAD Files", "/Web/PAD Files", {"Web", "PAD Files"}},
                          Case{"\\", "/", {}}}) {
        SCOPED_TRACE(c.field);
        const std::string shown = NormalizeRemoteDir(c.field);
        EXPECT_EQ(shown, c.shown);
        EXPECT_EQ(RemoteDirComponents(shown), c.components);
    }
}

TEST(RemotePathTest, TheLocalDirectoryNeverReachesTheServer)
{
    EXPECT_EQ(RemoteFileName("C:\\Work\\MyApp_PAD.XML", false), "MyApp_PAD.XML");
    EXPECT_EQ(RemoteFileName("C:\\Work\\MyApp_PAD.XML", true), "myapp_pad.xml");
    EXPECT_EQ(RemoteFileName("/home/me/PAD Files/MyApp.xml", false), "MyApp.xml");
    EXPECT_EQ(RemoteFileName("MyApp.xml", true), "myapp.xml");
}

class RecordingView final : public PadUploadView
{
public:
    void ShowStatus(std::string_view stage) override { stages.emplace_back(stage); }

    void ShowProgress(int percent) override { progress.push_back(percent); }

    std::vector<std::string> stages;
    std::vector<int> progress;
};

// The author's FTP server: pyftpdlib on loopback; it also plays an FTP proxy that routes by
// the USER argument.
class PadUploadTest : public ::testing::Test
{
protected:
    PadUploadTest()
        : peer(std::string(LISTRIDER_PEERS_DIR) + "/ftp_peer.py",
               {root.Path().string(), "user@ftp.example.com"})
    {
        settings.host = "127.0.0.1";
        settings.port = std::to_string(peer.Port());
        settings.user = "user";
        settings.password = "secret";
        settings.padLocation = local.Write("MyApp_PAD.XML", std::string(100000, 'x')).string();
    }

    store::Result<void> Upload()
    {
        view = RecordingView{};
        Transcript(); // what earlier sessions sent
        from = seen.size();
        return UploadPad(settings, prefs, view, std::chrono::seconds(5));
    }

    // The commands of the last upload's session.
    std::vector<std::string> Session()
    {
        Transcript();
        std::vector<std::string> session(seen.begin() + static_cast<std::ptrdiff_t>(from), seen.end());
        std::erase_if(session, [](const std::string& line) {
            return line.starts_with("PASV") || line.starts_with("PORT") || line.starts_with("TYPE");
        });
        return session;
    }

    const std::vector<std::string>& Transcript()
    {
        seen = peer.Lines();
        return seen;
    }

    TempDir root;
    TempDir local;
    PeerProcess peer;
    store::Prefs prefs;
    PadUploadSettings settings;
    RecordingView view;
    std::vector<std::string> seen;
    std::size_t from = 0;
};

TEST_F(PadUploadTest, CreatesEachDirectoryAndStoresTheFileUnderItsName)
{
    ASSERT_GT(peer.Port(), 0) << "the FTP peer did not start";
    settings.remoteDir = "pub\\pad\\";
    for (const bool passive : {false, true}) {
        SCOPED_TRACE(passive ? "passive" : "active");
        settings.passive = passive;
        ASSERT_OK(Upload());
        EXPECT_EQ(settings.remoteDir, "/pub/pad/") << "the field shows the normalised directory";
        EXPECT_EQ(
            view.stages,
            (std::vector<std::string>{"Connecting...", "Authorizing...", "Creating dir...", "Uploading..."}));
        EXPECT_EQ(view.progress.front(), 0);
        EXPECT_EQ(view.progress.back(), 100);
        EXPECT_EQ(ReadBytes(root / "pub/pad/MyApp_PAD.XML"), std::string(100000, 'x'));
        // The second round finds the directories there: MKD fails and is ignored.
        EXPECT_EQ(Session(),
                  (std::vector<std::string>{"USER user",
                                            "PASS ****",
                                            "MKD pub",
                                            "CWD pub",
                                            "MKD pad",
                                            "CWD pad",
                                            "STOR MyApp_PAD.XML",
                                            "QUIT"}));
    }
    EXPECT_TRUE(std::find(seen.begin(), seen.end(), "TYPE I") != seen.end());

    settings.remoteDir = "//a//b";
    settings.lowerCase = true;
    ASSERT_OK(Upload());
    EXPECT_EQ(
        Session(),
        (std::vector<std::string>{
            "USER user", "PASS ****", "MKD a", "CWD a", "MKD b", "CWD b", "STOR myapp_pad.xml", "QUIT"}));
    EXPECT_EQ(ReadBytes(root / "a/b/myapp_pad.xml"), std::string(100000, 'x'));
}

TEST_F(PadUploadTest, AnEmptyDirectoryStoresAnEmptyFileInTheLoginDirectory)
{
    ASSERT_GT(peer.Port(), 0) << "the FTP peer did not start";
    settings.remoteDir = "";
    settings.padLocation = local.Write("empty.xml", "").string();
    ASSERT_OK(Upload());
    EXPECT_EQ(settings.remoteDir, "/");
    EXPECT_EQ(Session(), (std::vector<std::string>{"USER user", "PASS ****", "STOR empty.xml", "QUIT"}));
    EXPECT_TRUE(fs::exists(root / "empty.xml"));
    EXPECT_EQ(view.progress, (std::vector<int>{0, 100})) << "an empty file is all there once stored";
}

TEST_F(PadUploadTest, EachStageFailsWithItsMessage)
{
    ASSERT_GT(peer.Port(), 0) << "the FTP peer did not start";
    ASSERT_OK(store::SaveStringToFile(root / "blocker", "a file where a directory should be"));

    struct Case
    {
        const char* name;
        std::function<void(PadUploadSettings&)> arrange;
        std::string_view message;
        std::vector<std::string> session;
    };

    const std::vector<Case> cases = {
        {"refused log-in",
         [](PadUploadSettings& s) { s.password = "wrong"; },
         kUploadLoginFailed,
         {"USER user", "PASS ****", "QUIT"}},
        {"empty password",
         [](PadUploadSettings& s) { s.password.clear(); },
         kUploadLoginFailed,
         {"USER user", "QUIT"}},
        {"missing local file",
         [](PadUploadSettings& s) { s.padLocation += ".missing"; },
         kUploadStoreFailed,
         {"USER user", "PASS ****", "MKD pub", "CWD pub", "QUIT"}},
        {"folder cannot be made",
         [](PadUploadSettings& s) { s.remoteDir = "blocker/inner"; },
         kUploadFolderFailed,
         {"USER user", "PASS ****", "MKD blocker", "CWD blocker", "QUIT"}},
        {"no server", [](PadUploadSettings& s) { s.port = "1"; }, kUploadConnectFailed, {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        PadUploadSettings saved = settings;
        settings.remoteDir = "pub";
        c.arrange(settings);
        const store::Result<void> uploaded = Upload();
        ASSERT_FALSE(uploaded.HasValue());
        EXPECT_EQ(uploaded.GetError().message, c.message);
        EXPECT_EQ(Session(), c.session);
        settings = saved;
    }
}

TEST_F(PadUploadTest, ThroughTheFtpProxyTransfersArePassive)
{
    ASSERT_GT(peer.Port(), 0) << "the FTP peer did not start";
    prefs.ftpProxyAuth = true;
    prefs.ftpProxyServer = "127.0.0.1";
    prefs.ftpProxyPort = std::to_string(peer.Port());
    settings.host = "ftp.example.com";
    settings.port = "21";
    settings.passive = false;
    ASSERT_OK(Upload());
    const std::vector<std::string>& transcript = Transcript();
    EXPECT_TRUE(std::find(transcript.begin(), transcript.end(), "USER user@ftp.example.com") !=
                transcript.end());
    EXPECT_TRUE(std::find(transcript.begin(), transcript.end(), "PASV") != transcript.end());
    EXPECT_TRUE(std::none_of(transcript.begin(), transcript.end(), [](const std::string& line) {
        return line.starts_with("PORT");
    }));
    EXPECT_EQ(ReadBytes(root / "MyApp_PAD.XML"), std::string(100000, 'x'));
}

} // namespace
} // namespace listrider::companions
