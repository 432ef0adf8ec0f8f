#include "app/bridge/qt_prompter.h"

#include "app/bridge/text.h"

namespace listrider::app {

QtPrompter::QtPrompter(MessageBoxes& boxes, store::CodePage codePage, QWidget* parent)
    : m_boxes(boxes)
    , m_codePage(std::move(codePage))
    , m_parent(parent)
{}

std::optional<bool> QtPrompter::Ask(std::string_view question)
{
    return m_boxes.Ask(m_parent, FromStore(question, m_codePage));
}

void QtPrompter::Inform(std::string_view message)
{
    m_boxes.Inform(m_parent, FromStore(message, m_codePage));
}

} // namespace listrider::app
