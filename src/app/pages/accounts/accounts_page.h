// The "Accounts" page of the main window: the open product's site accounts.
#pragma once

#include <memory>

#include "app/pages/page.h"

namespace Ui {
class AccountsPage;
}

namespace listrider::app {

/// The "Accounts" tab.
class AccountsPage final : public Page
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(AccountsPage)

public:
    AccountsPage(AppContext& context, QWidget* parent = nullptr);
    ~AccountsPage() override;

    PageId Id() const override { return PageId::Accounts; }

    QString Caption() const override;

    QString LayoutName() const override;

    bool SavesOnLeave() const override { return true; }

private:
    std::unique_ptr<Ui::AccountsPage> m_ui;
};

} // namespace listrider::app
