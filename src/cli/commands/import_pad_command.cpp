// import-pad: imports a product from a PAD file.
#include <ostream>

#include "catalogue/pad_import.h"
#include "cli/arguments.h"
#include "cli/catalogue_session.h"
#include "cli/commands/commands.h"
#include "cli/exit_codes.h"

namespace listrider::cli {
namespace {

constexpr std::string_view kUsage =
    "Usage: listrider-cli import-pad FILE\n"
    "\n"
    "Imports the product of a PAD file: creates its company and product when they are not listed, asks\n"
    "before a listed product is overwritten (--yes/--no answer it), saves the data set, and takes site\n"
    "accounts from a submission.tmp beside the file. Fields that a PAD validator would reject are listed\n"
    "as warnings; they do not stop the import.\n";

class ImportPadCommand final : public Command
{
public:
    std::string_view Name() const override { return "import-pad"; }

    std::string_view Summary() const override { return "import a product from a PAD file"; }

    std::string_view Usage() const override { return kUsage; }

    int Run(std::span<const std::string> args, CommandContext& context) override
    {
        Arguments arguments(args);
        const std::vector<std::string> words = arguments.Positionals();
        if (std::string problem = arguments.Finish(); !problem.empty()) {
            return context.UsageError(problem, kUsage);
        }
        if (words.size() != 1) {
            return context.UsageError(words.empty() ? "import-pad needs a file" : "too many arguments",
                                      kUsage);
        }
        store::Result<std::unique_ptr<CatalogueSession>> opened = CatalogueSession::Open(context);
        if (!opened) {
            return context.Fail(opened.GetError());
        }
        CatalogueSession& session = *opened.Value();
        catalogue::ProductEditor editor = session.NewEditor();
        store::Result<catalogue::PadImportResult> imported =
            catalogue::ImportPad(editor, session.Context(), words[0], session.GetPrompter());
        if (!imported) {
            return FailInCodePage(context, session, imported.GetError());
        }
        const catalogue::PadImportResult& result = imported.Value();
        for (const catalogue::PadWarning& warning : result.warnings) {
            context.Err() << "warning: " << catalogue::DescribeWarning(warning) << "\n";
        }
        if (!result.saved) {
            context.Out() << "Kept the listed product " << session.ToUtf8(editor.product.program.name)
                          << "\n";
            return kExitOk;
        }
        context.Out() << result.status << "\n"
                      << "Company: " << session.ToUtf8(editor.company->name)
                      << (result.createdCompany ? " (new)" : "") << "\n"
                      << "Product: " << session.ToUtf8(editor.product.program.name) << " "
                      << session.ToUtf8(editor.product.program.version)
                      << (result.createdProduct ? " (new)" : "") << "\n";
        if (result.accountsImported) {
            context.Out() << "Site accounts taken from submission.tmp\n";
        }
        return kExitOk;
    }
};

} // namespace

std::unique_ptr<Command> MakeImportPadCommand()
{
    return std::make_unique<ImportPadCommand>();
}

} // namespace listrider::cli
