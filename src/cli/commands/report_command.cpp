// report: the Step 4 or Step 5 page of a product's last submission run, shown again from the
// lists the run keeps in its result folder, and the HTML reports.
#include <ostream>

#include "cli/arguments.h"
#include "cli/catalogue_session.h"
#include "cli/commands/commands.h"
#include "cli/exit_codes.h"
#include "cli/json_writer.h"
#include "cli/last_run.h"
#include "cli/report_views.h"
#include "cli/run_reports.h"

namespace listrider::cli {
namespace {

namespace fs = std::filesystem;

constexpr std::string_view kUsage =
    "Usage: listrider-cli report --company C --product P [--errors] [--html FILE|DIR] [--json]\n"
    "                            [--mask-passwords]\n"
    "\n"
    "Shows the product's last submission run again, from the lists every run keeps in its result\n"
    "folder Submits/<product>_<dd-mm-yyyy>/RunLists.dat (the newest folder of the last 31 days):\n"
    "the Step 5 page, or with --errors the Step 4 page. It only reads: the submitted version and\n"
    "the journal were dealt with when 'submit' ended.\n"
    "\n"
    "Step 5 output: the line \"Step 5 (Report)\"; then the lists Successful (Site, History), Failed\n"
    "(Site, Error) and Skipped (Site, Reason), each after an empty line as its name, a header line\n"
    "and one tab-separated line per site; an empty line; the ten totals, one \"Label: value\" a\n"
    "line (\"Sites Submitted:\" ... \"Total FTP Requests:\"); the status text.\n"
    "Step 4 output (--errors): the line \"Step 4 (Errors Report)\", the header line\n"
    "\"Site<TAB>Problem<TAB>Possible Reason<TAB>Suggested Solution\", one tab-separated line per site\n"
    "whose submission did not end well, and the status text.\n"
    "\n"
    "--html FILE|DIR   also writes the HTML submission report (with --errors the HTML error report)\n"
    "                  to FILE, or into DIR under its suggested name (Product_Version_dd-mmm-yyyy.html,\n"
    "                  Product_Version_errors_dd-mmm-yyyy.html) and prints \"HTML report: PATH\"\n"
    "--json            prints the page as one JSON object: {\"errors\":[{site,problem,reason,\n"
    "                  solution}...],\"html\":PATH|null} or {\"successful\":[{site,history}...],\n"
    "                  \"failed\":[{site,error}...],\"skipped\":[{site,reason}...],\"totals\":{...},\n"
    "                  \"html\":PATH|null}\n"
    "--mask-passwords  writes \"****\" for the passwords that the histories name, for a report that\n"
    "                  will be shared (the histories carry each site's login and password)\n";

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
        const std::optional<std::string> html = arguments.Option("html");
        const bool errors = arguments.Flag("errors");
        const bool json = arguments.Flag("json");
        const bool mask = arguments.Flag("mask-passwords");
        OpenedProduct opened;
        if (const int code = OpenProductSession(context, arguments, "report", kUsage, opened);
            code != kExitOk) {
            return code;
        }
        CatalogueSession& session = *opened.session;
        catalogue::ProductEditor& editor = opened.editor;
        store::Result<LastRun> last = LoadLastRun(session, editor);
        if (!last) {
            return FailInCodePage(context, session, last.GetError());
        }
        const RunReports reports =
            BuildRunReports(session, editor, last.Value().state, last.Value().resultFolder, mask);

        JsonWriter writer;
        std::optional<fs::path> written;
        if (html) {
            store::Result<fs::path> saved = errors ? WriteErrorReport(session, reports, *html)
                                                   : WriteSubmissionReport(session, reports, *html);
            if (!saved) {
                return FailInCodePage(context, session, saved.GetError());
            }
            written = saved.Value();
        }
        if (errors) {
            if (json) {
                writer.BeginObject().Key("errors");
                WriteErrorsJson(writer, session.CodePage(), reports.errors);
            } else {
                PrintErrorsView(context.Out(), session.CodePage(), reports.errors);
            }
        } else {
            if (json) {
                writer.BeginObject();
                WriteReportJson(writer, session.CodePage(), reports.step5.summary, reports.step5.totals);
            } else {
                PrintReportView(
                    context.Out(), session.CodePage(), reports.step5.summary, reports.step5.totals);
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
