// The installation configuration: installation.ini in the workspace over built-in defaults.
#pragma once

#include <array>
#include <filesystem>
#include <string>
#include <utility>
#include <vector>

#include "store/code_page.h"
#include "store/result.h"
#include "store/site_text.h"

namespace listrider::store {

/// Everything the program needs to know about the installation and the vendor's servers.
struct InstallationConfig
{
    std::string siteDataKey; ///< decodes the texts of the site packages
    std::string defaultKey;  ///< 7 characters; stands in for an empty site-data key
    std::string codePage;    ///< the ANSI code page of every store text

    std::string updateFtpHost; ///< the site database update server (host[:port]); empty: no updates
    std::string updateFtpUser;
    std::string updateFtpPassword;
    std::string connectionTestHost; ///< serves /test.txt before a run; empty: the test is skipped
    std::string mailRelayHost;      ///< serves /cgi-bin/mail.cgi and /sendmail.htm
    std::string downloadPage;       ///< where a newer program version is offered
    std::string homePage;           ///< the vendor's home page
    std::string reportSender;       ///< sender address of the error reports
    std::string reportUserName;     ///< the user name in the first line of an error report
    std::string padSpecHomePage;    ///< ends the MASTER_PAD_INFO sentence of generated PAD files
    std::string proxyServer;        ///< "http=host:port;ftp=host:port" or "host:port"; empty: environment

    std::array<std::string, 7> specialSites;                  ///< the sites D1 to D7 of the script rules
    std::vector<std::string> downloadThatTerms;               ///< lines of the DownloadThat terms of use
    std::vector<std::pair<std::string, std::string>> d4Pairs; ///< ten pairs of six-digit numbers
    std::string d6AffiliateEmail;
    std::string d6DeveloperEmail;
    std::string shareItParentDomain; ///< order addresses on this domain carry ShareIt product IDs
    std::string requesterEchoSite;   ///< name fragment of the site that shows lost accounts in its answer
    std::string statsDashedSite;     ///< the stats site whose value 10 is the dashed product name

    std::vector<std::string> notes; ///< what was wrong in the file and replaced by the default

    /// Returns the site-data key with its default.
    SiteKey GetSiteKey() const { return SiteKey{siteDataKey, defaultKey}; }

    /// Returns the configured code page (the default one when it cannot be opened).
    CodePage GetCodePage() const;
};

/// The file name of the configuration in the workspace.
inline constexpr const char* kInstallationFile = "installation.ini";

/// Returns the built-in configuration.
InstallationConfig DefaultInstallationConfig();

/// Returns the configuration of the workspace: installation.ini read over the defaults. A
/// missing file gives the defaults; a bad value keeps its default and adds a note.
InstallationConfig LoadInstallationConfig(const std::filesystem::path& workspace);

/// Writes every key of the configuration to installation.ini, readable by the user only.
Result<void> SaveInstallationConfig(const std::filesystem::path& workspace, const InstallationConfig& config);

/// One key of the file, for listings.
struct ConfigEntry
{
    std::string tag;
    std::string value; ///< lines of a multi-line value joined by "\n"
    bool secret = false;
};

/// Returns every key with its value in the order of the file.
std::vector<ConfigEntry> ListInstallationConfig(const InstallationConfig& config);

} // namespace listrider::store
