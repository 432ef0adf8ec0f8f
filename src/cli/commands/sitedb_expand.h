// sitedb show --expand: a step as a site would receive it for a product, sent nowhere.
#pragma once

#include <optional>
#include <string>

#include "cli/command.h"
#include "sites/site_index.h"
#include "store/installation_config.h"

namespace listrider::cli {

/// Which product to expand a step for, and the category values to start the site with.
struct ExpandRequest
{
    std::string company; ///< UTF-8, as typed
    std::string product;
    std::optional<std::string> category;
    std::optional<std::string> subCategory;
};

/// Prints the step of the site at `position` (its package loaded) expanded for the product:
/// the request line and fields after the operating-system multi-selection, macro expansion and
/// value mapping, in UTF-8. Returns the exit code; a value whose list fails is reported and fails.
int PrintExpandedStep(CommandContext& context,
                      sites::SiteTable& table,
                      int position,
                      const store::InstallationConfig& config,
                      const std::string& stepFile,
                      const ExpandRequest& request,
                      bool json);

} // namespace listrider::cli
