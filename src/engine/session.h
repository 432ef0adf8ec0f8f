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
/// site table with its packages and status, the accounts rows and the catalogue.
class Session
{
public:
    /// Opens the workspace in start-up order: the Submits folder, the preferences, the site
    /// table, the eagerly loaded packages, the accounts list, the integrity check.
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
    std::vector<std::string> m_notes;
};

} // namespace listrider::engine
