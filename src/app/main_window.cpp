#include "app/main_window.h"

#include <unistd.h>

#include <QGuiApplication>
#include <QScreen>

#include "app/app_context.h"
#include "app/bridge/message_boxes.h"
#include "app/bridge/qt_prompter.h"
#include "app/bridge/text.h"
#include "app/dialogs/loading_window.h"
#include "app/pages/accounts/accounts_page.h"
#include "app/pages/category/category_page.h"
#include "app/pages/product/product_page.h"
#include "app/pages/product_info/product_info_page.h"
#include "app/pages/sites/sites_page.h"
#include "app/pages/submit/submit_page.h"
#include "app/product_actions.h"
#include "engine/session.h"
#include "store/prefs.h"
#include "store/version.h"
#include "ui_main_window.h"

namespace listrider::app {

using namespace Qt::StringLiterals;

namespace {

constexpr int kCompactHeight = 560;

} // namespace

MainWindow::MainWindow(std::filesystem::path workspace, MessageBoxes& boxes, QWidget* parent)
    : QMainWindow(parent)
    , m_ui(std::make_unique<Ui::MainWindow>())
    , m_workspace(std::move(workspace))
    , m_boxes(boxes)
{
    m_ui->setupUi(this);
    setWindowTitle(u"Listrider "_s + FromUtf8(store::kProgramVersion));
    m_statusLabel = new QLabel(this);
    m_statusLabel->setObjectName(u"StatusLabel"_s);
    m_statusLabel->setAccessibleName(u"Status"_s);
    m_ui->StatusBar1->addWidget(m_statusLabel, 1);
    m_ui->PageControl1->Bar()->SetGuard([this](int index) {
        if (index >= 0 && index < static_cast<int>(m_pages.size())) {
            RequestPage(m_pages[static_cast<std::size_t>(index)]->Id());
        }
        return false; // RequestPage has switched the tab itself when the rules allowed it
    });
    ConnectMenus();
}

MainWindow::~MainWindow() = default;

bool MainWindow::Start()
{
    m_state.readOnlyWorkspace = ::access(m_workspace.c_str(), W_OK) != 0;

    LoadingWindow loading(this);
    loading.show();
    loading.raise();
    engine::SessionOptions options;
    options.removeScratchAtEnd = false;
    options.loadView = &loading;
    store::Result<std::unique_ptr<engine::Session>> opened = engine::Session::Open(m_workspace, options);
    loading.hide();
    m_loadingStages = loading.Stages();
    if (!opened) {
        m_boxes.Error(this,
                      u"The workspace "_s + FromPath(m_workspace) + u" cannot be opened: "_s +
                          FromUtf8(opened.GetError().message));
        return false;
    }
    m_session = std::move(opened.Value());
    m_editor = m_session->NewEditor();
    m_state.firstRun = m_session->FirstRun();
    m_prompter = std::make_unique<QtPrompter>(m_boxes, m_session->Catalogue().codePage, this);
    m_context = std::unique_ptr<AppContext>(
        new AppContext{*m_session, m_editor, m_boxes, *m_prompter, m_state, m_fields, *this});
    m_ui->QuickTips1->setChecked(m_session->Prefs().quickTips);

    CreatePages();
    ShowPage(PageId::Product);
    ShowStartupNotes();
    FirstActivation();
    return true;
}

void MainWindow::CreatePages()
{
    m_pages = {new ProductPage(*m_context),
               new ProductInfoPage(*m_context),
               new AccountsPage(*m_context),
               new CategoryPage(*m_context),
               new SitesPage(*m_context),
               new SubmitPage(*m_context)};
    for (Page* page : m_pages) {
        m_ui->PageControl1->addTab(page, page->Caption());
    }
}

void MainWindow::ShowStartupNotes()
{
    if (m_state.readOnlyWorkspace) {
        const QString text = u"The workspace "_s + FromPath(m_workspace) +
                             u" is read-only: nothing can be saved in this session."_s;
        ShowStatus(text);
        m_boxes.Inform(this, text);
        return;
    }
    const std::vector<std::string>& notes = m_session->Notes();
    if (!notes.empty()) {
        // Damaged stores open with their defaults; the notes say which.
        QStringList all;
        for (const std::string& note : notes) {
            all.append(FromStore(note, m_context->CodePage()));
        }
        ShowStatus(all.size() == 1 ? all.front()
                                   : all.front() + u" (and %1 more notes)"_s.arg(all.size() - 1));
        m_statusLabel->setToolTip(all.join(u'\n'));
    }
}

void MainWindow::FirstActivation()
{
    if (const QScreen* screen = QGuiApplication::primaryScreen(); screen != nullptr) {
        const QSize size = screen->size();
        if (size.width() < 1024 && size.height() < 768) {
            m_state.compactLayout = true;
            setMinimumHeight(kCompactHeight);
            resize(width(), kCompactHeight);
        }
    }
    if (m_state.firstRun) {
        const QString welcome =
            u"Welcome to Listrider of Korvane!\r\n\r\nThis is the first execution of Listrider. It is "
            u"recommended to configure program before using it, would you like to do it now?\r\n\r\nYou "
            u"can do it later by clicking the \"Preferences\" menu item."_s;
        if (m_boxes.Ask(this, welcome)) {
            m_ui->Preferences1->trigger();
        }
    } else if (m_session->Prefs().updateOnStart) {
        StartDatabaseUpdate();
    }
}

Page* MainWindow::CurrentPage() const
{
    return qobject_cast<Page*>(m_ui->PageControl1->currentWidget());
}

Page* MainWindow::PageOf(PageId id) const
{
    for (Page* page : m_pages) {
        if (page->Id() == id) {
            return page;
        }
    }
    return nullptr;
}

bool MainWindow::RequestPage(PageId requested)
{
    Page* current = CurrentPage();
    if (current == nullptr || !m_state.PageChangeAllowed() || current->Id() == requested) {
        return false;
    }
    if ((current->SavesOnLeave() || m_editor.modified) && !SaveChanges(*m_context)) {
        return false;
    }
    const PageId next = current->Leave(requested);
    if (next == current->Id()) {
        return false;
    }
    ShowPage(next);
    return true;
}

void MainWindow::ShowPage(PageId id)
{
    Page* page = PageOf(id);
    if (page == nullptr) {
        return;
    }
    m_ui->PageControl1->setCurrentWidget(page);
    m_state.activePage = page->LayoutName();
    page->Enter();
}

void MainWindow::ShowStatus(const QString& text)
{
    m_statusLabel->setText(text);
    m_statusLabel->setToolTip(QString());
}

QString MainWindow::StatusText() const
{
    return m_statusLabel->text();
}

void MainWindow::RaiseFromOtherStart()
{
    setWindowState((windowState() & ~Qt::WindowMinimized) | Qt::WindowActive);
    show();
    raise();
    activateWindow();
}

void MainWindow::StartDatabaseUpdate()
{
    // The update window comes with the site pages.
    m_boxes.Inform(this,
                   u"The site database update is not available in the window yet; run "
                   u"\"listrider-cli update-db\"."_s);
}

void MainWindow::ConnectMenus()
{
    connect(m_ui->Exit1, &QAction::triggered, this, &QWidget::close);
    connect(m_ui->UpdateSitesDatabase1, &QAction::triggered, this, [this] {
        if (m_context != nullptr && m_state.PageChangeAllowed()) {
            StartDatabaseUpdate();
        }
    });
    connect(m_ui->QuickTips1, &QAction::toggled, this, &MainWindow::ToggleQuickTips);
}

void MainWindow::ToggleQuickTips(bool on)
{
    if (m_session == nullptr || m_session->Prefs().quickTips == on) {
        return;
    }
    m_session->Prefs().quickTips = on;
    if (store::Result<void> saved = store::SaveINI(m_workspace, m_session->Prefs()); !saved) {
        ShowStatus(FromUtf8(saved.GetError().message));
    }
}

} // namespace listrider::app
