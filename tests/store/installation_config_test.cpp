#include <gtest/gtest.h>
#include <sys/stat.h>

#include "store/installation_config.h"
#include "support/result_matchers.h"
#include "support/temp_dir.h"

namespace listrider::store {
namespace {

using testsupport::TempDir;

TEST(InstallationConfigTest, MissingFileGivesTheDefaults)
{
    TempDir dir;
    const InstallationConfig config = LoadInstallationConfig(dir.Path());
    EXPECT_EQ(config.defaultKey.size(), 7u);
    EXPECT_FALSE(config.siteDataKey.empty());
    EXPECT_EQ(config.codePage, "WINDOWS-1252");
    EXPECT_TRUE(config.updateFtpHost.empty());
    EXPECT_TRUE(config.connectionTestHost.empty());
    EXPECT_EQ(config.d4Pairs.size(), 10u);
    EXPECT_FALSE(config.downloadThatTerms.empty());
    EXPECT_TRUE(config.notes.empty());
}

TEST(InstallationConfigTest, EveryKeyRoundTripsThroughThePrivateFile)
{
    TempDir dir;
    InstallationConfig config = DefaultInstallationConfig();
    config.siteDataKey = "secret key";
    config.codePage = "CP1251";
    config.updateFtpHost = "127.0.0.1:2121";
    config.updateFtpUser = "update";
    config.updateFtpPassword = "pw";
    config.connectionTestHost = "127.0.0.1:8080";
    config.mailRelayHost = "http://127.0.0.1:8081";
    config.specialSites[3] = "d4.example";
    config.downloadThatTerms = {"First line.", "", "Third line."};
    config.d4Pairs = {{"111111", "222222"}};
    config.requesterEchoSite = "Echo";
    ASSERT_OK(SaveInstallationConfig(dir.Path(), config));

    struct stat info
    {};

    ASSERT_EQ(::stat((dir / kInstallationFile).c_str(), &info), 0);
    EXPECT_EQ(info.st_mode & 0777, 0600u);

    const InstallationConfig loaded = LoadInstallationConfig(dir.Path());
    EXPECT_TRUE(loaded.notes.empty());
    const std::vector<ConfigEntry> saved = ListInstallationConfig(config);
    const std::vector<ConfigEntry> read = ListInstallationConfig(loaded);
    ASSERT_EQ(saved.size(), read.size());
    for (std::size_t i = 0; i < saved.size(); ++i) {
        SCOPED_TRACE(saved[i].tag);
        EXPECT_EQ(read[i].value, saved[i].value);
    }
    EXPECT_EQ(loaded.GetCodePage().Name(), "CP1251");
    EXPECT_EQ(loaded.GetSiteKey().key, "secret key");
}

TEST(InstallationConfigTest, BadValuesKeepTheirDefaultsWithANote)
{
    TempDir dir;
    dir.Write("INSTALLATION.INI",
              "<Default_Key>short</Default_Key>\r\n"
              "<Code_Page>UTF-8</Code_Page>\r\n"
              "<test_host>first</test_host>\r\n"
              "unknown line\r\n"
              "<Test_Host>second</Test_Host>\r\n"
              "<DownloadThat_Terms>One line of terms</DownloadThat_Terms>\r\n"
              "<D4_Pairs>\r\n123456 654321\r\n12345 x\r\n</D4_Pairs>");
    const InstallationConfig config = LoadInstallationConfig(dir.Path());
    EXPECT_EQ(config.defaultKey, DefaultInstallationConfig().defaultKey);
    EXPECT_EQ(config.codePage, "WINDOWS-1252");
    EXPECT_EQ(config.connectionTestHost, "second"); // the last line wins
    EXPECT_EQ(config.downloadThatTerms, (std::vector<std::string>{"One line of terms"}));
    ASSERT_EQ(config.d4Pairs.size(), 1u);
    EXPECT_EQ(config.d4Pairs[0], (std::pair<std::string, std::string>{"123456", "654321"}));
    EXPECT_EQ(config.notes.size(), 3u);
}

} // namespace
} // namespace listrider::store
