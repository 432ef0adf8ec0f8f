// The product editor's state: the open product, its accounts and marks.
#pragma once

#include <optional>
#include <string>

#include "catalogue/accounts.h"
#include "catalogue/company_list.h"
#include "catalogue/faulty_fields.h"
#include "catalogue/product.h"

namespace listrider::catalogue {

/// What the editor shows and what a front end binds its widgets to.
struct ProductEditor
{
    Product product;
    AccountsList accounts;
    FaultyFields faults;

    std::optional<CompanyEntry> company; ///< the selected company
    std::string productName;             ///< the open product's name, empty when none is open

    bool imported = false;       ///< the product came from a PAD file
    bool versionChanged = false; ///< "Version:" changed since the product was opened
    bool modified = false;       ///< a field changed since the last save
};

/// Sets every field to its default and removes the further description languages; the
/// accounts' defaults and cells are emptied.
void ClearProgramData(ProductEditor& editor);

/// As ClearProgramData, but the URL, affiliate and registration-code fields keep their values.
void ClearSomeProgramData(ProductEditor& editor);

} // namespace listrider::catalogue
