// The companies of the workspace: listing, creating and deleting them.
#pragma once

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

#include "catalogue/catalogue_context.h"
#include "store/prompter.h"
#include "store/result.h"

namespace listrider::catalogue {

/// One company of the list.
struct CompanyEntry
{
    std::string name;             ///< the Company_Name of its Company.dat
    std::filesystem::path folder; ///< the folder that holds its Company.dat

    friend bool operator==(const CompanyEntry&, const CompanyEntry&) = default;
};

/// Returns the companies: every folder of Products that holds a Company.dat, named by its last
/// Company_Name line, in list order (each inserted at the top, so the last folder comes first).
std::vector<CompanyEntry> ListCompanies(const CatalogueContext& context);

/// Returns the listed company of that name (exact, or ignoring ASCII case), or null.
const CompanyEntry*
FindCompany(const std::vector<CompanyEntry>& companies, std::string_view name, bool ignoreCase);

/// Creates a company with only its name: its folder and a Company.dat holding Company_Name.
/// Refuses a name that is listed already (exact compare), one without a folder name, and one
/// whose folder is another listed company's.
store::Result<CompanyEntry> NewCompany(const CatalogueContext& context, std::string_view name);

/// Asks whether to delete the company and deletes its Company.dat only (its product folders
/// stay). Returns false when the user declines; an unanswered question is an error.
store::Result<bool> DeleteCompany(const CompanyEntry& company, store::Prompter& prompter);

/// Returns the path of a company's Company.dat (found without regard to case).
std::filesystem::path CompanyFilePath(const std::filesystem::path& companyFolder);

/// The refusal of a name that is listed already.
inline constexpr std::string_view kCompanyExistsMessage =
    "A company with the name you have entered already exists";

} // namespace listrider::catalogue
