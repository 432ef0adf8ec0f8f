#include "app/pages/product/product_page.h"

#include "app/product_actions.h"
#include "ui_product_page.h"

namespace listrider::app {

using namespace Qt::StringLiterals;

ProductPage::ProductPage(AppContext& context, QWidget* parent)
    : Page(context, parent)
    , m_ui(std::make_unique<Ui::ProductPage>())
{
    m_ui->setupUi(this);
}

ProductPage::~ProductPage() = default;

QString ProductPage::Caption() const
{
    return u"Product"_s;
}

QString ProductPage::LayoutName() const
{
    return u"ProductsPage"_s;
}

PageId ProductPage::Leave(PageId)
{
    // Every other page works on the open product.
    return IsProductOpen(Context()) ? PageId::ProductInfo : Id();
}

} // namespace listrider::app
