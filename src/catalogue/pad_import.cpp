#include "catalogue/pad_import.h"

#include "catalogue/data_set.h"
#include "catalogue/folder_names.h"
#include "catalogue/pad_reader.h"
#include "catalogue/pad_source.h"
#include "catalogue/product_list.h"
#include "catalogue/submission_accounts.h"
#include "store/ascii.h"
#include "store/file_io.h"
#include "store/file_system.h"
#include "store/tag_document.h"
#include "store/text_helpers.h"
#include "store/unicode.h"

namespace listrider::catalogue {
namespace {

namespace fs = std::filesystem;

// The file as UTF-8, for the conformance check.
std::string Utf8Of(const PadSource& source)
{
    if (source.IsUtf8()) {
        return source.RawText();
    }
    return store::WideToUtf8(source.Wide(source.RawText(), true));
}

store::Result<CompanyEntry>
SelectOrCreateCompany(const CatalogueContext& context, const std::string& name, bool& created)
{
    if (!HasFolderName(name)) {
        return NoFolderNameError("company", name);
    }
    const std::vector<CompanyEntry> companies = ListCompanies(context);
    if (const CompanyEntry* listed = FindCompany(companies, name, true)) {
        return *listed;
    }
    // A name that differs only in the characters a folder name drops is that company.
    for (const CompanyEntry& company : companies) {
        if (SameFolderName(FolderNameOf(company.folder), FolderName(name, context.codePage))) {
            return company;
        }
    }
    created = true;
    return NewCompany(context, name);
}

store::Result<void> CopyCompanyPasswords(const CompanyEntry& company, const fs::path& productFolder)
{
    const fs::path from = store::ResolveNoCase(company.folder, "password.dat");
    const fs::path to = store::ResolveNoCase(productFolder, "password.dat");
    std::error_code ec;
    if (!fs::exists(from, ec) || fs::exists(to, ec)) {
        return {};
    }
    return store::SaveStringToFile(to, store::LoadFileAsString(from), store::FileAccess::Private);
}

} // namespace

std::string OverwriteQuestion(std::string_view currentVersion, std::string_view newVersion)
{
    return "A product with the same name already exists. Would you like to overwrite it?\n\nCurrent "
           "Version: " +
           std::string(currentVersion) + "\nNew Version: " + std::string(newVersion);
}

store::Result<PadImportResult> ImportPad(ProductEditor& editor,
                                         const CatalogueContext& context,
                                         const fs::path& file,
                                         store::Prompter& prompter)
{
    if (!store::IsPadFile(file)) {
        return store::MakeError(store::ErrorKind::Malformed, std::string(kNotPadFileMessage), file.string());
    }
    ClearProgramData(editor);
    if (context.siteStatus != nullptr) {
        context.siteStatus->Clear();
    }
    const PadSource source = PadSource::Load(file, context.codePage);
    PadImportResult result;
    result.warnings = CheckPadConformance(Utf8Of(source));
    const PadNames names = FindPadNames(source);

    // A listed product keeps what the file does not say: its paths, reseller IDs and codes.
    std::optional<ProductEntry> listedProduct;
    const std::vector<CompanyEntry> companies = ListCompanies(context);
    if (const CompanyEntry* company = FindCompany(companies, names.company, true)) {
        const std::vector<ProductEntry> products = ShowListOfProducts(*company, context.codePage);
        if (const ProductEntry* product = FindProduct(products, names.program, true)) {
            listedProduct = *product;
            OpenProgramData(editor, context, *company, product->name);
            ClearSomeProgramData(editor);
        }
    }

    ReadPadElements(source, editor.product, context.shareItParentDomain);
    std::error_code ec;
    const fs::path absolute = fs::absolute(file, ec);
    editor.product.urls.uploadPadLocation = ec ? file.string() : absolute.string();
    ApplyImportAffiliateRule(editor.product.affiliates);

    store::Result<CompanyEntry> company =
        SelectOrCreateCompany(context, names.company, result.createdCompany);
    if (!company) {
        return company.GetError();
    }
    editor.company = company.Value();
    const ProgramInfo& program = editor.product.program;

    if (listedProduct) {
        const std::optional<bool> overwrite =
            prompter.Ask(OverwriteQuestion(listedProduct->version, program.version));
        if (!overwrite) {
            return store::MakeError(store::ErrorKind::Cancelled,
                                    "Overwriting the listed product needs an answer");
        }
        if (*overwrite) {
            editor.productName = listedProduct->name;
            editor.imported = true;
            if (store::Result<void> saved = SaveProduct(editor, context, SaveMode::PadImportReplace);
                !saved) {
                return saved.GetError();
            }
            result.saved = true;
            result.status = std::string(kImportedMessage);
        }
        return result;
    }

    if (program.name.empty() || program.version.empty()) {
        return store::MakeError(store::ErrorKind::Refused, std::string(kNameVersionMessage));
    }
    if (store::Result<void> checked = CheckProductFolder(company.Value(), program.name, {}, context.codePage);
        !checked) {
        return checked.GetError();
    }
    if (store::Result<void> saved = SaveProgramInfo(context, company.Value(), program.name, program.version);
        !saved) {
        return saved.GetError();
    }
    result.createdProduct = true;
    const fs::path folder = ProductFolder(company.Value(), program.name, context.codePage);
    if (store::Result<void> copied = CopyCompanyPasswords(company.Value(), folder); !copied) {
        return copied.GetError();
    }
    editor.productName = program.name;
    editor.imported = true;
    if (store::Result<void> saved = SaveProduct(editor, context, SaveMode::PadImportNew); !saved) {
        return saved.GetError();
    }
    result.saved = true;
    result.status = std::string(kImportedMessage);
    const std::string name = program.name;
    EditProduct(editor, context, company.Value(), name);

    const fs::path submission = store::ResolveNoCase(file.parent_path(), kSubmissionFile);
    if (fs::is_regular_file(submission, ec)) {
        result.accountsImported = ImportSubmissionAccounts(store::LoadLines(submission), editor.accounts);
        if (store::Result<void> saved = SaveProduct(editor, context); !saved) {
            return saved.GetError();
        }
        EditProduct(editor, context, company.Value(), name);
    }
    return result;
}

store::Result<std::vector<CompanyEntry>> ImportPadCompanies(const CatalogueContext& context,
                                                            const fs::path& file)
{
    if (!store::IsPadFile(file)) {
        return store::MakeError(store::ErrorKind::Malformed, std::string(kNotPadFileMessage), file.string());
    }
    const PadSource source = PadSource::Load(file, context.codePage);
    std::vector<CompanyEntry> created;
    for (std::string_view line : source.Lines()) {
        if (!store::ContainsNoCase(line, "<Company_Name>")) {
            continue;
        }
        const std::string name = store::TrimTrailingSpaces(source.Text(store::TagValue(line)));
        store::Result<CompanyEntry> company = NewCompany(context, name);
        if (!company) {
            return company.GetError();
        }
        created.push_back(std::move(company.Value()));
    }
    return created;
}

} // namespace listrider::catalogue
