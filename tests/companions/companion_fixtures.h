// Site tables with scripts for the companion runs, and the settings that read them.
#pragma once

#include <string>
#include <utility>
#include <vector>

#include "sites/site_index.h"
#include "store/installation_config.h"

namespace listrider::companions::testing {

/// A field of a web step: name and value.
using Field = std::pair<std::string, std::string>;

/// Returns the lines of a web step as a site package holds them.
std::vector<std::string> WebStepLines(const std::string& host,
                                      const std::string& path,
                                      const std::string& method,
                                      const std::vector<Field>& fields,
                                      int onSuccess,
                                      const std::string& successText,
                                      int onFailure = -2,
                                      const std::vector<std::string>& commands = {});

/// Returns an installation configuration whose site-data key decodes the fixtures' members.
store::InstallationConfig TestConfig();

/// Adds a site to the table and returns it; its members are set with SetMember.
sites::SitesR& AddSite(sites::SiteTable& table, const std::string& name);

} // namespace listrider::companions::testing
