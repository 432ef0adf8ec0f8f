// The pages of the main window, in tab order.
#pragma once

namespace listrider::app {

/// One tab of the main window.
enum class PageId
{
    Product,
    ProductInfo,
    Accounts,
    Category,
    Sites,
    Submit,
};

} // namespace listrider::app
