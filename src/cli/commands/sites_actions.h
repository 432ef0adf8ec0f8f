// The actions of the sites command, one file each.
#pragma once

#include <span>
#include <string>

#include "cli/catalogue_session.h"
#include "cli/command.h"

namespace listrider::cli {

/// The words after the action and the options every action may take.
struct SitesAction
{
    std::span<const std::string> words; ///< after "sites ACTION"
    bool json = false;
};

/// "sites filter show|set ...": the "Site's Filter" dialog.
int RunSitesFilter(const SitesAction& action, CommandContext& context, CatalogueSession& session);

/// "sites columns show|check|uncheck|up|down|top|bottom|width ...": the Columns Editor.
int RunSitesColumns(const SitesAction& action, CommandContext& context, CatalogueSession& session);

} // namespace listrider::cli
