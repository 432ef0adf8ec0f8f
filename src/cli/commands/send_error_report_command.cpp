// send-error-report: the Step 4 page's "Send Error Report": the product's public files and the
// failed sites' pages of the last run, zipped and sent through the vendor's mail relay.
#include <ostream>
#include <thread>

#include "catalogue/product_list.h"
#include "cli/arguments.h"
#include "cli/catalogue_session.h"
#include "cli/commands/commands.h"
#include "cli/console_companion_views.h"
#include "cli/exit_codes.h"
#include "cli/last_run.h"
#include "cli/run_keys.h"
#include "companions/error_report_sender.h"
#include "engine/report_sources.h"

namespace listrider::cli {
namespace {

constexpr std::string_view kUsage =
    "Usage: listrider-cli send-error-report --company C --product P\n"
    "\n"
    "Sends the vendor the error report of the product's last submission run: a ZIP archive of the\n"
    "product's public data files (never password.dat or regkey.dat) and of the pages the run saved\n"
    "for the failed sites, with a summary of the Errors list, through the mail relay of the\n"
    "installation configuration (Mail_Relay_Host). Sites whose latest version is already listed\n"
    "are left out.\n"
    "\n"
    "Ctrl-C stops the sending.\n";

class SendErrorReportCommand final : public Command
{
public:
    std::string_view Name() const override { return "send-error-report"; }

    std::string_view Summary() const override { return "send the last run's error report to the vendor"; }

    std::string_view Usage() const override { return kUsage; }

    int Run(std::span<const std::string> args, CommandContext& context) override
    {
        Arguments arguments(args);
        OpenedProduct opened;
        if (const int code = OpenProductSession(context, arguments, "send-error-report", kUsage, opened);
            code != kExitOk) {
            return code;
        }
        CatalogueSession& session = *opened.session;
        engine::Session& workspace = session.Workspace();
        catalogue::ProductEditor& editor = opened.editor;
        store::Result<LastRun> last = LoadLastRun(session, editor);
        if (!last) {
            return FailInCodePage(context, session, last.GetError());
        }
        const std::vector<engine::ErrorsRow> errors =
            engine::BuildRunErrorsList(last.Value().state,
                                       workspace.Sites(),
                                       &workspace.Packages(),
                                       workspace.Config().GetSiteKey(),
                                       last.Value().resultFolder);
        store::Result<std::filesystem::path> scratch = workspace.Scratch().Ensure();
        if (!scratch) {
            return FailInCodePage(context, session, scratch.GetError());
        }

        companions::ErrorSenderInputs inputs;
        inputs.sources.productFolder =
            catalogue::ProductFolder(*editor.company, editor.productName, session.CodePage());
        inputs.sources.resultFolder = last.Value().resultFolder;
        inputs.sources.scratchDir = scratch.Value();
        inputs.sources.errors = errors;
        inputs.productName = editor.product.program.name;
        inputs.company = editor.product.company;
        inputs.prefs = workspace.Prefs();
        inputs.config = workspace.Config();
        inputs.today = store::Today();

        context.Out() << companions::kErrorReportWindow << "\n";
        ConsoleErrorSenderView view(context.Out());
        engine::RunControl control;
        companions::ErrorSenderOutcome outcome;
        {
            RunKeys keys(control, false, false);
            companions::TErrorSender sender(inputs, view, control);
            std::thread worker([&] { outcome = sender.Execute(); });
            worker.join();
        }
        if (!outcome.sent) {
            context.Err() << outcome.message << "\n";
            if (!outcome.detail.empty()) {
                context.Err() << "(" << session.ToUtf8(outcome.detail) << ")\n";
            }
            return kExitFailure;
        }
        context.Out() << outcome.message << "\n";
        return kExitOk;
    }
};

} // namespace

std::unique_ptr<Command> MakeSendErrorReportCommand()
{
    return std::make_unique<SendErrorReportCommand>();
}

} // namespace listrider::cli
