#include "app/pages/accounts/accounts_page.h"

#include "ui_accounts_page.h"

namespace listrider::app {

using namespace Qt::StringLiterals;

AccountsPage::AccountsPage(AppContext& context, QWidget* parent)
    : Page(context, parent)
    , m_ui(std::make_unique<Ui::AccountsPage>())
{
    m_ui->setupUi(this);
}

AccountsPage::~AccountsPage() = default;

QString AccountsPage::Caption() const
{
    return u"Accounts"_s;
}

QString AccountsPage::LayoutName() const
{
    return u"PasswordsPage"_s;
}

} // namespace listrider::app
