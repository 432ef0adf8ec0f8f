#include "cli/connection_check.h"

#include <chrono>
#include <memory>

#include "engine/connection_test.h"
#include "engine/http_settings.h"
#include "engine/run_control.h"
#include "net/http_connection_pool.h"
#include "net/local_addresses.h"

namespace listrider::cli {

bool CheckInternetConnection(const std::filesystem::path& workspace,
                             const store::InstallationConfig& config,
                             const store::Prefs& prefs)
{
    // The same test a run makes, bounded by the request time limit of the preferences.
    engine::RunControl control;
    control.BeginTransfer();
    control.ArmWatchdog(std::chrono::seconds(prefs.httpExpire));
    const engine::ConnectionTestResult result =
        engine::RunConnectionTest(workspace,
                                  config.connectionTestHost,
                                  net::GetLocalIP(),
                                  engine::HttpProxyFromPrefs(prefs),
                                  std::make_shared<net::HttpConnectionPool>(),
                                  &control.Transfer());
    control.DisarmWatchdog();
    return result.passed;
}

} // namespace listrider::cli
