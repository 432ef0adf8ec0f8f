// The script language of a run, made for a site table.
#pragma once

#include <memory>

#include "engine/run_script.h"
#include "sites/site_index.h"
#include "store/installation_config.h"

namespace listrider::engine {

/// Returns the run's script language over the run values of the table; the table must outlive it.
std::unique_ptr<RunScript> MakeRunScript(const sites::SiteTable& table,
                                         const store::InstallationConfig& config);

} // namespace listrider::engine
