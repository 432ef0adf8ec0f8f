// What the pages and dialogs may ask of the main window.
#pragma once

#include <QString>

#include "app/pages/page_id.h"

class QWidget;

namespace listrider::app {

/// The main window as the pages see it: the status bar, the page switch and the shared actions.
class Shell
{
public:
    virtual ~Shell() = default;

    /// Shows the text in the status bar until the next text.
    virtual void ShowStatus(const QString& text) = 0;

    /// Shows a page as the program does (no leaving rules are asked).
    virtual void ShowPage(PageId page) = 0;

    /// Returns the window that parents dialogs and message boxes.
    virtual QWidget* Window() = 0;

    /// Starts the site database update ("&Update Site Database"), modal until it ends.
    virtual void StartDatabaseUpdate() = 0;
};

} // namespace listrider::app
