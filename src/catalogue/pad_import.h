// Importing a product, or only its company, from a PAD file.
#pragma once

#include <filesystem>
#include <string>
#include <vector>

#include "catalogue/catalogue_context.h"
#include "catalogue/company_list.h"
#include "catalogue/pad_spec_rules.h"
#include "catalogue/product_editor.h"
#include "store/prompter.h"
#include "store/result.h"

namespace listrider::catalogue {

/// What an import did.
struct PadImportResult
{
    bool saved = false; ///< false when the user kept the listed product
    bool createdCompany = false;
    bool createdProduct = false;
    bool accountsImported = false;    ///< submission.tmp gave accounts
    std::string status;               ///< the status bar text after a saved import
    std::vector<PadWarning> warnings; ///< fields a PAD validator would reject; the import goes on
};

/// The refusal of a file that is not a PAD file.
inline constexpr std::string_view kNotPadFileMessage = "Selected file is not correct PAD XML.";

/// The status text of a saved import.
inline constexpr std::string_view kImportedMessage =
    "Product information is successfully imported from PAD file.";

/// Imports a PAD file into the editor ("Import PAD"): fills it from the file, creates the company
/// and the product when they are not listed, asks before a listed product is overwritten, saves
/// the data set, and takes accounts from a submission.tmp beside the file. The accounts list
/// must hold the site table's rows.
store::Result<PadImportResult> ImportPad(ProductEditor& editor,
                                         const CatalogueContext& context,
                                         const std::filesystem::path& file,
                                         store::Prompter& prompter);

/// Creates a company for every Company_Name line of a PAD file (company "Import"). Returns the
/// created companies; a listed name is refused with the message of "New".
store::Result<std::vector<CompanyEntry>> ImportPadCompanies(const CatalogueContext& context,
                                                            const std::filesystem::path& file);

/// Returns the question asked before a listed product is overwritten.
std::string OverwriteQuestion(std::string_view currentVersion, std::string_view newVersion);

} // namespace listrider::catalogue
