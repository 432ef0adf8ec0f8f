// The "Loading necessary files" window shown while start-up opens the workspace.
#pragma once

#include <memory>

#include <QDialog>

#include "sites/site_packages.h"

namespace Ui {
class LoadingWindow;
}

namespace listrider::app {

/// Shows each start-up stage; the window is repainted at every line because start-up runs on
/// the window's thread.
class LoadingWindow final : public QDialog, public sites::SiteLoadView
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(LoadingWindow)

public:
    explicit LoadingWindow(QWidget* parent = nullptr);
    ~LoadingWindow() override;

    void ShowLoading(std::string_view firstLine, std::string_view secondLine) override;

    /// Returns every first line shown so far, in order.
    const QStringList& Stages() const { return m_stages; }

private:
    std::unique_ptr<Ui::LoadingWindow> m_ui;
    QStringList m_stages;
};

} // namespace listrider::app
