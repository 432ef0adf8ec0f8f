#include "app/bridge/message_boxes.h"

#include <QApplication>
#include <QInputDialog>
#include <QMessageBox>

namespace listrider::app {

namespace {

QString Title()
{
    return QApplication::applicationDisplayName();
}

} // namespace

bool QtMessageBoxes::Ask(QWidget* parent, const QString& text)
{
    return QMessageBox::question(parent, Title(), text, QMessageBox::Yes | QMessageBox::No) ==
           QMessageBox::Yes;
}

bool QtMessageBoxes::Confirm(QWidget* parent, const QString& text)
{
    return QMessageBox::question(parent, Title(), text, QMessageBox::Ok | QMessageBox::Cancel) ==
           QMessageBox::Ok;
}

void QtMessageBoxes::Inform(QWidget* parent, const QString& text)
{
    QMessageBox::information(parent, Title(), text);
}

void QtMessageBoxes::Error(QWidget* parent, const QString& text)
{
    QMessageBox::critical(parent, Title(), text);
}

std::optional<QString> QtMessageBoxes::AskText(QWidget* parent,
                                               const QString& caption,
                                               const QString& prompt,
                                               const QString& initial)
{
    bool ok = false;
    QString text = QInputDialog::getText(parent, caption, prompt, QLineEdit::Normal, initial, &ok);
    if (!ok) {
        return std::nullopt;
    }
    return text;
}

} // namespace listrider::app
