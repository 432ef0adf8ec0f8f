// The main window: menus, the page tabs and the status bar around the pages.
#pragma once

#include <filesystem>
#include <memory>
#include <vector>

#include <QLabel>
#include <QMainWindow>

#include "app/shell.h"
#include "app/widgets/field_registry.h"
#include "app/window_state.h"
#include "catalogue/product_editor.h"

namespace Ui {
class MainWindow;
}

namespace listrider::engine {
class Session;
}

namespace listrider::app {

class MessageBoxes;
class Page;
class QtPrompter;
struct AppContext;

/// The window of the program. It owns the session, the editor and the pages, and routes page
/// changes through the pages' leaving rules; everything else lives in the pages and dialogs.
class MainWindow final : public QMainWindow, public Shell
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(MainWindow)

public:
    MainWindow(std::filesystem::path workspace, MessageBoxes& boxes, QWidget* parent = nullptr);
    ~MainWindow() override;

    /// Opens the workspace with the loading window, builds the pages, shows the "Product" page
    /// and does what the first activation does (compact layout, welcome question or update).
    /// Returns false when the workspace cannot be opened (the reason was shown).
    bool Start();

    /// Returns the services of the pages; valid after Start.
    AppContext& Context() { return *m_context; }

    /// Returns the page that is shown, or null before Start.
    Page* CurrentPage() const;

    /// Returns the page of the id; valid after Start.
    Page* PageOf(PageId id) const;

    /// The user chose the page: the leaving rules of the current page decide where to go.
    /// Returns whether the shown page changed.
    bool RequestPage(PageId requested);

    /// Returns the first lines the loading window showed, in order.
    const QStringList& LoadingStages() const { return m_loadingStages; }

    /// Returns the status bar's text.
    QString StatusText() const;

    /// Restores the window from the minimised state and brings it to the front.
    void RaiseFromOtherStart();

    void ShowStatus(const QString& text) override;
    void ShowPage(PageId page) override;

    QWidget* Window() override { return this; }

    void StartDatabaseUpdate() override;

private:
    void ConnectMenus();
    void CreatePages();
    void FirstActivation();
    void ShowStartupNotes();
    void ToggleQuickTips(bool on);

    std::unique_ptr<Ui::MainWindow> m_ui;
    std::filesystem::path m_workspace;
    MessageBoxes& m_boxes;
    QLabel* m_statusLabel = nullptr;
    QStringList m_loadingStages;

    std::unique_ptr<engine::Session> m_session;
    catalogue::ProductEditor m_editor;
    WindowState m_state;
    FieldRegistry m_fields;
    std::unique_ptr<QtPrompter> m_prompter;
    std::unique_ptr<AppContext> m_context;
    std::vector<Page*> m_pages; ///< in tab order, owned by the tab widget
};

} // namespace listrider::app
