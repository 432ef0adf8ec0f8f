#include "app/pages/category/category_page.h"

#include "ui_category_page.h"

namespace listrider::app {

using namespace Qt::StringLiterals;

CategoryPage::CategoryPage(AppContext& context, QWidget* parent)
    : Page(context, parent)
    , m_ui(std::make_unique<Ui::CategoryPage>())
{
    m_ui->setupUi(this);
}

CategoryPage::~CategoryPage() = default;

QString CategoryPage::Caption() const
{
    return u"Category"_s;
}

QString CategoryPage::LayoutName() const
{
    return u"CategoriesPage"_s;
}

} // namespace listrider::app
