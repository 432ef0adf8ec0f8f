#include "catalogue/data_set.h"
#include "catalogue/product_list.h"
#include "store/file_io.h"
#include "store/file_system.h"

namespace listrider::catalogue {
namespace {

namespace fs = std::filesystem;

// Gives the new product the company's file unless it has its own.
store::Result<void> CopyIfMissing(const fs::path& from, const fs::path& to, store::FileAccess access)
{
    std::error_code ec;
    if (!fs::exists(from, ec) || fs::exists(to, ec)) {
        return {};
    }
    return store::SaveStringToFile(to, store::LoadFileAsString(from), access);
}

} // namespace

store::Result<void> NewProduct(ProductEditor& editor,
                               const CatalogueContext& context,
                               const CompanyEntry* company,
                               std::string_view name,
                               std::string_view version)
{
    if (company == nullptr) {
        return store::MakeError(store::ErrorKind::Refused, "Company must be created first.");
    }
    if (name.empty() || version.empty()) {
        return store::MakeError(store::ErrorKind::Usage, "Enter program name and version");
    }
    if (FindProduct(ShowListOfProducts(*company, context.codePage), name, false) != nullptr) {
        return store::MakeError(store::ErrorKind::Refused,
                                "A product with the same name already exists. Please use the \"Edit\" button "
                                "instead.");
    }
    if (store::Result<void> checked = CheckProductFolder(*company, name, {}, context.codePage); !checked) {
        return checked;
    }
    ClearProgramData(editor);
    if (store::Result<void> saved = SaveProgramInfo(context, *company, name, version); !saved) {
        return saved;
    }
    const fs::path folder = ProductFolder(*company, name, context.codePage);
    if (store::Result<void> copied = CopyIfMissing(store::ResolveNoCase(company->folder, "password.dat"),
                                                   store::ResolveNoCase(folder, "password.dat"),
                                                   store::FileAccess::Private);
        !copied) {
        return copied;
    }
    if (store::Result<void> copied = CopyIfMissing(CompanyFilePath(company->folder),
                                                   store::ResolveNoCase(folder, "company.dat"),
                                                   store::FileAccess::Shared);
        !copied) {
        return copied;
    }
    OpenProgramData(editor, context, *company, name);
    // A product typed in by hand is not imported, although its first product.dat says nothing.
    editor.imported = false;
    return {};
}

} // namespace listrider::catalogue
