// A workspace opened the way the program's start-up opens it, shared by every front end.
#pragma once

#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "catalogue/accounts.h"
#include "catalogue/catalogue_context.h"
#include "catalogue/product_editor.h"
#include "sites/scratch_dir.h"
#include "sites/site_index.h"
#include "sites/site_packages.h"
#include "sites/site_status.h"
#include "sites/sites_page.h"
#include "store/installation_config.h"
#include "store/prefs.h"
#include "store/result.h"

namespace listrider::engine {

/// How a session treats what it leaves behind.
struct SessionOptions
{
    /// A short program run (a command) removes its scratch directory when it ends; the window
    /// leaves it for the next start.
    bool removeScratchAtEnd = true;
    sites::SiteLoadView* loadView = nullptr; ///< the loading window's lines
};

/// The state every part of the program works on: preferences, installation configuration, the
/// site table with its packages and status, the "Sites" page (column set, filter, site list,
/// fast categories), the accounts rows and the catalogue.
class Session
{
public:
    /// Opens the workspace in start-up order: the Submits folder, the preferences (with the
    /// blacklist), the column set and the filter, the site table and the site list built from it,
    /// the eagerly loaded packages, the accounts list, the fast categories, the integrity check.
    /// "Today" is taken here, once.
    static store::Result<std::unique_ptr<Session>> Open(const std::filesystem::path& workspace,
                                                        SessionOptions options = {});

    Session(const Session&) = delete;
    Session& operator=(const Session&) = delete;
    ~Session();

    const std::filesystem::path& Workspace() const { return m_workspace; }

    store::Prefs& Prefs() { return m_prefs; }

    /// Returns whether Prefs.ini was missing (the first-run welcome is due).
    bool FirstRun() const { return m_firstRun; }

    const store::InstallationConfig& Config() const { return m_config; }

    sites::SiteTable& Sites() { return m_sites; }

    sites::SitePackages& Packages() { return *m_packages; }

    sites::ScratchDir& Scratch() { return *m_scratch; }

    /// The catalogue, whose product openings and saves keep the site table's status.
    catalogue::CatalogueContext& Catalogue() { return m_catalogue; }

    const catalogue::CatalogueContext& Catalogue() const { return m_catalogue; }

    /// Returns a fresh editor whose accounts list holds the start-up rows.
    catalogue::ProductEditor NewEditor() const;

    /// The "Sites" page: the column set, the filter, the site list, the fast categories, the
    /// counters.
    sites::SitesPage& Page() { return m_page; }

    const sites::SitesPage& Page() const { return m_page; }

    /// Returns the date-time number taken once at start-up (the marks' "today").
    double Today() const { return m_today; }

    /// Returns what the page's passes work on for the product of the editor.
    sites::SitesPageContext PageContext(catalogue::ProductEditor& editor);

    /// After the editor's product is opened: its accounts are placed and the site list rebuilt.
    void ProductOpened(catalogue::ProductEditor& editor);

    /// Shows the "Sites" page for the editor's product: its fast category is applied when it
    /// is not the one chosen, and the marks and counters are refreshed.
    void ShowSitesPage(catalogue::ProductEditor& editor);

    /// Rebuilds the site list (RefreshSites) for the editor's product, or for no product.
    void RefreshSiteList(catalogue::ProductEditor* editor = nullptr);

    /// The "Site's Filter" dialog's OK: the settings are taken, filter.ini written and the
    /// lists rebuilt.
    store::Result<void> ChangeFilter(const sites::FilterSettings& filter,
                                     catalogue::ProductEditor* editor = nullptr);

    /// The Columns Editor's OK (or a stored width): the entries are taken, columns.ini written,
    /// the columns re-created and the lists rebuilt.
    store::Result<void> ChangeColumns(std::vector<sites::ColumnsR> entries,
                                      catalogue::ProductEditor* editor = nullptr);

    /// The "Blacklisted sites" dialog's OK or "&Blacklist selected site": the blacklist is
    /// replaced, the preferences and blacklist.ini written and the lists rebuilt.
    store::Result<void> ChangeBlacklist(std::vector<std::string> blacklist,
                                        catalogue::ProductEditor* editor = nullptr);

    /// What start-up had to say (index notes, unreadable packages).
    const std::vector<std::string>& Notes() const { return m_notes; }

    /// Returns the folder of the result folders (Submits).
    std::filesystem::path SubmitsDir() const { return m_workspace / "Submits"; }

private:
    Session(std::filesystem::path workspace, SessionOptions options);

    std::filesystem::path m_workspace;
    SessionOptions m_options;
    store::Prefs m_prefs;
    bool m_firstRun = false;
    store::InstallationConfig m_config;
    sites::SiteTable m_sites;
    std::unique_ptr<sites::ScratchDir> m_scratch;
    std::unique_ptr<sites::SitePackages> m_packages;
    sites::SiteStatusFile m_status;
    catalogue::CatalogueContext m_catalogue;
    catalogue::AccountsList m_accounts;
    sites::SitesPage m_page;
    catalogue::ProductEditor m_noProduct; ///< the editor the lists see before a product is open
    double m_today = 0;
    std::vector<std::string> m_notes;
};

} // namespace listrider::engine
