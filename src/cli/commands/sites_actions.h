// The actions of the sites command, one file each.
#pragma once

#include <optional>
#include <span>
#include <string>

#include "catalogue/product_editor.h"
#include "cli/catalogue_session.h"
#include "cli/command.h"

namespace listrider::cli {

/// The words after the action and the options every action may take.
struct SitesAction
{
    std::span<const std::string> words; ///< after "sites ACTION"
    bool json = false;
    std::optional<std::string> company;  ///< --company: the product the page shows
    std::optional<std::string> product;  ///< --product
    std::optional<std::string> find;     ///< sites category --find TEXT
    std::optional<std::string> keywords; ///< sites category --keywords TEXT
    bool reveal = false;                 ///< sites list --reveal: passwords as they are
};

/// Opens the action's product (--company, --product) into the editor, as leaving the "Product"
/// page does; the site list is rebuilt for it. Returns the exit code of a failure, or nothing.
std::optional<int> OpenActionProduct(const SitesAction& action,
                                     CommandContext& context,
                                     CatalogueSession& session,
                                     catalogue::ProductEditor& editor);

/// "sites filter show|set ...": the "Site's Filter" dialog.
int RunSitesFilter(const SitesAction& action, CommandContext& context, CatalogueSession& session);

/// "sites columns show|check|uncheck|up|down|top|bottom|width ...": the Columns Editor.
int RunSitesColumns(const SitesAction& action, CommandContext& context, CatalogueSession& session);

/// "sites list --company C --product P": the "Sites" page for the product.
int RunSitesList(const SitesAction& action, CommandContext& context, CatalogueSession& session);

/// "sites category SITE [VALUE|--find TEXT|--keywords TEXT] --company C --product P": the Site
/// Properties dialog's "Category" page.
int RunSitesCategory(const SitesAction& action, CommandContext& context, CatalogueSession& session);

/// "sites backlinks [SITE]": the "Back link" page's code box.
int RunSitesBacklinks(const SitesAction& action, CommandContext& context, CatalogueSession& session);

} // namespace listrider::cli
