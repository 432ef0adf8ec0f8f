// The "Product" page of the main window: the companies and their products.
#pragma once

#include <memory>

#include "app/pages/page.h"

namespace Ui {
class ProductPage;
}

namespace listrider::app {

/// The "Product" tab.
class ProductPage final : public Page
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(ProductPage)

public:
    ProductPage(AppContext& context, QWidget* parent = nullptr);
    ~ProductPage() override;

    PageId Id() const override { return PageId::Product; }

    QString Caption() const override;

    QString LayoutName() const override;

    PageId Leave(PageId requested) override;

private:
    std::unique_ptr<Ui::ProductPage> m_ui;
};

} // namespace listrider::app
