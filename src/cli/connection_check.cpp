#include "cli/connection_check.h"

#include <chrono>

#include "net/completion.h"
#include "net/http_client.h"

namespace listrider::cli {

bool CheckInternetConnection(const store::InstallationConfig& config, const store::Prefs& prefs)
{
    if (config.connectionTestHost.empty()) {
        return true;
    }
    const std::string& host = config.connectionTestHost;
    const bool hasScheme = host.starts_with("http://") || host.starts_with("https://");
    net::HttpClient client;
    client.options.url = (hasScheme ? host : "http://" + host) + "/test.txt";
    client.options.proxy = prefs.proxyServer;
    client.options.proxyPort = prefs.proxyPort;
    if (prefs.proxyAuth) {
        client.options.proxyUsername = prefs.proxyUser;
        client.options.proxyPassword = prefs.proxyPassword;
    }
    net::StringSink body;
    client.SetResponseStream(&body);
    client.SetMaxResponseBytes(1 << 16);
    net::Completion done;
    bool passed = false;
    client.events.onRequestDone = [&](const store::Result<void>& outcome) {
        passed = outcome.HasValue() && client.StatusCode() < 400;
        done.Set();
    };
    if (!client.GetAsync()) {
        return false;
    }
    // The test waits as long as one exchange of a run may take.
    if (!done.WaitFor(std::chrono::seconds(prefs.httpExpire))) {
        client.Abort();
        done.WaitFor(net::kRequestWaitLimit);
        return false;
    }
    return passed;
}

} // namespace listrider::cli
