// Opening, saving and creating a product's data set.
#pragma once

#include <string_view>

#include "catalogue/catalogue_context.h"
#include "catalogue/company_list.h"
#include "catalogue/product_editor.h"
#include "store/result.h"

namespace listrider::catalogue {

/// Fills the editor from the product's files (OpenProgramData): product.dat, description.dat,
/// the product's company.dat, the accounts, fastcat.dat and category.dat, the site status,
/// affiliate.dat, regkey.dat and urls.dat. Missing files keep the defaults. The editor should be
/// cleared first; afterwards the product is open and neither modified nor version-changed.
void OpenProgramData(ProductEditor& editor,
                     const CatalogueContext& context,
                     const CompanyEntry& company,
                     std::string_view productName);

/// Which save it is: a PAD import leaves out some of the files.
enum class SaveMode
{
    Normal,           ///< "Save Changes"
    PadImportNew,     ///< the first save of a product imported from a PAD file: no accounts
    PadImportReplace, ///< a PAD import over a listed product: no accounts, site status, fast category
};

/// The refusal of a save without name or version.
inline constexpr std::string_view kNameVersionMessage = "Enter program name and version.";

/// Writes the open product's data set ("Save Changes"). A new name whose folder differs from the
/// open product's gets the new folder: it is written first, the run journal and the other files
/// of the old folder move over, and only then is the old folder deleted. Refuses an empty name or
/// version and a name whose folder would be empty or another listed product's.
store::Result<void>
SaveProduct(ProductEditor& editor, const CatalogueContext& context, SaveMode mode = SaveMode::Normal);

/// Writes the first product.dat of a product (SaveProgramInfo): the folder, the name in
/// products.dat, and the three lines name, version and edit date.
store::Result<void> SaveProgramInfo(const CatalogueContext& context,
                                    const CompanyEntry& company,
                                    std::string_view name,
                                    std::string_view version);

/// Creates a product under the company ("New"): refuses a listed name, writes SaveProgramInfo,
/// copies the company's password.dat and Company.dat into the new folder, and opens it.
store::Result<void> NewProduct(ProductEditor& editor,
                               const CatalogueContext& context,
                               const CompanyEntry* company,
                               std::string_view name,
                               std::string_view version);

/// Opens a listed product the way "Edit" does: the editor is cleared, then filled.
void EditProduct(ProductEditor& editor,
                 const CatalogueContext& context,
                 const CompanyEntry& company,
                 std::string_view productName);

/// Returns today's date as product.dat writes it (dd-mm-yyyy).
std::string TodayText();

} // namespace listrider::catalogue
