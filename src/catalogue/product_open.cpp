#include "catalogue/affiliate_file.h"
#include "catalogue/category_file.h"
#include "catalogue/company_file.h"
#include "catalogue/data_set.h"
#include "catalogue/description_file.h"
#include "catalogue/password_file.h"
#include "catalogue/product_list.h"
#include "catalogue/program_file.h"
#include "catalogue/regkey_file.h"
#include "catalogue/urls_file.h"
#include "store/file_io.h"
#include "store/file_system.h"

namespace listrider::catalogue {

namespace fs = std::filesystem;

void OpenProgramData(ProductEditor& editor,
                     const CatalogueContext& context,
                     const CompanyEntry& company,
                     std::string_view productName)
{
    const fs::path folder = ProductFolder(company, productName, context.codePage);
    auto load = [&folder](std::string_view name) {
        return store::LoadLines(store::ResolveNoCase(folder, name));
    };
    std::error_code ec;
    Product& product = editor.product;

    editor.imported = true;
    const fs::path programFile = store::ResolveNoCase(folder, "product.dat");
    if (fs::exists(programFile, ec)) {
        editor.imported = ReadProgramFile(store::LoadLines(programFile), product.program).imported;
    }
    ReadDescriptionFile(load("description.dat"), context.codePage, product.descriptions);
    ReadCompanyFile(load("company.dat"), product.company, product.affiliates);

    ClearPasswords(editor.accounts);
    editor.accounts.passwordo.clear();
    ReadCompanyPasswords(store::LoadLines(store::ResolveNoCase(company.folder, "password.dat")),
                         editor.accounts);
    ReadProductPasswords(load("password.dat"), editor.accounts);

    ReadFastCategoryFile(load("fastcat.dat"), product.category);
    ReadCategoryFile(load("category.dat"), product.category);
    if (context.siteStatus != nullptr) {
        context.siteStatus->Load(folder);
    }
    ReadAffiliateFile(load("affiliate.dat"), product.affiliates);
    ReadRegkeyFile(load("regkey.dat"), product.registration);
    ReadUrlsFile(load("urls.dat"), product.urls);
    ApplyAffiliateSupportRule(product.affiliates);

    editor.company = company;
    editor.productName = std::string(productName);
    editor.versionChanged = false;
    editor.modified = false;
}

void EditProduct(ProductEditor& editor,
                 const CatalogueContext& context,
                 const CompanyEntry& company,
                 std::string_view productName)
{
    ClearProgramData(editor);
    OpenProgramData(editor, context, company, productName);
}

} // namespace listrider::catalogue
