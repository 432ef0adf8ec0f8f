// The "Submit" page of the main window: the submission wizard.
#pragma once

#include <memory>

#include "app/pages/page.h"

namespace Ui {
class SubmitPage;
}

namespace listrider::app {

/// The "Submit" tab.
class SubmitPage final : public Page
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(SubmitPage)

public:
    SubmitPage(AppContext& context, QWidget* parent = nullptr);
    ~SubmitPage() override;

    PageId Id() const override { return PageId::Submit; }

    QString Caption() const override;

    QString LayoutName() const override;

private:
    std::unique_ptr<Ui::SubmitPage> m_ui;
};

} // namespace listrider::app
