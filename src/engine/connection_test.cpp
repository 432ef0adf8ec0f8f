#include "engine/connection_test.h"

#include "net/byte_sink.h"
#include "store/ascii.h"
#include "store/file_io.h"
#include "store/file_system.h"

namespace listrider::engine {

ConnectionTestResult RunConnectionTest(const std::filesystem::path& workspace,
                                       const std::string& testHost,
                                       const std::vector<std::string>& localAddresses,
                                       const ProxySettings& proxy,
                                       std::shared_ptr<net::HttpConnectionPool> pool,
                                       net::TransferControl* control)
{
    const std::filesystem::path fixed = workspace / "ip.ini";
    if (store::FileSizeOf(fixed) >= 0) {
        return ConnectionTestResult{true, store::LoadFileAsString(fixed)};
    }
    if (testHost.empty()) {
        return ConnectionTestResult{true, {}};
    }
    std::string base = testHost;
    if (!store::StartsWithNoCase(base, "http://") && !store::StartsWithNoCase(base, "https://")) {
        base = "http://" + base;
    }
    while (base.ends_with('/')) {
        base.pop_back();
    }
    std::unique_ptr<net::HttpClient> client;
    ScriptClientState state;
    for (const std::string& address : localAddresses) {
        if (control != nullptr && control->IsAbortRequested()) {
            break;
        }
        RecreateHTTPScript(client, pool, state);
        client->options.localAddr = address;
        ApplyProxy(proxy, client->options);
        client->options.url = base + "/test.txt";
        client->SetTransferControl(control);
        net::StringSink body;
        client->SetResponseStream(&body);
        // The outcome arrives through the request-done event; an error status fails like a
        // transport error.
        state.errorCode = -1;
        if (client->Get() && state.errorCode == 0 && client->StatusCode() < 400) {
            return ConnectionTestResult{true, address};
        }
    }
    return ConnectionTestResult{false, {}};
}

} // namespace listrider::engine
