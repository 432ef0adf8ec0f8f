// The connection test before a run: one small file fetched from the vendor's web server.
#pragma once

#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "engine/http_settings.h"
#include "net/http_connection_pool.h"
#include "net/transfer_control.h"

namespace listrider::engine {

/// The message of a failed connection test; the run shows it with a line break and
/// "Submission stopped.".
inline constexpr std::string_view kNoConnectionMessage =
    "Listrider could not find any active Internet connection on your computer. Please make sure that an "
    "Internet connection is established before pressing the \"Start\" button.";

/// What the test found.
struct ConnectionTestResult
{
    bool passed = false;
    std::string localAddress; ///< the address that passed (|LocalIP|); empty when none
};

/// Runs the test: the whole text of ip.ini in the workspace is taken as the local address
/// without a test; a `testHost` left empty skips the test, which passes; otherwise /test.txt is
/// fetched from the host bound to each local address in turn, until one fetch completes.
ConnectionTestResult RunConnectionTest(const std::filesystem::path& workspace,
                                       const std::string& testHost,
                                       const std::vector<std::string>& localAddresses,
                                       const ProxySettings& proxy,
                                       std::shared_ptr<net::HttpConnectionPool> pool,
                                       net::TransferControl* control);

} // namespace listrider::engine
