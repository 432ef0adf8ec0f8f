#include "app/pages/submit/submit_page.h"

#include "ui_submit_page.h"

namespace listrider::app {

using namespace Qt::StringLiterals;

SubmitPage::SubmitPage(AppContext& context, QWidget* parent)
    : Page(context, parent)
    , m_ui(std::make_unique<Ui::SubmitPage>())
{
    m_ui->setupUi(this);
}

SubmitPage::~SubmitPage() = default;

QString SubmitPage::Caption() const
{
    return u"Submit"_s;
}

QString SubmitPage::LayoutName() const
{
    return u"SubmitPage"_s;
}

} // namespace listrider::app
