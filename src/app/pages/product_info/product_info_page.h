// The "Product Information" page of the main window: the open product's fields.
#pragma once

#include <memory>

#include "app/pages/page.h"

namespace Ui {
class ProductInfoPage;
}

namespace listrider::app {

/// The "Product Information" tab.
class ProductInfoPage final : public Page
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(ProductInfoPage)

public:
    ProductInfoPage(AppContext& context, QWidget* parent = nullptr);
    ~ProductInfoPage() override;

    PageId Id() const override { return PageId::ProductInfo; }

    QString Caption() const override;

    QString LayoutName() const override;

    bool SavesOnLeave() const override { return true; }

private:
    std::unique_ptr<Ui::ProductInfoPage> m_ui;
};

} // namespace listrider::app
