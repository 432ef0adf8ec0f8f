#include "app/app_fixture.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTest>

namespace listrider::apptest {

using namespace Qt::StringLiterals;

bool ScriptedBoxes::NextAnswer(const QString& text)
{
    m_shown.append(text);
    if (m_answers.empty()) {
        m_unexpected.append(text);
        return false;
    }
    const bool answer = m_answers.front();
    m_answers.pop_front();
    return answer;
}

bool ScriptedBoxes::Ask(QWidget*, const QString& text)
{
    return NextAnswer(text);
}

bool ScriptedBoxes::Confirm(QWidget*, const QString& text)
{
    return NextAnswer(text);
}

void ScriptedBoxes::Inform(QWidget*, const QString& text)
{
    m_shown.append(text);
}

void ScriptedBoxes::Error(QWidget*, const QString& text)
{
    m_shown.append(text);
}

std::optional<QString>
ScriptedBoxes::AskText(QWidget*, const QString& caption, const QString& prompt, const QString&)
{
    m_shown.append(caption + u": "_s + prompt);
    if (m_texts.empty()) {
        m_unexpected.append(prompt);
        return std::nullopt;
    }
    std::optional<QString> text = m_texts.front();
    m_texts.pop_front();
    return text;
}

TestWorkspace::TestWorkspace()
{
    QVERIFY(m_dir.isValid());
}

std::filesystem::path TestWorkspace::Path() const
{
    return std::filesystem::path(m_dir.path().toStdString());
}

std::filesystem::path TestWorkspace::Write(const QString& name, const QByteArray& bytes) const
{
    const QString path = m_dir.filePath(name);
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile file(path);
    if (file.open(QIODevice::WriteOnly)) {
        file.write(bytes);
    }
    return std::filesystem::path(path.toStdString());
}

std::optional<QByteArray> TestWorkspace::Read(const QString& name) const
{
    QFile file(m_dir.filePath(name));
    if (!file.open(QIODevice::ReadOnly)) {
        return std::nullopt;
    }
    return file.readAll();
}

StartedWindow StartWindow(const std::filesystem::path& workspace, ScriptedBoxes& boxes)
{
    StartedWindow started{std::make_unique<app::MainWindow>(workspace, boxes)};
    started.window->show();
    if (!started.window->Start()) {
        started.window.reset();
    }
    return started;
}

QString CliProgram()
{
    return QString::fromUtf8(LISTRIDER_CLI_PROGRAM);
}

QString RunCli(const std::filesystem::path& workspace, const QStringList& arguments, int* status)
{
    QProcess process;
    QStringList all{u"--workspace"_s, QString::fromStdString(workspace.string())};
    all.append(arguments);
    process.start(CliProgram(), all);
    process.waitForFinished(60000);
    if (status != nullptr) {
        *status = process.exitCode();
    }
    return QString::fromUtf8(process.readAllStandardOutput());
}

} // namespace listrider::apptest
