// The "Category" page of the main window: fast categories and the sites' categories.
#pragma once

#include <memory>

#include "app/pages/page.h"

namespace Ui {
class CategoryPage;
}

namespace listrider::app {

/// The "Category" tab.
class CategoryPage final : public Page
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(CategoryPage)

public:
    CategoryPage(AppContext& context, QWidget* parent = nullptr);
    ~CategoryPage() override;

    PageId Id() const override { return PageId::Category; }

    QString Caption() const override;

    QString LayoutName() const override;

private:
    std::unique_ptr<Ui::CategoryPage> m_ui;
};

} // namespace listrider::app
