// Where each field of the product editor is shown, for blinking and the quick help.
#pragma once

#include <map>
#include <optional>
#include <vector>

#include <QPointer>
#include <QWidget>

#include "catalogue/field_id.h"

class QTabWidget;

namespace listrider::app {

/// A tab that leads to a field: the tab widget and the index of the tab.
struct TabPlace
{
    QTabWidget* tabs = nullptr;
    int index = -1;

    friend bool operator==(const TabPlace&, const TabPlace&) = default;
};

/// The widgets the pages registered for the editor's fields.
class FieldRegistry
{
public:
    /// Registers the widget that shows the field; a later registration of the field replaces it.
    void Register(const catalogue::FieldId& field, QWidget* widget);

    /// Forgets the fields of one description language tab and moves the later tabs down one place.
    void RemoveLanguage(int language);

    /// Returns the field's widget, or null.
    QWidget* WidgetOf(const catalogue::FieldId& field) const;

    /// Returns the field shown by the widget or by one of its parents, or nothing.
    std::optional<catalogue::FieldId> FieldAt(const QWidget* widget) const;

    /// Returns every registered field with its widget.
    std::vector<std::pair<catalogue::FieldId, QWidget*>> Fields() const;

    /// Returns the tabs that must be chosen, outermost first, for the widget to be visible.
    static std::vector<TabPlace> TabsLeadingTo(const QWidget* widget);

private:
    std::map<catalogue::FieldId, QPointer<QWidget>> m_widgets;
};

} // namespace listrider::app
