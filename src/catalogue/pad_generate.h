// Making a PAD file of a stored product ("Create PAD").
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

/// A PAD file ready to be written.
struct PadDocument
{
    std::string text;            ///< the whole file, UTF-8, CR LF after every line
    std::string defaultFileName; ///< from the program name, in the code page
};

/// Opens the product from disk, builds its value set and its PAD text after the PAD variant of
/// the full validation. With faulty fields the editor's list holds them and the result is the
/// faulty-fields message (ErrorKind::Refused); nothing is built.
store::Result<PadDocument> BuildPadDocument(ProductEditor& editor,
                                            const CatalogueContext& context,
                                            const CompanyEntry& company,
                                            std::string_view productName);

/// Returns the path a PAD file is saved to: `chosen` with the ".xml" rule, or the default name
/// in the workspace's "PAD Files" folder (created when missing).
store::Result<std::filesystem::path> PadFilePath(const CatalogueContext& context,
                                                 const PadDocument& document,
                                                 const std::optional<std::filesystem::path>& chosen);

/// Writes the PAD file, asking before an existing file is replaced. Returns false when the user
/// keeps the existing file.
store::Result<bool>
WritePadFile(const std::filesystem::path& file, const PadDocument& document, store::Prompter& prompter);

/// Returns the fields of a PAD text that a PAD validator would reject.
std::vector<PadWarning> PadConformanceWarnings(const PadDocument& document);

} // namespace listrider::catalogue
