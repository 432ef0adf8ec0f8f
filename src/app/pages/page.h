// One tab page of the main window.
#pragma once

#include <QString>
#include <QWidget>

#include "app/pages/page_id.h"

namespace listrider::app {

struct AppContext;

/// A page of the main window: it fills itself from the models when shown and decides whether
/// the user may leave it.
class Page : public QWidget
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(Page)

public:
    Page(AppContext& context, QWidget* parent);

    /// Returns which page this is.
    virtual PageId Id() const = 0;

    /// Returns the tab caption ("&Product" ...).
    virtual QString Caption() const = 0;

    /// Returns the page's name for the layout ("ProductsPage", "URLPage" ...).
    virtual QString LayoutName() const = 0;

    /// The page is shown: its widgets are filled from the models.
    virtual void Enter() {}

    /// The user chose the `requested` page: returns the page to show instead, or Id() to stay.
    virtual PageId Leave(PageId requested) { return requested; }

    /// Returns whether leaving the page saves the open product.
    virtual bool SavesOnLeave() const { return false; }

protected:
    AppContext& Context() { return m_context; }

private:
    AppContext& m_context;
};

} // namespace listrider::app
