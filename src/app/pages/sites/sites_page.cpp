#include "app/pages/sites/sites_page.h"

#include "ui_sites_page.h"

namespace listrider::app {

using namespace Qt::StringLiterals;

SitesPage::SitesPage(AppContext& context, QWidget* parent)
    : Page(context, parent)
    , m_ui(std::make_unique<Ui::SitesPage>())
{
    m_ui->setupUi(this);
}

SitesPage::~SitesPage() = default;

QString SitesPage::Caption() const
{
    return u"Sites"_s;
}

QString SitesPage::LayoutName() const
{
    return u"SitesPage"_s;
}

} // namespace listrider::app
