#include "app/pages/page.h"

namespace listrider::app {

Page::Page(AppContext& context, QWidget* parent)
    : QWidget(parent)
    , m_context(context)
{}

} // namespace listrider::app
