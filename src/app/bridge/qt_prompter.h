// The core's questions and messages (code-page texts) shown as the window's message boxes.
#pragma once

#include <QPointer>
#include <QWidget>

#include "app/bridge/message_boxes.h"
#include "store/code_page.h"
#include "store/prompter.h"

namespace listrider::app {

/// Answers the core's questions with Yes/No boxes over the given window.
class QtPrompter final : public store::Prompter
{
public:
    QtPrompter(MessageBoxes& boxes, store::CodePage codePage, QWidget* parent);

    std::optional<bool> Ask(std::string_view question) override;
    void Inform(std::string_view message) override;

private:
    MessageBoxes& m_boxes;
    store::CodePage m_codePage;
    QPointer<QWidget> m_parent;
};

} // namespace listrider::app
