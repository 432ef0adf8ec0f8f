#include <set>

#include "catalogue/affiliate_file.h"
#include "catalogue/category_file.h"
#include "catalogue/company_file.h"
#include "catalogue/country_state.h"
#include "catalogue/data_set.h"
#include "catalogue/description_file.h"
#include "catalogue/folder_names.h"
#include "catalogue/password_file.h"
#include "catalogue/product_list.h"
#include "catalogue/program_file.h"
#include "catalogue/regkey_file.h"
#include "catalogue/urls_file.h"
#include "store/ascii.h"
#include "store/date_time.h"
#include "store/file_io.h"
#include "store/file_system.h"

namespace listrider::catalogue {
namespace {

namespace fs = std::filesystem;

// Writes the files of one product folder and remembers which it wrote.
class FolderWriter
{
public:
    explicit FolderWriter(fs::path folder)
        : m_folder(std::move(folder))
    {}

    store::Result<void> Write(std::string_view name,
                              const store::LineList& lines,
                              store::FileAccess access = store::FileAccess::Shared)
    {
        m_written.insert(store::AsciiLower(name));
        return store::SaveLines(store::ResolveNoCase(m_folder, name), lines, access);
    }

    void Mark(std::string_view name) { m_written.insert(store::AsciiLower(name)); }

    bool Wrote(std::string_view name) const { return m_written.count(store::AsciiLower(name)) != 0; }

