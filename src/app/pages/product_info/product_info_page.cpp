#include "app/pages/product_info/product_info_page.h"

#include "ui_product_info_page.h"

namespace listrider::app {

using namespace Qt::StringLiterals;

ProductInfoPage::ProductInfoPage(AppContext& context, QWidget* parent)
    : Page(context, parent)
    , m_ui(std::make_unique<Ui::ProductInfoPage>())
{
    m_ui->setupUi(this);
}

ProductInfoPage::~ProductInfoPage() = default;

QString ProductInfoPage::Caption() const
{
    return u"Product Information"_s;
}

QString ProductInfoPage::LayoutName() const
{
    return u"URLPage"_s;
}

} // namespace listrider::app
