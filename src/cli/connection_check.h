// The Internet connection test of the command line, before a database update.
#pragma once

#include <filesystem>

#include "store/installation_config.h"
#include "store/prefs.h"

namespace listrider::cli {

/// Returns whether the run's connection test passes: ip.ini, else the vendor's connection-test
/// file (/test.txt on Test_Host) through the HTTP proxy of the preferences. Without a test host
/// the test is skipped and passes.
bool CheckInternetConnection(const std::filesystem::path& workspace,
                             const store::InstallationConfig& config,
                             const store::Prefs& prefs);

} // namespace listrider::cli
