// What the window tests share: answered message boxes and a started window on a fresh workspace.
#pragma once

#include <deque>
#include <filesystem>
#include <memory>
#include <optional>

#include <QStringList>
#include <QTemporaryDir>

#include "app/bridge/message_boxes.h"
#include "app/main_window.h"

namespace listrider::apptest {

/// Message boxes whose answers a test gives in advance; every text shown is kept. A question
/// without a prepared answer is answered No (Cancel) and recorded as unexpected.
class ScriptedBoxes final : public app::MessageBoxes
{
public:
    /// The next Ask or Confirm returns this.
    void Answer(bool yes) { m_answers.push_back(yes); }

    /// The next AskText returns this (nothing: cancelled).
    void AnswerText(std::optional<QString> text) { m_texts.push_back(std::move(text)); }

    const QStringList& Shown() const { return m_shown; }

    const QStringList& Unexpected() const { return m_unexpected; }

    /// Returns the last text shown, or an empty text.
    QString Last() const { return m_shown.isEmpty() ? QString() : m_shown.last(); }

    void Clear() { m_shown.clear(); }

    bool Ask(QWidget* parent, const QString& text) override;
    bool Confirm(QWidget* parent, const QString& text) override;
    void Inform(QWidget* parent, const QString& text) override;
    void Error(QWidget* parent, const QString& text) override;
    std::optional<QString>
    AskText(QWidget* parent, const QString& caption, const QString& prompt, const QString& initial) override;

private:
    bool NextAnswer(const QString& text);

    std::deque<bool> m_answers;
    std::deque<std::optional<QString>> m_texts;
    QStringList m_shown;
    QStringList m_unexpected;
};

/// A workspace directory of the test's own.
class TestWorkspace
{
public:
    TestWorkspace();

    std::filesystem::path Path() const;

    /// Writes a file below the workspace and returns its path.
    std::filesystem::path Write(const QString& name, const QByteArray& bytes) const;

    /// Returns a file's bytes, or nothing when it is missing.
    std::optional<QByteArray> Read(const QString& name) const;

private:
    QTemporaryDir m_dir;
};

/// A main window started on a workspace, its questions answered by `boxes`.
struct StartedWindow
{
    std::unique_ptr<app::MainWindow> window;

    app::MainWindow* operator->() const { return window.get(); }
};

/// Makes and starts the window; fails the test (returns null) when Start fails.
StartedWindow StartWindow(const std::filesystem::path& workspace, ScriptedBoxes& boxes);

/// Returns the listrider-cli program built beside the tests.
QString CliProgram();

/// Runs listrider-cli on the workspace and returns its standard output (UTF-8); the exit status
/// goes to `status` when given.
QString RunCli(const std::filesystem::path& workspace, const QStringList& arguments, int* status = nullptr);

} // namespace listrider::apptest
