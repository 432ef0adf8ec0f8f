// report: the Step 4 or Step 5 page of a product's last submission run, shown again from the
// lists the run keeps in its result folder, and the HTML reports.
#include <ostream>

#include "cli/arguments.h"
#include "cli/catalogue_session.h"
#include "cli/commands/commands.h"
#include "cli/exit_codes.h"
#include "cli/json_writer.h"
#include "cli/report_views.h"
#include "engine/error_report.h"
#include "engine/report_sources.h"
#include "engine/result_folder.h"
#include "engine/run_lists_file.h"
#include "engine/submission_report.h"
#include "store/date_time.h"

namespace listrider::cli {
namespace {

namespace fs = std::filesystem;

constexpr std::string_view kUsage =
    "Usage: listrider-cli report --company C --product P [--errors] [--html FILE] [--json]\n"
    "                            [--mask-passwords]\n"
    "\n"
    "Shows the product's last submission run again, from the lists the run keeps in its result\n"
    "folder (the newest one of the last 31 days): the Step 5 page with the Successful, Failed and\n"
    "Skipped lists and the totals, or with --errors the Step 4 page, the Errors list (every site\n"
    "whose submission did not end well, with a problem, a possible reason and a suggested solution).\n"
    "It only reads: the submitted version and the journal were dealt with when 'submit' ended.\n"
    "\n"
    "--html FILE       writes the HTML submission report (with --errors the HTML error report);\n"
    "                  FILE may be a folder, which receives the report under its suggested name\n"
    "--json            prints the page as JSON\n"
    "--mask-passwords  writes \"****\" for the passwords that the histories name, for a report that\n"
    "                  will be shared (the histories carry each site's login and password)\n";

/// Returns where the report goes: FILE, or the suggested name inside the folder FILE.
fs::path ReportPath(const std::string& option, const std::string& suggested)
{
    const fs::path path(option);
    std::error_code ec;
    return fs::is_directory(path, ec) ? path / suggested : path;
}

class ReportCommand final : public Command
{
public:
    std::string_view Name() const override { return "report"; }

    std::string_view Summary() const override
    {
        return "show the errors report or the final report of the last run; write the HTML reports";
    }

    std::string_view Usage() const override { return kUsage; }

    int Run(std::span<const std::string> args, CommandContext& context) override
    {
        Arguments arguments(args);
        const std::optional<std::string> company = arguments.Option("company");
        const std::optional<std::string> product = arguments.Option("product");
        const std::optional<std::string> html = arguments.Option("html");
        const bool errors = arguments.Flag("errors");
        const bool json = arguments.Flag("json");
        const bool mask = arguments.Flag("mask-passwords");
        if (std::string problem = arguments.Finish(); !problem.empty()) {
            return context.UsageError(problem, kUsage);
        }
        if (!arguments.Positionals().empty()) {
            return context.UsageError("too many arguments", kUsage);
        }
        if (!company || !product) {
            return context.UsageError("report needs --company and --product", kUsage);
        }
        store::Result<std::unique_ptr<CatalogueSession>> opened = CatalogueSession::Open(context);
        if (!opened) {
            return context.Fail(opened.GetError());
        }
        CatalogueSession& session = *opened.Value();
        engine::Session& workspace = session.Workspace();
        catalogue::ProductEditor editor = session.NewEditor();
        if (store::Result<void> open = session.OpenProduct(editor, *company, *product); !open) {
            return FailInCodePage(context, session, open.GetError());
        }
        const engine::ReportProduct about{editor.product.program.name, editor.product.program.version};
        const store::CivilDate today = store::Today();
        // The run's date is not known to a later program run: the newest result folder is the run's.
        const fs::path folder = engine::ResultFolder(
            workspace.Workspace(), about.name, engine::GetNowDate(workspace.Workspace(), about.name, today));
        store::Result<engine::SubmissionState> lists = engine::LoadRunLists(folder);
        if (!lists) {
            if (lists.GetError().kind == store::ErrorKind::NotFound) {
                return FailInCodePage(context,
                                      session,
                                      store::MakeError(store::ErrorKind::NotFound,
                                                       "No submission of " + about.name + " " +
                                                           about.version +
                                                           " in the last 31 days: run 'submit' first",
                                                       folder.string()));
            }
            return FailInCodePage(context, session, lists.GetError());
        }
        const engine::SubmissionState& state = lists.Value();
        const engine::ReportSiteLookup sites = engine::ReportSites(workspace.Sites());

        JsonWriter writer;
        std::optional<fs::path> written;
        if (errors) {
            const std::vector<engine::ErrorsRow> rows = engine::ErrorsPage(
                state, workspace.Sites(), &workspace.Packages(), workspace.Config().GetSiteKey(), folder);
            if (html) {
                const fs::path path =
                    ReportPath(*html, session.ToUtf8(engine::ErrorReportFileName(about, today)));
                if (store::Result<void> saved = engine::SaveReport(
                        path, engine::ErrorReportLines(about, rows, sites, store::LocalNow()));
                    !saved) {
                    return FailInCodePage(context, session, saved.GetError());
                }
                written = path;
            }
            if (json) {
                writer.BeginObject().Key("errors");
                WriteErrorsJson(writer, session.CodePage(), rows);
            } else {
                PrintErrorsView(context.Out(), session.CodePage(), rows);
            }
        } else {
            const engine::Step5Page page = engine::ReportPage(
                state, engine::RunAccounts(editor.accounts, editor.product.company.generalEmail, mask));
            if (html) {
                const fs::path path =
                    ReportPath(*html, session.ToUtf8(engine::SubmissionReportFileName(about, today)));
                if (store::Result<void> saved =
                        engine::SaveReport(path,
                                           engine::SubmissionReportLines(
                                               about, page.totals, page.summary, sites, store::LocalNow()));
                    !saved) {
                    return FailInCodePage(context, session, saved.GetError());
                }
                written = path;
            }
            if (json) {
                writer.BeginObject();
                WriteReportJson(writer, session.CodePage(), page.summary, page.totals);
            } else {
                PrintReportView(context.Out(), session.CodePage(), page.summary, page.totals);
            }
        }
        if (json) {
            writer.Key("html");
            if (written) {
                writer.String(written->string());
            } else {
                writer.Null();
            }
            writer.EndObject();
            context.Out() << writer.Text() << "\n";
        } else if (written) {
            context.Out() << "HTML report: " << written->string() << "\n";
        }
        return kExitOk;
    }
};

} // namespace

std::unique_ptr<Command> MakeReportCommand()
{
    return std::make_unique<ReportCommand>();
}

} // namespace listrider::cli
