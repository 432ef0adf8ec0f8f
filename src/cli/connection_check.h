// The Internet connection test of the command line, before a database update.
#pragma once

#include "store/installation_config.h"
#include "store/prefs.h"

namespace listrider::cli {

/// Returns whether the vendor's connection-test file (/test.txt on Test_Host) can be fetched,
/// through the HTTP proxy of the preferences. Without a test host the test is skipped and passes.
bool CheckInternetConnection(const store::InstallationConfig& config, const store::Prefs& prefs);

} // namespace listrider::cli
