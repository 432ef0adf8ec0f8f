// validate: checks the fields of a stored product as a run or a PAD generation does.
#include <ostream>

#include "catalogue/field_examiner.h"
#include "catalogue/pad_spec_rules.h"
#include "catalogue/pad_writer.h"
#include "catalogue/value_set.h"
#include "cli/arguments.h"
#include "cli/catalogue_session.h"
#include "cli/commands/commands.h"
#include "cli/exit_codes.h"
#include "cli/faulty_field_report.h"
#include "cli/json_writer.h"

namespace listrider::cli {
namespace {

constexpr std::string_view kUsage =
    "Usage: listrider-cli validate --company C --product P [--pad] [--pad-spec] [--json]\n"
    "\n"
    "Checks every field of the stored product the way the submission page does (--pad: the way a PAD\n"
    "generation does, without the local program and PAD files) and prints each faulty field with its\n"
    "message; the exit status is 1 when a field is faulty.\n"
    "--pad-spec also lists, as warnings, each field of the product's PAD file that a PAD validator\n"
    "would reject; the warnings do not change the exit status.\n";

class ValidateCommand final : public Command
{
public:
    std::string_view Name() const override { return "validate"; }

    std::string_view Summary() const override { return "check the fields of a product"; }

    std::string_view Usage() const override { return kUsage; }

    int Run(std::span<const std::string> args, CommandContext& context) override
    {
        Arguments arguments(args);
        const std::optional<std::string> company = arguments.Option("company");
        const std::optional<std::string> product = arguments.Option("product");
        const bool pad = arguments.Flag("pad");
        const bool padSpec = arguments.Flag("pad-spec");
        const bool json = arguments.Flag("json");
        const std::vector<std::string> words = arguments.Positionals();
        if (std::string problem = arguments.Finish(); !problem.empty()) {
            return context.UsageError(problem, kUsage);
        }
        if (!words.empty()) {
            return context.UsageError("too many arguments", kUsage);
        }
        if (!company || !product) {
            return context.UsageError("validate needs --company and --product", kUsage);
        }
        store::Result<std::unique_ptr<CatalogueSession>> opened = CatalogueSession::Open(context);
        if (!opened) {
            return context.Fail(opened.GetError());
        }
        CatalogueSession& session = *opened.Value();
        catalogue::ProductEditor editor = session.NewEditor();
        if (store::Result<void> open = session.OpenProduct(editor, *company, *product); !open) {
            return context.Fail(open.GetError());
        }
        if (pad) {
            // A PAD generation builds the value set before it validates.
            catalogue::GetValues(editor.product, session.Context());
        }
        const bool correct = catalogue::ExamineErrors(
            editor, pad ? catalogue::ValidationKind::Pad : catalogue::ValidationKind::Submission);
        std::vector<catalogue::PadWarning> warnings;
        if (padSpec) {
            const catalogue::ProductValues values = catalogue::GetValues(editor.product, session.Context());
            warnings = catalogue::CheckPadConformance(
                catalogue::BuildPadText(values, session.CodePage(), session.Context().padSpecHomePage));
        }
        if (json) {
            PrintJson(context, session, editor, warnings);
        } else {
            PrintFaultyFields(context.Out(), session, editor);
            for (const catalogue::PadWarning& warning : warnings) {
                context.Out() << "warning: " << catalogue::DescribeWarning(warning) << "\n";
            }
            if (correct) {
                context.Out() << "All fields are filled out correctly.\n";
            }
        }
        return correct ? kExitOk : kExitFailure;
    }

private:
    static void PrintJson(CommandContext& context,
                          const CatalogueSession& session,
                          const catalogue::ProductEditor& editor,
                          const std::vector<catalogue::PadWarning>& warnings)
    {
        JsonWriter writer;
        writer.BeginObject().Key("faulty").BeginArray();
        for (const catalogue::FieldId& field : editor.faults.Fields()) {
            writer.BeginObject()
                .Key("field")
                .String(catalogue::InfoOf(field.kind).name)
                .Key("language")
                .Number(static_cast<long long>(field.language))
                .Key("caption")
                .String(catalogue::InfoOf(field.kind).caption)
                .Key("message")
                .String(session.ToUtf8(editor.faults.Message(field)))
                .EndObject();
        }
        writer.EndArray().Key("padWarnings").BeginArray();
        for (const catalogue::PadWarning& warning : warnings) {
            writer.BeginObject()
                .Key("field")
                .String(warning.field)
                .Key("path")
                .String(warning.path)
                .Key("value")
                .String(warning.value)
                .Key("rule")
                .String(warning.rule)
                .EndObject();
        }
        writer.EndArray().EndObject();
        context.Out() << writer.Text() << "\n";
    }
};

} // namespace

std::unique_ptr<Command> MakeValidateCommand()
{
    return std::make_unique<ValidateCommand>();
}

} // namespace listrider::cli
