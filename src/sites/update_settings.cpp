#include "sites/update_settings.h"

#include <algorithm>

namespace listrider::sites {
namespace {

// "host", "host:port", "[v6]" or "[v6]:port".
void SplitServer(const std::string& text, std::string& host, std::string& port)
{
    if (text.starts_with('[')) {
        const std::size_t close = text.find(']');
        host = text.substr(1, close == std::string::npos ? std::string::npos : close - 1);
        if (close != std::string::npos && close + 1 < text.size() && text[close + 1] == ':') {
            port = text.substr(close + 2);
        }
        return;
    }
    const std::size_t colon = text.find(':');
    if (colon != std::string::npos && text.find(':', colon + 1) == std::string::npos) {
        host = text.substr(0, colon);
        port = text.substr(colon + 1);
        return;
    }
    host = text;
}

} // namespace

store::Result<UpdateSettings> MakeUpdateSettings(const std::filesystem::path& workspace,
                                                 const std::filesystem::path& scratch,
                                                 const store::InstallationConfig& config,
                                                 const store::Prefs& prefs,
                                                 std::vector<std::string> localAddresses)
{
    UpdateSettings settings;
    settings.workspace = workspace;
    settings.scratch = scratch;
    SplitServer(config.updateFtpHost, settings.host, settings.port);
    if (settings.host.empty()) {
        return store::MakeError(store::ErrorKind::Unsupported,
                                "No update server is configured (Update_FTP_Host in installation.ini)");
    }
    if (settings.port.empty()) {
        settings.port = "21";
    }
    settings.user = config.updateFtpUser;
    settings.password = config.updateFtpPassword;
    settings.useProxy = prefs.ftpProxyAuth || (!prefs.ftpProxyServer.empty() && !prefs.ftpProxyPort.empty());
    settings.proxyHost = prefs.ftpProxyServer;
    settings.proxyPort = prefs.ftpProxyPort;
    settings.localAddresses = std::move(localAddresses);
    settings.downloadPage = config.downloadPage;
    settings.skipUpdateReport = prefs.skipUpdateReport;
    return settings;
}

std::vector<std::string> UpdateBindAddresses(const std::string& current,
                                             const std::vector<std::string>& localAddresses)
{
    std::vector<std::string> all{current};
    all.insert(all.end(), localAddresses.begin(), localAddresses.end());
    all.emplace_back("0.0.0.0");
    all.emplace_back("");
    std::erase(all, std::string("192.168.0.1"));
    std::stable_partition(
        all.begin(), all.end(), [](const std::string& address) { return !address.ends_with(".0.1"); });
    std::vector<std::string> once;
    for (std::string& address : all) {
        if (std::find(once.begin(), once.end(), address) == once.end()) {
            once.push_back(std::move(address));
        }
    }
    return once;
}

} // namespace listrider::sites