    const fs::path& Folder() const { return m_folder; }

private:
    fs::path m_folder;
    std::set<std::string> m_written;
};

store::Error MoveError(const fs::path& from, const std::error_code& ec)
{
    return store::MakeError(store::ErrorKind::Io, "Cannot move " + from.string(), ec.message());
}

// Carries everything the save did not rewrite (the run journal, the site status ...) from the
// old folder into the new one, then removes the old folder.
store::Result<void> MoveOldFolder(const fs::path& oldFolder, const FolderWriter& written)
{
    std::error_code ec;
    if (!fs::exists(oldFolder, ec)) {
        return {};
    }
    if (fs::equivalent(oldFolder, written.Folder(), ec)) {
        return {};
    }
    std::vector<fs::path> entries;
    for (fs::directory_iterator it(oldFolder, ec), end; !ec && it != end; it.increment(ec)) {
        entries.push_back(it->path());
    }
    if (ec) {
        return MoveError(oldFolder, ec);
    }
    for (const fs::path& entry : entries) {
        const std::string name = entry.filename().string();
        if (written.Wrote(name)) {
            continue;
        }
        const fs::path target = store::ResolveNoCase(written.Folder(), name);
        if (fs::exists(target, ec)) {
            fs::remove_all(target, ec);
            if (ec) {
                return MoveError(entry, ec);
            }
        }
        fs::rename(entry, written.Folder() / name, ec);
        if (ec) {
            return MoveError(entry, ec);
        }
    }
    fs::remove_all(oldFolder, ec);
    if (ec) {
        return store::MakeError(store::ErrorKind::Io, "Cannot delete " + oldFolder.string(), ec.message());
    }
    return {};
}

store::Result<void> WriteAccounts(ProductEditor& editor, FolderWriter& writer)
{
    AccountsList& accounts = editor.accounts;
    DropLoginsWithoutAt(accounts);
    if (store::Result<void> saved =
            writer.Write("password.dat", ProductPasswordLines(accounts), store::FileAccess::Private);
        !saved) {
        return saved;
    }
    const fs::path companyFile = store::ResolveNoCase(editor.company->folder, "password.dat");
    std::error_code ec;
    const std::optional<store::LineList> companyLines =
        CompanyPasswordLines(accounts, fs::exists(companyFile, ec));
    if (!companyLines) {
        return {};
    }
    return store::SaveLines(companyFile, *companyLines, store::FileAccess::Private);
}

} // namespace

std::string TodayText()
{
    return store::FormatDayMonthYear(store::Today());
}

store::Result<void> SaveProduct(ProductEditor& editor, const CatalogueContext& context, SaveMode mode)
{
    Product& product = editor.product;
    if (product.program.name.empty() || product.program.version.empty()) {
        return store::MakeError(store::ErrorKind::Refused, std::string(kNameVersionMessage));
    }
    if (!editor.company) {
        return store::MakeError(store::ErrorKind::Refused, "Company must be created first.");
    }
    const CompanyEntry& company = *editor.company;
    const fs::path oldFolder = editor.productName.empty()
                                   ? fs::path()
                                   : ProductFolder(company, editor.productName, context.codePage);
    if (store::Result<void> checked =
            CheckProductFolder(company, product.program.name, oldFolder, context.codePage);
        !checked) {
        return checked;
    }
    const fs::path newFolder = ProductFolder(company, product.program.name, context.codePage);
    const bool renamed = !oldFolder.empty() && oldFolder != newFolder;

    for (const fs::path& folder : {company.folder, newFolder}) {
        if (store::Result<void> made = store::ForceDirectories(folder); !made) {
            return made;
        }
    }
    if (store::Result<void> listed = AddToProductsList(company.folder, product.program.name); !listed) {
        return listed;
    }

    FolderWriter writer(newFolder);
    const bool replacing = mode == SaveMode::PadImportReplace;
    product.program.editDate = TodayText();
    std::vector<std::pair<std::string_view, store::LineList>> files;
    files.emplace_back("product.dat", ProgramFileLines(product.program, editor.imported));
    if (!replacing) {
        files.emplace_back("fastcat.dat", FastCategoryFileLines(product.category));
    }
    files.emplace_back("description.dat", DescriptionFileLines(product.descriptions));
    for (const auto& [name, lines] : files) {
        if (store::Result<void> saved = writer.Write(name, lines); !saved) {
            return saved;
        }
    }

    NormaliseCountryAndState(product.company, context.StatesFile());
    files.clear();
    files.emplace_back("company.dat",
                       CompanyFileLines(product.company, product.affiliates, CompanyCopy::ProductFolder));
    files.emplace_back("affiliate.dat", AffiliateFileLines(product.affiliates));
    files.emplace_back("regkey.dat", RegkeyFileLines(product.registration));
    for (const auto& [name, lines] : files) {
        if (store::Result<void> saved = writer.Write(name, lines); !saved) {
            return saved;
        }
    }
    if (store::Result<void> saved = store::SaveLines(
            CompanyFilePath(company.folder),
            CompanyFileLines(product.company, product.affiliates, CompanyCopy::CompanyFolder));
        !saved) {
        return saved;
    }

    if (mode == SaveMode::Normal) {
        if (store::Result<void> saved = WriteAccounts(editor, writer); !saved) {
            return saved;
        }
    }

    files.clear();
    files.emplace_back("category.dat", CategoryFileLines(product.category, !replacing));
    files.emplace_back("urls.dat", UrlsFileLines(product.urls));
    for (const auto& [name, lines] : files) {
        if (store::Result<void> saved = writer.Write(name, lines); !saved) {
            return saved;
        }
    }
    if (!replacing && context.siteStatus != nullptr) {
        writer.Mark("sites.dat");
        if (store::Result<void> saved = context.siteStatus->Save(newFolder); !saved) {
            return saved;
        }
    }

    if (renamed) {
        if (store::Result<void> moved = MoveOldFolder(oldFolder, writer); !moved) {
            return moved;
        }
    }
    // The old name would list the product's folder a second time, or list the next product
    // that gets the old folder twice.
    if (!editor.productName.empty() && !store::EqualsNoCase(editor.productName, product.program.name)) {
        if (store::Result<void> removed = RemoveFromProductsList(company.folder, editor.productName);
            !removed) {
            return removed;
        }
    }
    editor.productName = product.program.name;
    editor.modified = false;
    return {};
}

store::Result<void> SaveProgramInfo(const CatalogueContext& context,
                                    const CompanyEntry& company,
                                    std::string_view name,
                                    std::string_view version)
{
    const fs::path folder = ProductFolder(company, name, context.codePage);
    if (store::Result<void> made = store::ForceDirectories(folder); !made) {
        return made;
    }
    if (store::Result<void> listed = AddToProductsList(company.folder, name); !listed) {
        return listed;
    }
    return WriteProgramInfoFile(store::ResolveNoCase(folder, "product.dat"), name, version, TodayText());
}

} // namespace listrider::catalogue
