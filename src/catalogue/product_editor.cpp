#include "catalogue/product_editor.h"

namespace listrider::catalogue {

void ClearProgramData(ProductEditor& editor)
{
    editor.product = Product{};
    editor.accounts.defaults = AccountDefaults{};
    ClearPasswords(editor.accounts);
}

void ClearSomeProgramData(ProductEditor& editor)
{
    ProductUrls urls = std::move(editor.product.urls);
    AffiliateInfo affiliates = std::move(editor.product.affiliates);
    RegistrationCodes registration = std::move(editor.product.registration);
    ClearProgramData(editor);
    editor.product.urls = std::move(urls);
    editor.product.affiliates = std::move(affiliates);
    editor.product.registration = std::move(registration);
}

} // namespace listrider::catalogue
