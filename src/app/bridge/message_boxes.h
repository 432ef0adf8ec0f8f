// The window's modal messages and questions, behind one interface so that tests answer them.
#pragma once

#include <optional>

#include <QString>

class QWidget;

namespace listrider::app {

/// Shows message boxes and simple input questions; returns the user's answer.
class MessageBoxes
{
public:
    virtual ~MessageBoxes() = default;

    /// A question with Yes and No; returns true for Yes.
    virtual bool Ask(QWidget* parent, const QString& text) = 0;

    /// A question with OK and Cancel; returns true for OK.
    virtual bool Confirm(QWidget* parent, const QString& text) = 0;

    /// An information box with OK.
    virtual void Inform(QWidget* parent, const QString& text) = 0;

    /// An error box with OK.
    virtual void Error(QWidget* parent, const QString& text) = 0;

    /// A one-line input box; returns the text, or nothing when cancelled.
    virtual std::optional<QString>
    AskText(QWidget* parent, const QString& caption, const QString& prompt, const QString& initial) = 0;
};

/// The real boxes of the desktop.
class QtMessageBoxes final : public MessageBoxes
{
public:
    bool Ask(QWidget* parent, const QString& text) override;
    bool Confirm(QWidget* parent, const QString& text) override;
    void Inform(QWidget* parent, const QString& text) override;
    void Error(QWidget* parent, const QString& text) override;
    std::optional<QString>
    AskText(QWidget* parent, const QString& caption, const QString& prompt, const QString& initial) override;
};

} // namespace listrider::app
