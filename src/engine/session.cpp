#include "engine/session.h"

#include "sites/account_rows.h"
#include "sites/site_integrity.h"
#include "store/file_system.h"
#include "store/workspace.h"

namespace listrider::engine {

namespace fs = std::filesystem;

Session::Session(fs::path workspace, SessionOptions options)
    : m_workspace(std::move(workspace))
    , m_options(options)
    , m_status(m_sites)
{}

Session::~Session()
{
    if (m_options.removeScratchAtEnd && m_scratch != nullptr) {
        m_scratch->Remove();
    }
}

store::Result<std::unique_ptr<Session>> Session::Open(const fs::path& workspace, SessionOptions options)
{
    std::unique_ptr<Session> session(new Session(workspace, options));
    if (store::Result<void> made = store::ForceDirectories(session->SubmitsDir()); !made) {
        return made.GetError();
    }
    session->m_config = store::LoadInstallationConfig(workspace);
    session->m_notes = session->m_config.notes;
    store::LoadedPrefs prefs = store::LoadINI(workspace);
    session->m_prefs = std::move(prefs.prefs);
    session->m_firstRun = !prefs.found;

    session->m_sites = sites::LoadSites(workspace);
    session->m_notes.insert(
        session->m_notes.end(), session->m_sites.notes.begin(), session->m_sites.notes.end());
    session->m_scratch = std::make_unique<sites::ScratchDir>(workspace);
    session->m_packages = std::make_unique<sites::SitePackages>(workspace, *session->m_scratch);
    if (!session->m_sites.sites.empty()) {
        if (store::Result<fs::path> scratch = session->m_scratch->Ensure(); !scratch) {
            return scratch.GetError();
        }
    }
    session->m_packages->LoadStartupSites(session->m_sites, options.loadView);
    session->m_accounts = catalogue::LoadPasswords(sites::AccountSiteRows(session->m_sites));
    sites::CheckSitesComplexity(session->m_sites, workspace);
    for (std::string& note : session->m_packages->TakeNotes()) {
        session->m_notes.push_back(std::move(note));
    }

    session->m_catalogue = catalogue::MakeCatalogueContext(workspace, session->m_config);
    session->m_catalogue.siteStatus = &session->m_status;
    return session;
}

catalogue::ProductEditor Session::NewEditor() const
{
    catalogue::ProductEditor editor;
    editor.accounts = m_accounts;
    return editor;
}

} // namespace listrider::engine
