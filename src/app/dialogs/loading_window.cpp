#include "app/dialogs/loading_window.h"

#include <QApplication>

#include "app/bridge/text.h"
#include "ui_loading_window.h"

namespace listrider::app {

LoadingWindow::LoadingWindow(QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::FramelessWindowHint)
    , m_ui(std::make_unique<Ui::LoadingWindow>())
{
    m_ui->setupUi(this);
    setModal(false);
}

LoadingWindow::~LoadingWindow() = default;

void LoadingWindow::ShowLoading(std::string_view firstLine, std::string_view secondLine)
{
    // The stage texts are ASCII; site names are store text.
    const QString first = FromUtf8(firstLine);
    if (m_stages.isEmpty() || m_stages.last() != first) {
        m_stages.append(first);
    }
    m_ui->LoadingLabel->setText(first);
    m_ui->LoadingDetailLabel->setText(FromStore(secondLine, store::CodePage::Default()));
    QApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
}

} // namespace listrider::app
