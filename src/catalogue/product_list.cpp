#include "catalogue/product_list.h"

#include "catalogue/folder_names.h"
#include "catalogue/program_file.h"
#include "store/ascii.h"
#include "store/file_io.h"
#include "store/file_system.h"
#include "store/text_helpers.h"

namespace listrider::catalogue {

namespace fs = std::filesystem;

fs::path ProductsListPath(const fs::path& companyFolder)
{
    return store::ResolveNoCase(companyFolder, "products.dat");
}

fs::path
ProductFolder(const CompanyEntry& company, std::string_view productName, const store::CodePage& codePage)
{
    return store::ResolveNoCase(company.folder, FolderName(productName, codePage));
}

std::vector<ProductEntry> ShowListOfProducts(const CompanyEntry& company, const store::CodePage& codePage)
{
    const store::LineList names = store::LoadLines(ProductsListPath(company.folder));
    std::vector<ProductEntry> products;
    for (std::size_t i = names.size(); i-- > 0;) {
        if (!HasFolderName(names[i])) {
            continue;
        }
        const fs::path folder = ProductFolder(company, names[i], codePage);
        const fs::path file = store::ResolveNoCase(folder, "product.dat");
        std::error_code ec;
        if (!fs::is_regular_file(file, ec)) {
            continue;
        }
        ProgramInfo program;
        ReadProgramFile(store::LoadLines(file), program);
        if (program.name.empty() || program.version.empty()) {
            continue;
        }
        products.push_back(
            {program.name, program.version, program.editDate, program.versionSubmitted, folder});
    }
    return products;
}

const ProductEntry*
FindProduct(const std::vector<ProductEntry>& products, std::string_view name, bool ignoreCase)
{
    for (const ProductEntry& product : products) {
        if (ignoreCase ? store::EqualsNoCase(product.name, name) : product.name == name) {
            return &product;
        }
    }
    return nullptr;
}

store::Result<void> AddToProductsList(const fs::path& companyFolder, std::string_view name)
{
    const fs::path file = ProductsListPath(companyFolder);
    std::vector<std::string> lines = store::LoadLines(file).ToStrings();
    for (const std::string& line : lines) {
        if (store::EqualsNoCase(line, name)) {
            return {};
        }
    }
    lines.emplace_back(name);
    return store::SaveLines(file, lines);
}

store::Result<void> RemoveFromProductsList(const fs::path& companyFolder, std::string_view name)
{
    const fs::path file = ProductsListPath(companyFolder);
    std::vector<std::string> kept;
    bool removed = false;
    for (const std::string& line : store::LoadLines(file).ToStrings()) {
        if (store::EqualsNoCase(line, name)) {
            removed = true;
        } else {
            kept.push_back(line);
        }
    }
    return removed ? store::SaveLines(file, kept) : store::Result<void>();
}

store::Result<void> CheckProductFolder(const CompanyEntry& company,
                                       std::string_view name,
                                       const fs::path& openFolder,
                                       const store::CodePage& codePage)
{
    if (!HasFolderName(name)) {
        return NoFolderNameError("product", name);
    }
    const std::string folderName = FolderName(name, codePage);
    for (const ProductEntry& product : ShowListOfProducts(company, codePage)) {
        if (!openFolder.empty() && SameFolderName(FolderNameOf(product.folder), FolderNameOf(openFolder))) {
            continue;
        }
        if (SameFolderName(FolderNameOf(product.folder), folderName)) {
            return SharedFolderError("product", name, product.name);
        }
    }
    return {};
}

store::Result<bool>
DeleteProduct(const CompanyEntry& company, std::string_view name, store::Prompter& prompter)
{
    const std::optional<bool> answer = prompter.Ask("Are you sure?");
    if (!answer) {
        return store::MakeError(store::ErrorKind::Cancelled, "Deleting the product needs an answer");
    }
    if (!*answer) {
        return false;
    }
    if (store::Result<void> removed = RemoveFromProductsList(company.folder, name); !removed) {
        return removed.GetError();
    }
    return true;
}

} // namespace listrider::catalogue
