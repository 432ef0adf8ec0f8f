// The preferences: Prefs.ini in the workspace over built-in defaults, and the blacklist saved with it.
#pragma once

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

#include "store/line_list.h"
#include "store/result.h"

namespace listrider::store {

/// Every setting of Prefs.ini, with the blacklist of the site list.
struct Prefs
{
    bool doNotUseSmtp = false;
    std::string smtpServer;
    std::string smtpPort = "25";
    bool smtpAuth = false;
    std::string smtpLogin;
    std::string smtpPassword;

    std::string proxyServer; ///< HTTP proxy host; empty: direct connections
    std::string proxyPort = "3128";
    bool proxyAuth = false;
    std::string proxyUser;
    std::string proxyPassword;

    std::string ftpProxyServer;
    std::string ftpProxyPort = "3128";
    bool ftpProxyAuth = false;
    std::string ftpProxyUser;
    std::string ftpProxyPassword;

    bool quickTips = true;
    bool popupTips = true; ///< written, never read back
    int httpExpire = 60;   ///< seconds one HTTP exchange of a run may take (1 to 999)

    std::string uploadFtpHost;
    std::string uploadFtpPort;
    std::string uploadFtpUser;
    std::string uploadFtpPassword;
    bool uploadFtpLowerCase = false;
    bool uploadFtpPassive = false;
    std::string uploadFtpDir;

    bool skipUpdateReport = false;
    bool updateOnStart = false;
    bool validateLinks = true;
    bool hideUnSuitable = false;
    bool autocheck = false;
    bool playSound = false;

    std::string xmlDir; ///< last directories of the file pickers; the workspace by default
    std::string iconDir;
    std::string shotDir;
    std::string exeDir;

    std::string hints = "000000"; ///< read and kept, never written

    std::vector<std::string> blacklist; ///< site names never shown in the site list
};

/// The file names in the workspace.
inline constexpr const char* kPrefsFile = "Prefs.ini";
inline constexpr const char* kBlacklistFile = "blacklist.ini";

/// The HTTP time-out used when the stored one is unusable.
inline constexpr int kDefaultHttpExpire = 60;

/// Returns the defaults; the picker directories are the workspace directory text (ending '/').
Prefs DefaultPrefs(std::string_view workspaceText);

/// Applies the lines of a Prefs.ini over `prefs`: every tag is searched on every line ignoring
/// case, the last line holding it wins, unknown lines are ignored. An HTTP_Expire that is not a
/// number from 1 to 999 gives 60.
void ApplyPrefsLines(LineSpan lines, Prefs& prefs);

/// Returns the lines of Prefs.ini in the order the file is written (Hints and SMTP_Auth_Method
/// are not written).
LineList PrefsLines(const Prefs& prefs);

/// What LoadINI found.
struct LoadedPrefs
{
    Prefs prefs;
    bool found = false; ///< Prefs.ini existed (otherwise the first-run welcome is due)
};

/// Returns the defaults with Prefs.ini of the workspace applied and, when Prefs.ini exists, the
/// blacklist read from blacklist.ini.
LoadedPrefs LoadINI(const std::filesystem::path& workspace);

/// Writes Prefs.ini (readable by the user only: it holds passwords), then blacklist.ini.
Result<void> SaveINI(const std::filesystem::path& workspace, const Prefs& prefs);

/// One setting, for listings.
struct PrefEntry
{
    std::string tag;
    std::string value;
    bool secret = false;
};

/// Returns every written setting in file order.
std::vector<PrefEntry> ListPrefs(const Prefs& prefs);

/// Sets one written setting by its tag (ASCII case ignored). A flag takes "Y" or "N" (either
/// case), HTTP_Expire a number from 1 to 999.
Result<void> SetPref(Prefs& prefs, std::string_view tag, std::string_view value);

/// Fills the HTTP proxy host and port from the system's proxy setting ("ProxyServer" form or the
/// environment): the text before the first ':' is the host, the rest the port. Returns false and
/// leaves both unchanged when the detected text holds no ':'.
bool DetectHttpProxy(std::string_view proxyServerSetting, Prefs& prefs);

/// As DetectHttpProxy, for the FTP proxy; a single proxy for every protocol is not taken.
bool DetectFtpProxy(std::string_view proxyServerSetting, Prefs& prefs);

} // namespace listrider::store
