#include "catalogue/company_list.h"

#include <algorithm>

#include "catalogue/company_file.h"
#include "catalogue/folder_names.h"
#include "store/ascii.h"
#include "store/file_io.h"
#include "store/file_system.h"
#include "store/text_helpers.h"

namespace listrider::catalogue {

namespace fs = std::filesystem;

fs::path CompanyFilePath(const fs::path& companyFolder)
{
    return store::ResolveNoCase(companyFolder, "Company.dat");
}

std::vector<CompanyEntry> ListCompanies(const CatalogueContext& context)
{
    std::vector<fs::path> folders;
    std::error_code ec;
    for (fs::directory_iterator it(context.ProductsDir(), ec), end; !ec && it != end; it.increment(ec)) {
        if (it->is_directory(ec)) {
            folders.push_back(it->path());
        }
    }
    std::sort(folders.begin(), folders.end());
    std::vector<CompanyEntry> companies;
    for (auto it = folders.rbegin(); it != folders.rend(); ++it) {
        const fs::path file = CompanyFilePath(*it);
        if (!fs::is_regular_file(file, ec)) {
            continue;
        }
        companies.push_back({CompanyNameOf(store::LoadLines(file)), *it});
    }
    return companies;
}

const CompanyEntry*
FindCompany(const std::vector<CompanyEntry>& companies, std::string_view name, bool ignoreCase)
{
    for (const CompanyEntry& company : companies) {
        if (ignoreCase ? store::EqualsNoCase(company.name, name) : company.name == name) {
            return &company;
        }
    }
    return nullptr;
}

store::Result<CompanyEntry> NewCompany(const CatalogueContext& context, std::string_view typed)
{
    const std::string name = store::TrimTrailingSpaces(typed);
    if (name.find_first_not_of(' ') == std::string::npos) {
        return store::MakeError(store::ErrorKind::Usage, "Enter Company Name");
    }
    const std::vector<CompanyEntry> companies = ListCompanies(context);
    if (FindCompany(companies, name, false) != nullptr) {
        return store::MakeError(store::ErrorKind::Refused, std::string(kCompanyExistsMessage));
    }
    if (!HasFolderName(name)) {
        return NoFolderNameError("company", name);
    }
    const std::string folderName = FolderName(name, context.codePage);
    for (const CompanyEntry& company : companies) {
        if (SameFolderName(FolderNameOf(company.folder), folderName)) {
            return SharedFolderError("company", name, company.name);
        }
    }
    const fs::path folder = context.ProductsDir() / folderName;
    if (store::Result<void> made = store::ForceDirectories(folder); !made) {
        return made.GetError();
    }
    if (store::Result<void> saved = store::SaveLines(CompanyFilePath(folder), NewCompanyFileLines(name));
        !saved) {
        return saved.GetError();
    }
    return CompanyEntry{name, folder};
}

store::Result<bool> DeleteCompany(const CompanyEntry& company, store::Prompter& prompter)
{
    const std::optional<bool> answer =
        prompter.Ask("Are you sure you want to delete " + company.name + " company?");
    if (!answer) {
        return store::MakeError(store::ErrorKind::Cancelled, "Deleting the company needs an answer");
    }
    if (!*answer) {
        return false;
    }
    std::error_code ec;
    fs::remove(CompanyFilePath(company.folder), ec);
    if (ec) {
        return store::MakeError(
            store::ErrorKind::Io, "Cannot delete " + CompanyFilePath(company.folder).string(), ec.message());
    }
    return true;
}

} // namespace listrider::catalogue
