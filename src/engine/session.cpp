#include "engine/session.h"

#include "sites/account_rows.h"
#include "sites/site_integrity.h"
#include "store/date_time.h"
#include "store/file_system.h"
#include "store/workspace.h"

namespace listrider::engine {

namespace fs = std::filesystem;

namespace {

void ShowStage(sites::SiteLoadView* view, std::string_view stage)
{
    if (view != nullptr) {
        view->ShowLoading(stage, "");
    }
}

} // namespace

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

    session->m_today = store::NowDateTimeNumber();

    sites::SiteLoadView* view = options.loadView;
    ShowStage(view, "Loading custom sites columns...");
    sites::LoadSitesPageColumns(session->m_page, workspace);
    ShowStage(view, "Loading custom site filters...");
    sites::LoadSitesPageFilter(session->m_page, workspace, session->m_today);
    ShowStage(view, "Loading site database...");
    session->m_sites = sites::LoadSites(workspace);
    session->m_notes.insert(
        session->m_notes.end(), session->m_sites.notes.begin(), session->m_sites.notes.end());
    session->m_scratch = std::make_unique<sites::ScratchDir>(workspace);
    session->m_packages = std::make_unique<sites::SitePackages>(workspace, *session->m_scratch);
    // LoadSites ends with the site list, before any product is open.
    session->RefreshSiteList();
    if (!session->m_sites.sites.empty()) {
        if (store::Result<fs::path> scratch = session->m_scratch->Ensure(); !scratch) {
            return scratch.GetError();
        }
    }
    session->m_packages->LoadStartupSites(session->m_sites, view);
    ShowStage(view, "Loading passwords base...");
    session->m_accounts = catalogue::LoadPasswords(sites::AccountSiteRows(session->m_sites));
    session->m_noProduct.accounts = session->m_accounts;
    ShowStage(view, "Loading fast categories...");
    session->m_page.fastCategories.LoadFastCats(workspace);
    ShowStage(view, "Checking integrity of the sites index...");
    ShowStage(view, "Checking integrity of the site database...");
    sites::CheckSitesComplexity(session->m_sites, workspace);
    for (std::string& note : session->m_packages->TakeNotes()) {
        session->m_notes.push_back(std::move(note));
    }

    session->m_catalogue = catalogue::MakeCatalogueContext(workspace, session->m_config);
    session->m_catalogue.siteStatus = &session->m_status;
    return session;
}

sites::SitesPageContext Session::PageContext(catalogue::ProductEditor& editor)
{
    return {m_workspace, m_sites, *m_packages, editor, m_prefs, m_today};
}

void Session::ProductOpened(catalogue::ProductEditor& editor)
{
    sites::ProductOpened(m_page, PageContext(editor));
}

void Session::ShowSitesPage(catalogue::ProductEditor& editor)
{
    sites::ShowSitesPage(m_page, PageContext(editor));
}

void Session::RefreshSiteList(catalogue::ProductEditor* editor)
{
    sites::RefreshSitesPage(m_page, PageContext(editor != nullptr ? *editor : m_noProduct));
}

store::Result<void> Session::ChangeFilter(const sites::FilterSettings& filter,
                                          catalogue::ProductEditor* editor)
{
    m_page.filter = filter;
    store::Result<void> saved = sites::SavefILTER(m_workspace, m_page.filter);
    RefreshSiteList(editor);
    return saved;
}

store::Result<void> Session::ChangeColumns(std::vector<sites::ColumnsR> entries,
                                           catalogue::ProductEditor* editor)
{
    m_page.columns = std::move(entries);
    store::Result<void> saved = sites::SaveColumns(m_workspace, m_page.columns);
    m_page.list.RefreshColumns(m_page.columns);
    catalogue::ProductEditor& target = editor != nullptr ? *editor : m_noProduct;
    // The account columns are refilled from the accounts list.
    target.accounts.copyToSiteList = true;
    RefreshSiteList(editor);
    return saved;
}

store::Result<void> Session::ChangeBlacklist(std::vector<std::string> blacklist,
                                             catalogue::ProductEditor* editor)
{
    m_prefs.blacklist = std::move(blacklist);
    store::Result<void> saved = store::SaveINI(m_workspace, m_prefs);
    RefreshSiteList(editor);
    return saved;
}

catalogue::ProductEditor Session::NewEditor() const
{
    catalogue::ProductEditor editor;
    editor.accounts = m_accounts;
    return editor;
}

} // namespace listrider::engine
