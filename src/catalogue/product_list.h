// The products of a company: products.dat and the product list.
#pragma once

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

#include "catalogue/company_list.h"
#include "store/code_page.h"
#include "store/prompter.h"
#include "store/result.h"

namespace listrider::catalogue {

/// One product of the list, as its product.dat gives it.
struct ProductEntry
{
    std::string name;
    std::string version;
    std::string editDate;         ///< "Edited"
    std::string versionSubmitted; ///< "Submitted"
    std::filesystem::path folder;

    friend bool operator==(const ProductEntry&, const ProductEntry&) = default;
};

/// Returns the products named in the company's products.dat whose product.dat exists and gives
/// a name and a version, in list order (each inserted at the top, so the last line comes first).
std::vector<ProductEntry> ShowListOfProducts(const CompanyEntry& company, const store::CodePage& codePage);

/// Returns the listed product of that name (exact, or ignoring ASCII case), or null.
const ProductEntry*
FindProduct(const std::vector<ProductEntry>& products, std::string_view name, bool ignoreCase);

/// Returns the folder of a product of the company (its folder name in UTF-8, see FolderName).
std::filesystem::path
ProductFolder(const CompanyEntry& company, std::string_view productName, const store::CodePage& codePage);

/// Returns the path of the company's products.dat.
std::filesystem::path ProductsListPath(const std::filesystem::path& companyFolder);

/// Creates products.dat when missing and appends the name unless it is listed (ASCII case ignored).
store::Result<void> AddToProductsList(const std::filesystem::path& companyFolder, std::string_view name);

/// Removes every line equal to the name (ASCII case ignored) from products.dat.
store::Result<void> RemoveFromProductsList(const std::filesystem::path& companyFolder, std::string_view name);

/// Returns the refusal of a product name that cannot have its own folder: a name whose folder
/// name is empty, or whose folder is that of another listed product than `openFolder`.
store::Result<void> CheckProductFolder(const CompanyEntry& company,
                                       std::string_view name,
                                       const std::filesystem::path& openFolder,
                                       const store::CodePage& codePage);

/// Asks "Are you sure?" and removes the product from products.dat (its folder stays on disk).
/// Returns false when the user declines.
store::Result<bool>
DeleteProduct(const CompanyEntry& company, std::string_view name, store::Prompter& prompter);

} // namespace listrider::catalogue
