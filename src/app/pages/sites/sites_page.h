// The "Sites" page of the main window: the site list.
#pragma once

#include <memory>

#include "app/pages/page.h"

namespace Ui {
class SitesPage;
}

namespace listrider::app {

/// The "Sites" tab.
class SitesPage final : public Page
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(SitesPage)

public:
    SitesPage(AppContext& context, QWidget* parent = nullptr);
    ~SitesPage() override;

    PageId Id() const override { return PageId::Sites; }

    QString Caption() const override;

    QString LayoutName() const override;

private:
    std::unique_ptr<Ui::SitesPage> m_ui;
};

} // namespace listrider::app
