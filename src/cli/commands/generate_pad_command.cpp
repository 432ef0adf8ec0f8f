// generate-pad: writes the PAD file of a stored product.
#include <ostream>

#include "catalogue/field_examiner.h"
#include "catalogue/pad_generate.h"
#include "cli/arguments.h"
#include "cli/catalogue_session.h"
#include "cli/commands/commands.h"
#include "cli/exit_codes.h"
#include "cli/faulty_field_report.h"

namespace listrider::cli {
namespace {

constexpr std::string_view kUsage =
    "Usage: listrider-cli generate-pad --company C --product P [-o FILE]\n"
    "\n"
    "Writes the PAD file of the stored product after checking its fields as a PAD generation does.\n"
    "Without -o (--output) the file goes to 'PAD Files/' in the workspace under a name made from the\n"
    "program name; a FILE without .xml gets it. An existing file is replaced only after a yes.\n";

class GeneratePadCommand final : public Command
{
public:
    std::string_view Name() const override { return "generate-pad"; }

    std::string_view Summary() const override { return "write the PAD file of a product"; }

    std::string_view Usage() const override { return kUsage; }

    int Run(std::span<const std::string> args, CommandContext& context) override
    {
        std::vector<std::string> spelled(args.begin(), args.end());
        for (std::string& arg : spelled) {
            if (arg == "-o") {
                arg = "--output";
            }
        }
        Arguments arguments(spelled);
        const std::optional<std::string> company = arguments.Option("company");
        const std::optional<std::string> product = arguments.Option("product");
        const std::optional<std::string> output = arguments.Option("output");
        const std::vector<std::string> words = arguments.Positionals();
        if (std::string problem = arguments.Finish(); !problem.empty()) {
            return context.UsageError(problem, kUsage);
        }
        if (!words.empty()) {
            return context.UsageError("too many arguments", kUsage);
        }
        if (!company || !product) {
            return context.UsageError("generate-pad needs --company and --product", kUsage);
        }
        store::Result<std::unique_ptr<CatalogueSession>> opened = CatalogueSession::Open(context);
        if (!opened) {
            return context.Fail(opened.GetError());
        }
        CatalogueSession& session = *opened.Value();
        store::Result<catalogue::CompanyEntry> found = session.FindCompany(*company);
        if (!found) {
            return context.Fail(found.GetError());
        }
        store::Result<catalogue::ProductEntry> entry = session.FindProduct(found.Value(), *product);
        if (!entry) {
            return context.Fail(entry.GetError());
        }
        catalogue::ProductEditor editor = session.NewEditor();
        store::Result<catalogue::PadDocument> document =
            catalogue::BuildPadDocument(editor, session.Context(), found.Value(), entry.Value().name);
        if (!document) {
            PrintFaultyFields(context.Err(), session, editor);
            return FailInCodePage(context, session, document.GetError());
        }
        std::optional<std::filesystem::path> chosen;
        if (output) {
            chosen = std::filesystem::path(*output);
        }
        store::Result<std::filesystem::path> file =
            catalogue::PadFilePath(session.Context(), document.Value(), chosen);
        if (!file) {
            return context.Fail(file.GetError());
        }
        store::Result<bool> written =
            catalogue::WritePadFile(file.Value(), document.Value(), session.GetPrompter());
        if (!written) {
            return context.Fail(written.GetError());
        }
        context.Out() << (written.Value() ? "Wrote " : "Kept ") << file.Value().string() << "\n";
        return kExitOk;
    }
};

} // namespace

std::unique_ptr<Command> MakeGeneratePadCommand()
{
    return std::make_unique<GeneratePadCommand>();
}

} // namespace listrider::cli
