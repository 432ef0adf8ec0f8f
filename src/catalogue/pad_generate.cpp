#include "catalogue/pad_generate.h"

#include "catalogue/data_set.h"
#include "catalogue/field_examiner.h"
#include "catalogue/pad_writer.h"
#include "catalogue/value_set.h"
#include "store/file_io.h"
#include "store/file_system.h"

namespace listrider::catalogue {

namespace fs = std::filesystem;

store::Result<PadDocument> BuildPadDocument(ProductEditor& editor,
                                            const CatalogueContext& context,
                                            const CompanyEntry& company,
                                            std::string_view productName)
{
    // The file describes the stored data set, not unsaved edits.
    EditProduct(editor, context, company, productName);
    GetValues(editor.product, context);
    if (!ExamineErrors(editor, ValidationKind::Pad)) {
        return store::MakeError(store::ErrorKind::Refused, std::string(kFaultyFieldsMessage));
    }
    // Validation tidies some fields (a price's "," becomes "."); the file takes the tidy values.
    const ProductValues values = GetValues(editor.product, context);
    return PadDocument{BuildPadText(values, context.codePage, context.padSpecHomePage),
                       DefaultPadFileName(editor.product.program.name)};
}

store::Result<fs::path> PadFilePath(const CatalogueContext& context,
                                    const PadDocument& document,
                                    const std::optional<fs::path>& chosen)
{
    if (chosen) {
        fs::path file = *chosen;
        file.replace_filename(WithXmlExtension(chosen->filename().string()));
        return file;
    }
    if (store::Result<void> made = store::ForceDirectories(context.PadFilesDir()); !made) {
        return made.GetError();
    }
    return context.PadFilesDir() / context.codePage.ToUtf8(document.defaultFileName);
}

store::Result<bool> WritePadFile(const fs::path& file, const PadDocument& document, store::Prompter& prompter)
{
    std::error_code ec;
    if (fs::exists(file, ec)) {
        const std::optional<bool> replace =
            prompter.Ask(file.string() + " already exists.\nDo you want to replace it?");
        if (!replace) {
            return store::MakeError(store::ErrorKind::Cancelled,
                                    "Replacing " + file.string() + " needs an answer");
        }
        if (!*replace) {
            return false;
        }
    }
    if (store::Result<void> saved = store::SaveStringToFile(file, document.text); !saved) {
        return saved.GetError();
    }
    return true;
}

std::vector<PadWarning> PadConformanceWarnings(const PadDocument& document)
{
    return CheckPadConformance(document.text);
}

} // namespace listrider::catalogue
