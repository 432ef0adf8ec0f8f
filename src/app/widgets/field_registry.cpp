#include "app/widgets/field_registry.h"

#include <algorithm>

#include <QStackedWidget>
#include <QTabWidget>

namespace listrider::app {

void FieldRegistry::Register(const catalogue::FieldId& field, QWidget* widget)
{
    m_widgets[field] = widget;
}

void FieldRegistry::RemoveLanguage(int language)
{
    std::map<catalogue::FieldId, QPointer<QWidget>> kept;
    for (auto& [field, widget] : m_widgets) {
        if (!catalogue::IsDescriptionField(field.kind) || field.language < language) {
            kept.emplace(field, widget);
        } else if (field.language > language) {
            kept.emplace(catalogue::FieldId{field.kind, field.language - 1}, widget);
        }
    }
    m_widgets = std::move(kept);
}

QWidget* FieldRegistry::WidgetOf(const catalogue::FieldId& field) const
{
    auto found = m_widgets.find(field);
    return found == m_widgets.end() ? nullptr : found->second.data();
}

std::optional<catalogue::FieldId> FieldRegistry::FieldAt(const QWidget* widget) const
{
    for (; widget != nullptr; widget = widget->parentWidget()) {
        auto found = std::find_if(m_widgets.begin(), m_widgets.end(), [widget](const auto& entry) {
            return entry.second.data() == widget;
        });
        if (found != m_widgets.end()) {
            return found->first;
        }
    }
    return std::nullopt;
}

std::vector<std::pair<catalogue::FieldId, QWidget*>> FieldRegistry::Fields() const
{
    std::vector<std::pair<catalogue::FieldId, QWidget*>> fields;
    for (const auto& [field, widget] : m_widgets) {
        if (!widget.isNull()) {
            fields.emplace_back(field, widget.data());
        }
    }
    return fields;
}

std::vector<TabPlace> FieldRegistry::TabsLeadingTo(const QWidget* widget)
{
    std::vector<TabPlace> places;
    const QWidget* child = widget;
    for (const QWidget* parent = widget != nullptr ? widget->parentWidget() : nullptr; parent != nullptr;
         child = parent, parent = parent->parentWidget()) {
        // A tab widget's pages sit in its private stack.
        auto* stack = qobject_cast<const QStackedWidget*>(parent);
        auto* tabs = stack != nullptr ? qobject_cast<QTabWidget*>(stack->parentWidget()) : nullptr;
        if (tabs != nullptr) {
            places.push_back({tabs, tabs->indexOf(const_cast<QWidget*>(child))});
        }
    }
    std::reverse(places.begin(), places.end());
    return places;
}

} // namespace listrider::app
