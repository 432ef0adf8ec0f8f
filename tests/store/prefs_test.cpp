#include <gtest/gtest.h>
#include <sys/stat.h>

#include "store/file_io.h"
#include "store/prefs.h"
#include "support/result_matchers.h"
#include "support/temp_dir.h"

namespace listrider::store {
namespace {

using testsupport::ReadBytes;
using testsupport::TempDir;

TEST(PrefsTest, MissingFileGivesTheDefaultsAndNoBlacklist)
{
    TempDir dir;
    dir.Write("blacklist.ini", "Some Site");
    const LoadedPrefs loaded = LoadINI(dir.Path());
    EXPECT_FALSE(loaded.found);
    const Prefs& prefs = loaded.prefs;
    EXPECT_EQ(prefs.smtpPort, "25");
    EXPECT_EQ(prefs.proxyPort, "3128");
    EXPECT_EQ(prefs.ftpProxyPort, "3128");
    EXPECT_EQ(prefs.httpExpire, 60);
    EXPECT_TRUE(prefs.quickTips);
    EXPECT_TRUE(prefs.validateLinks);
    EXPECT_FALSE(prefs.uploadFtpPassive);
    EXPECT_EQ(prefs.hints, "000000");
    EXPECT_EQ(prefs.xmlDir, dir.Path().string() + "/");
    EXPECT_EQ(prefs.exeDir, prefs.xmlDir);
    EXPECT_TRUE(prefs.blacklist.empty());
}

TEST(PrefsTest, EveryTagRoundTripsInFileOrder)
{
    TempDir dir;
    Prefs prefs = DefaultPrefs("/ws/");
    // Give every setting a value other than its default.
    int n = 0;
    for (const PrefEntry& entry : ListPrefs(prefs)) {
        std::string value = "value " + std::to_string(++n);
        if (entry.value == "Y" || entry.value == "N") {
            value = entry.value == "Y" ? "N" : "Y";
        } else if (entry.tag == "HTTP_Expire") {
            value = "999";
        }
        ASSERT_OK(SetPref(prefs, entry.tag, value));
    }
    prefs.hints = "123456";
    prefs.blacklist = {"Site A", "Site B"};
    ASSERT_OK(SaveINI(dir.Path(), prefs));

    const LineList lines = LoadLines(dir / "Prefs.ini");
    ASSERT_EQ(lines.size(), 36u);
    EXPECT_EQ(lines[0], "<Do_Not_Use_SMTP>Y</Do_Not_Use_SMTP>");
    EXPECT_EQ(lines[18], "<HTTP_Expire>999</HTTP_Expire>");
    EXPECT_EQ(lines[35], "<EXE_Dir>value 36</EXE_Dir>");
    EXPECT_EQ(ReadBytes(dir / "Prefs.ini").find("Hints"), std::string::npos);
    EXPECT_EQ(ReadBytes(dir / "blacklist.ini"), "Site A\r\nSite B");

    struct stat info
    {};

    ASSERT_EQ(::stat((dir / "Prefs.ini").c_str(), &info), 0);
    EXPECT_EQ(info.st_mode & 0777, 0600u) << "the file holds passwords";

    const LoadedPrefs loaded = LoadINI(dir.Path());
    EXPECT_TRUE(loaded.found);
    const std::vector<PrefEntry> expected = ListPrefs(prefs);
    const std::vector<PrefEntry> actual = ListPrefs(loaded.prefs);
    ASSERT_EQ(actual.size(), expected.size());
    for (std::size_t i = 0; i < expected.size(); ++i) {
        EXPECT_EQ(actual[i].tag, expected[i].tag);
        EXPECT_EQ(actual[i].value, expected[i].value) << expected[i].tag;
    }
    EXPECT_EQ(loaded.prefs.hints, "000000") << "Hints is not written";
    EXPECT_EQ(loaded.prefs.blacklist, prefs.blacklist);
}

TEST(PrefsTest, HandWrittenFileReadsLastOccurrenceAndIgnoresTheRest)
{
    TempDir dir;
    dir.Write("Prefs.ini",
              "garbage line\r\n"
              "<SMTP_Port>2525</SMTP_Port>\r\n"
              "<smtp_server>mail.example</smtp_server>\r\n"
              "<Unknown_Tag>x</Unknown_Tag>\r\n"
              "<SMTP_Port>587</SMTP_Port>\r\n"
              "<Quick_Tips>yes</Quick_Tips>\r\n"
              "<Upload_FTP_Passive>Y</Upload_FTP_Passive>\r\n"
              "<SMTP_Auth_Method>CRAM-MD5</SMTP_Auth_Method>\r\n"
              "<Hints>101010</Hints>\r\n"
              "<FTPProxy_Server>ftpproxy</FTPProxy_Server>\r\n");
    dir.Write("blacklist.ini", "Bad Site\r\nWorse Site\r\n");
    const Prefs prefs = LoadINI(dir.Path()).prefs;
    EXPECT_EQ(prefs.smtpPort, "587");
    EXPECT_EQ(prefs.smtpServer, "mail.example");
    EXPECT_FALSE(prefs.quickTips) << "only Y is on";
    EXPECT_TRUE(prefs.uploadFtpPassive);
    EXPECT_EQ(prefs.hints, "101010");
    EXPECT_EQ(prefs.ftpProxyServer, "ftpproxy");
    EXPECT_TRUE(prefs.proxyServer.empty()) << "<Proxy_Server> is not part of <FTPProxy_Server>";
    EXPECT_EQ(prefs.blacklist, (std::vector<std::string>{"Bad Site", "Worse Site"}));
    EXPECT_EQ(PrefsLines(prefs).size(), 36u);
}

TEST(PrefsTest, HttpExpireKeepsOnlyTheDialogRange)
{
    const struct
    {
        const char* stored;
        int expected;
    } cases[] = {
        {"1", 1},
        {"999", 999},
        {" 45 ", 45},
        {"0", 60},
        {"-5", 60},
        {"1000", 60},
        {"99999999999", 60},
        {"abc", 60},
        {"30s", 60},
        {"", 60},
    };

    for (const auto& c : cases) {
        SCOPED_TRACE(c.stored);
        Prefs prefs = DefaultPrefs("/");
        prefs.httpExpire = 7;
        const std::string line = std::string("<HTTP_Expire>") + c.stored + "</HTTP_Expire>";
        const std::string_view lines[] = {line};
        ApplyPrefsLines(lines, prefs);
        EXPECT_EQ(prefs.httpExpire, c.expected);
    }
}

TEST(PrefsTest, SetPrefChecksTagsAndValues)
{
    Prefs prefs = DefaultPrefs("/");
    ASSERT_OK(SetPref(prefs, "upload_ftp_passive", "y"));
    EXPECT_TRUE(prefs.uploadFtpPassive);
    EXPECT_ERROR_KIND(SetPref(prefs, "Upload_FTP_Passive", "maybe"), ErrorKind::Usage);
    EXPECT_ERROR_KIND(SetPref(prefs, "HTTP_Expire", "0"), ErrorKind::Usage);
    EXPECT_ERROR_KIND(SetPref(prefs, "Hints", "1"), ErrorKind::NotFound);
    EXPECT_ERROR_KIND(SetPref(prefs, "No_Such_Tag", "1"), ErrorKind::NotFound);
}

TEST(PrefsTest, ProxyDetectionSplitsHostAndPort)
{
    Prefs prefs = DefaultPrefs("/");
    EXPECT_TRUE(DetectHttpProxy("http=web.proxy:8080;ftp=ftp.proxy:2121", prefs));
    EXPECT_TRUE(DetectFtpProxy("http=web.proxy:8080;ftp=ftp.proxy:2121", prefs));
    EXPECT_EQ(prefs.proxyServer, "web.proxy");
    EXPECT_EQ(prefs.proxyPort, "8080");
    EXPECT_EQ(prefs.ftpProxyServer, "ftp.proxy");
    EXPECT_EQ(prefs.ftpProxyPort, "2121");

    Prefs single = DefaultPrefs("/");
    single.ftpProxyServer = "kept";
    EXPECT_TRUE(DetectHttpProxy("one.proxy:3129", single));
    EXPECT_FALSE(DetectFtpProxy("one.proxy:3129", single));
    EXPECT_EQ(single.proxyServer, "one.proxy");
    EXPECT_EQ(single.proxyPort, "3129");
    EXPECT_EQ(single.ftpProxyServer, "kept");
    EXPECT_EQ(single.ftpProxyPort, "3128");

    Prefs noPort = DefaultPrefs("/");
    noPort.proxyServer = "before";
    EXPECT_FALSE(DetectHttpProxy("hostonly", noPort));
    EXPECT_EQ(noPort.proxyServer, "before");
}

} // namespace
} // namespace listrider::store
