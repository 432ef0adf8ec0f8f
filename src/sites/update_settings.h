// Where and how the database update reaches the update server.
#pragma once

#include <chrono>
#include <filesystem>
#include <string>
#include <vector>

#include "store/installation_config.h"
#include "store/prefs.h"
#include "store/result.h"

namespace listrider::sites {

/// Everything the update needs to know before it starts.
struct UpdateSettings
{
    std::filesystem::path workspace;
    std::filesystem::path scratch; ///< the claimed scratch directory of the program run

    std::string host; ///< the update server
    std::string port = "21";
    std::string user;
    std::string password;

    bool useProxy = false; ///< through the FTP proxy of the preferences
    std::string proxyHost;
    std::string proxyPort;

    std::vector<std::string> localAddresses; ///< the local address list of start-up
    std::string localAddr = "0.0.0.0";       ///< the FTP client's current local address

    std::string downloadPage;      ///< offered when the server has a newer program version
    bool skipUpdateReport = false; ///< Skip_Update_Report
    std::chrono::milliseconds timeout{15000};
};

/// Returns the settings of the installation configuration (the update server "host" or
/// "host:port", its account, the download page) and the preferences (the FTP proxy, used when
/// FTPProxy_Auth is on or both its server and port are set). Fails when no update server is
/// configured.
store::Result<UpdateSettings> MakeUpdateSettings(const std::filesystem::path& workspace,
                                                 const std::filesystem::path& scratch,
                                                 const store::InstallationConfig& config,
                                                 const store::Prefs& prefs,
                                                 std::vector<std::string> localAddresses);

/// Returns the local addresses to try in turn: `current` first, then the list, "0.0.0.0" and an
/// empty entry; "192.168.0.1" removed, addresses ending with ".0.1" last, each address once.
std::vector<std::string> UpdateBindAddresses(const std::string& current,
                                             const std::vector<std::string>& localAddresses);

} // namespace listrider::sites
