// submit: the Submit page without its window: the entry checks, the Step 1 run, the Step 2 list
// and the Step 3 run over the pending sites.
#include <algorithm>
#include <ostream>
#include <sstream>
#include <thread>

#include <unistd.h>

#include "catalogue/data_set.h"
#include "catalogue/product_list.h"
#include "catalogue/value_set.h"
#include "cli/arguments.h"
#include "cli/catalogue_session.h"
#include "cli/commands/commands.h"
#include "cli/console_run_view.h"
#include "cli/exit_codes.h"
#include "cli/faulty_field_report.h"
#include "cli/json_writer.h"
#include "cli/report_views.h"
#include "cli/run_keys.h"
#include "cli/run_reports.h"
#include "engine/journal.h"
#include "engine/report_pages.h"
#include "engine/result_folder.h"
#include "engine/run_driver.h"
#include "engine/run_lists_file.h"
#include "engine/run_script_factory.h"
#include "engine/submit_page.h"
#include "net/local_addresses.h"
#include "sites/suitability.h"
#include "store/date_time.h"

namespace listrider::cli {
namespace {

constexpr std::string_view kUsage =
    "Usage: listrider-cli submit --company C --product P [--sites all|suitable|NAME[,NAME...]]\n"
    "                            [--final] [--resume|--no-resume] [--trace] [--json]\n"
    "       listrider-cli submit --company C --product P --pending [--json]\n"
    "\n"
    "Runs the submission of a product: the Submit page's checks (faulty fields, no site, sites\n"
    "without their category), then the Step 1 run over the chosen rows of the site list as\n"
    "'sites list' shows it for the product (its fast category applied, the filter, the blacklist\n"
    "and the marks), in list order: 'all' (the default) every row, 'suitable' the rows marked 0\n"
    "(\"The site is ready for submission\"), or the named rows. Blacklisted sites and sites the\n"
    "filter hides are never submitted to.\n"
    "\n"
    "--pending   prints the Step 2 list (sites whose accounts the sites sent by e-mail) with login,\n"
    "            password, \"Login is\" and \"VALIDATE\"; enter them with 'accounts set'\n"
    "--final     runs Step 3 over the pending sites of the last Step 1 run (from its journal)\n"
    "--resume    continues an unfinished run from its journal; --no-resume discards the journal\n"
    "            (without either the question is asked)\n"
    "--trace     shows each web request before it is sent and waits for Enter\n"
    "\n"
    "While it runs: Ctrl-C stops (the journal stays; a second Ctrl-C quits at once); on a terminal\n"
    "p pauses and resumes, s skips the current site.\n"
    "\n"
    "It ends with the lines \"Left to submit: ...\", \"Next: <wizard step>\", \"Result.txt: PATH\" and\n"
    "\"DetailResult.txt: PATH\". When the run leads to Step 4 (some site failed) or Step 5, the\n"
    "product's submitted version is recorded, the journal is deleted (unless the run was aborted),\n"
    "and after an empty line follow the Step 4 page (only when Step 4; the same lines as 'report\n"
    "--errors'), the Step 5 page (as 'report'), and the lines \"Error report: PATH\" (only when\n"
    "Step 4) and \"Submission report: PATH\": the HTML reports, written into the run's result\n"
    "folder under their suggested names. With --json the object carries \"errors\" (the Errors\n"
    "list or null), \"report\" (the Step 5 lists and totals or null), \"errorReport\" and\n"
    "\"submissionReport\" (paths or null). 'report' shows both pages again later.\n";

const char* StepName(int step)
{
    switch (step) {
    case 2:
        return "Step 2 (New passwords)";
    case 3:
        return "Step 3 (Final submit)";
    case 4:
        return "Step 4 (Errors Report)";
    case 5:
        return "Step 5 (Report)";
    default:
        return "Step 1 (Main submit)";
    }
}

/// The HTML reports a run's end wrote.
struct ReportFiles
{
    std::optional<std::filesystem::path> submission;
    std::optional<std::filesystem::path> errors;
};

// Why a site is not a row of the site list.
std::string WhyNotListed(engine::Session& workspace, const std::string& name)
{
    if (sites::FindDBIndex(workspace.Sites(), name) < 0) {
        return "is not a site of the site database";
    }
    const std::vector<std::string>& blacklist = workspace.Prefs().blacklist;
    if (std::find(blacklist.begin(), blacklist.end(), name) != blacklist.end()) {
        return "is blacklisted";
    }
    if (workspace.Prefs().hideUnSuitable) {
        return "is hidden by the site filter or, with Hide_UnSuitable, by its mark";
    }
    return "is hidden by the site filter";
}

class SubmitCommand final : public Command
{
public:
    std::string_view Name() const override { return "submit"; }

    std::string_view Summary() const override { return "submit a product to the sites of the site database"; }

    std::string_view Usage() const override { return kUsage; }

    int Run(std::span<const std::string> args, CommandContext& context) override
    {
        Arguments arguments(args);
        const std::optional<std::string> company = arguments.Option("company");
        const std::optional<std::string> product = arguments.Option("product");
        const std::optional<std::string> sitesOption = arguments.Option("sites");
        const bool final = arguments.Flag("final");
        const bool pending = arguments.Flag("pending");
        const bool resume = arguments.Flag("resume");
        const bool noResume = arguments.Flag("no-resume");
        const bool trace = arguments.Flag("trace");
        const bool json = arguments.Flag("json");
        if (std::string problem = arguments.FinishWithoutPositionals(); !problem.empty()) {
            return context.UsageError(problem, kUsage);
        }
        if (!company || !product) {
            return context.UsageError("submit needs --company and --product", kUsage);
        }
        if (resume && noResume) {
            return context.UsageError("--resume and --no-resume cannot be given together", kUsage);
        }
        if (final && pending) {
            return context.UsageError("--final and --pending cannot be given together", kUsage);
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
        const std::filesystem::path folder =
            catalogue::ProductFolder(*editor.company, editor.productName, session.CodePage());
        const std::filesystem::path journal = engine::ResumeFolder(folder);

        // The "Sites" page for the product, as the user sees it before entering the Submit page:
        // the fast category applied, the filter, the blacklist and the marks.
        workspace.ShowSitesPage(editor);
        const sites::SiteList& list = workspace.Page().list;
        std::vector<std::string> listRows;
        for (const sites::SiteRow& row : list.Rows()) {
            listRows.push_back(row.name);
        }

        engine::SubmissionState state;
        if (engine::HasResumeInfo(journal)) {
            std::optional<bool> answer;
            if (resume || noResume) {
                answer = resume;
            } else if (final || pending) {
                answer = true; // both continue the wizard the journal holds
            } else {
                answer = session.GetPrompter().Ask(
                    engine::ResumeQuestion(editor.product.program.name, editor.product.program.version));
            }
            if (!answer) {
                return context.Fail(store::MakeError(store::ErrorKind::Cancelled,
                                                     "The last submission was not finished; run it again "
                                                     "with --resume or --no-resume"));
            }
            if (*answer) {
                if (store::Result<void> restored = engine::OpenResumeInfo(journal, state, listRows);
                    !restored) {
                    return FailInCodePage(context, session, restored.GetError());
                }
                if (state.page == engine::WizardPage::NewPasswords ||
                    state.page == engine::WizardPage::FinalSubmit) {
                    // A Step 2 or Step 3 journal keeps neither the Step 1 details rows nor (Step 2)
                    // the report counters; the lists the Step 1 run left in its result folder do.
                    const std::filesystem::path lastRun = engine::ResultFolder(
                        workspace.Workspace(),
                        editor.product.program.name,
                        engine::GetNowDate(
                            workspace.Workspace(), editor.product.program.name, store::Today()));
                    if (const store::Result<engine::SubmissionState> saved = engine::LoadRunLists(lastRun)) {
                        engine::CarryOverStep1(saved.Value(), state);
                    }
                }
            } else {
                engine::DeleteResumeInfo(journal);
            }
        } else if (resume) {
            return context.Fail(
                store::MakeError(store::ErrorKind::NotFound, "No unfinished submission to resume"));
        }

        if (pending) {
            return PrintPending(context, session, state, editor, workspace.Sites(), json);
        }
        if (final) {
            if (state.pending.empty() && state.page != engine::WizardPage::FinalSubmit) {
                return context.Fail(
                    store::MakeError(store::ErrorKind::NotFound, "No pending sites: run 'submit' first"));
            }
            engine::EnterWizardStep(state, engine::WizardPage::NewPasswords, journal);
            engine::EnterWizardStep(state, engine::WizardPage::FinalSubmit, journal);
        } else if (!state.resumeMode || state.page != engine::WizardPage::MainSubmit) {
            if (state.resumeMode && state.page != engine::WizardPage::MainSubmit) {
                return context.Fail(store::MakeError(store::ErrorKind::Refused,
                                                     "The unfinished submission is at " +
                                                         std::string(StepName(static_cast<int>(state.page))) +
                                                         "; continue it with --final or --pending"));
            }
            std::vector<std::string> chosen;
            if (!sitesOption || *sitesOption == "all") {
                chosen = listRows;
            } else if (*sitesOption == "suitable") {
                for (const sites::SiteRow& row : list.Rows()) {
                    if (row.image == sites::marks::kReady) {
                        chosen.push_back(row.name);
                    }
                }
            } else {
                for (const std::string& utf8 : SplitNames(*sitesOption)) {
                    const std::string name = session.ToStore(utf8);
                    if (std::find(listRows.begin(), listRows.end(), name) == listRows.end()) {
                        return context.Fail(store::MakeError(
                            store::ErrorKind::NotFound, "\"" + utf8 + "\" " + WhyNotListed(workspace, name)));
                    }
                    chosen.push_back(name);
                }
            }
            state.checked = chosen;
        }

        const engine::WizardPage runPage =
            final ? engine::WizardPage::FinalSubmit : engine::WizardPage::MainSubmit;
        const engine::SubmitEntry entry =
            engine::EnterSubmitPage(editor, workspace.Sites(), state.checked, state.resumeMode);
        if (entry.refusal) {
            context.Err() << session.ToUtf8(*entry.refusal) << "\n";
            PrintFaultyFields(context.Err(), session, editor);
            return kExitFailure;
        }
        if (!entry.missingCategories.empty()) {
            context.Err() << engine::kCategoriesTitle << ":\n";
            for (const std::string& site : entry.missingCategories) {
                context.Err() << "  " << session.ToUtf8(site) << "\n";
            }
            return kExitFailure;
        }
        // With --json the standard output holds the summary alone.
        std::ostream& notes = json ? context.Err() : context.Out();
        if (entry.padReminder) {
            notes << session.ToUtf8(*entry.padReminder) << "\n";
        }
        if (runPage == engine::WizardPage::MainSubmit && !state.resumeMode) {
            state.page1.Clear();
            state.page1.counters.left = static_cast<long long>(state.checked.size());
        }
        notes << engine::kStartHint << "\n";
        // Start saves the product first.
        if (store::Result<void> saved = catalogue::SaveProduct(editor, session.Context()); !saved) {
            return FailInCodePage(context, session, saved.GetError());
        }

        engine::RunInputs inputs;
        inputs.page = runPage;
        inputs.workspace = workspace.Workspace();
        inputs.scratchDir = workspace.Scratch().Path();
        inputs.productFolder = folder;
        inputs.productName = editor.product.program.name;
        inputs.productVersion = editor.product.program.version;
        inputs.values = catalogue::GetValues(editor.product, session.Context());
        inputs.uploadPaths = {inputs.values.web.padPath,
                              inputs.values.web.filePath,
                              inputs.values.web.iconPath,
                              inputs.values.web.screenshotPath};
        inputs.table = &workspace.Sites();
        inputs.packages = &workspace.Packages();
        inputs.accounts = &editor.accounts;
        inputs.saveAccounts = [&editor, &session] {
            return catalogue::SaveProduct(editor, session.Context());
        };
        inputs.prefs = workspace.Prefs();
        inputs.config = workspace.Config();
        inputs.localAddresses = net::GetLocalIP();
        inputs.today = store::Today();
        inputs.tracing = trace && runPage == engine::WizardPage::MainSubmit;

        const bool terminal = ::isatty(STDIN_FILENO) == 1 && ::isatty(STDOUT_FILENO) == 1;
        ConsoleRunView view(json ? context.Err() : context.Out(), session.CodePage(), terminal && !json);
        engine::RunControl control;
        std::unique_ptr<engine::RunScript> script =
            engine::MakeRunScript(workspace.Sites(), workspace.Config());
        {
            RunKeys keys(control, terminal, inputs.tracing);
            engine::TProgressWindow driver(inputs, state, view, control, *script);
            std::thread worker([&driver] { driver.Execute(); });
            worker.join();
        }
        if (view.Crashed()) {
            return kExitFailure;
        }
        const int next = view.NextStep();
        const std::filesystem::path results = engine::ResultFolder(
            workspace.Workspace(),
            inputs.productName,
            state.resumeMode ? engine::GetNowDate(workspace.Workspace(), inputs.productName, inputs.today)
                             : inputs.today);
        const bool reportPage = next == 4 || next == 5;
        if (reportPage) {
            // Entering the report pages records the submitted version and ends the journal.
            if (store::Result<void> entered = engine::EnterReportPage(
                    state, static_cast<engine::WizardPage>(next), editor, session.Context(), journal);
                !entered) {
                PrintWarning(context, session, entered.GetError());
            }
        } else if (next != 0) {
            engine::EnterWizardStep(state, static_cast<engine::WizardPage>(next), journal);
        }
        // The lists stay in the result folder for 'report' and for a final run in a later program run.
        // A run that ended before its first site made no result folder and leaves nothing to keep.
        std::error_code noFolder;
        if (std::filesystem::is_directory(results, noFolder)) {
            if (store::Result<void> kept = engine::SaveRunLists(results, state); !kept) {
                PrintWarning(context, session, kept.GetError());
            }
        }
        std::optional<RunReports> reports;
        ReportFiles files;
        if (reportPage) {
            reports = BuildRunReports(session, editor, state, results, false);
            // The HTML reports go next to the run's saved pages, under their suggested names.
            if (store::Result<std::filesystem::path> written =
                    WriteSubmissionReport(session, *reports, results)) {
                files.submission = written.Value();
            } else {
                PrintWarning(context, session, written.GetError());
            }
            if (next == 4) {
                if (store::Result<std::filesystem::path> written =
                        WriteErrorReport(session, *reports, results)) {
                    files.errors = written.Value();
                } else {
                    PrintWarning(context, session, written.GetError());
                }
            }
        }
        if (json) {
            return PrintSummary(context, session, state, runPage, next, results, reports, files);
        }
        const engine::PageCounters& counters = state.RunPageOf(runPage).counters;
        context.Out() << "Left to submit: " << counters.left << "  Total Processed: " << counters.processed
                      << "  Sucessful: " << counters.successful << "\n";
        context.Out() << "Next: "
                      << (next == 0 ? "the run was stopped; continue it with --resume" : StepName(next))
                      << "\n";
        context.Out() << "Result.txt: " << (results / engine::kResultFile).string() << "\n";
        context.Out() << "DetailResult.txt: " << (results / engine::kDetailResultFile).string() << "\n";
        if (reports) {
            if (next == 4) {
                context.Out() << "\n";
                PrintErrorsView(context.Out(), session.CodePage(), reports->errors);
            }
            context.Out() << "\n";
            PrintReportView(context.Out(), session.CodePage(), reports->step5.summary, reports->step5.totals);
            context.Out() << "\n";
            if (files.errors) {
                context.Out() << "Error report: " << files.errors->string() << "\n";
            }
            if (files.submission) {
                context.Out() << "Submission report: " << files.submission->string() << "\n";
            }
        }
        return next == 0 ? kExitFailure : kExitOk;
    }

private:
    static int PrintPending(CommandContext& context,
                            const CatalogueSession& session,
                            const engine::SubmissionState& state,
                            const catalogue::ProductEditor& editor,
                            const sites::SiteTable& table,
                            bool json)
    {
        const std::vector<engine::NewAccountRow> rows = engine::Step2Rows(state, editor.accounts, table);
        if (json) {
            JsonWriter writer;
            writer.BeginArray();
            for (const engine::NewAccountRow& row : rows) {
                writer.BeginObject()
                    .Key("site")
                    .String(session.ToUtf8(row.site))
                    .Key("login")
                    .String(session.ToUtf8(row.login))
                    .Key("password")
                    .String(session.ToUtf8(row.password))
                    .Key("loginIs")
                    .String(row.loginIs)
                    .Key("validation")
                    .String(row.validation)
                    .EndObject();
            }
            writer.EndArray();
            context.Out() << writer.Text() << "\n";
            return kExitOk;
        }
        context.Out() << engine::kStep2Hint << "\n";
        context.Out() << "Site Name\tLogin\tPassword\tLogin is\tValidation\n";
        for (const engine::NewAccountRow& row : rows) {
            context.Out() << session.ToUtf8(row.site) << "\t" << session.ToUtf8(row.login) << "\t"
                          << session.ToUtf8(row.password) << "\t" << row.loginIs << "\t" << row.validation
                          << "\n";
        }
        return kExitOk;
    }

    static void
    PrintWarning(CommandContext& context, const CatalogueSession& session, const store::Error& error)
    {
        context.Err() << "Warning: " << session.ToUtf8(error.message);
        if (!error.detail.empty()) {
            context.Err() << " (" << session.ToUtf8(error.detail) << ")";
        }
        context.Err() << "\n";
    }

    static int PrintSummary(CommandContext& context,
                            const CatalogueSession& session,
                            const engine::SubmissionState& state,
                            engine::WizardPage runPage,
                            int next,
                            const std::filesystem::path& results,
                            const std::optional<RunReports>& reports,
                            const ReportFiles& files)
    {
        const engine::RunPage& page = state.RunPageOf(runPage);
        JsonWriter writer;
        writer.BeginObject().Key("log").BeginArray();
        for (auto it = page.log.rbegin(); it != page.log.rend(); ++it) {
            writer.BeginObject()
                .Key("time")
                .String(it->time)
                .Key("site")
                .String(session.ToUtf8(it->site))
                .Key("result")
                .String(it->result)
                .EndObject();
        }
        writer.EndArray()
            .Key("left")
            .Number(page.counters.left)
            .Key("processed")
            .Number(page.counters.processed)
            .Key("successful")
            .Number(page.counters.successful)
            .Key("nextStep")
            .Number(static_cast<long long>(next))
            .Key("result")
            .String((results / engine::kResultFile).string())
            .Key("detailResult")
            .String((results / engine::kDetailResultFile).string());
        // The Step 4 page only when the run led to it, the Step 5 page after either report page.
        writer.Key("errors");
        if (reports && next == 4) {
            WriteErrorsJson(writer, session.CodePage(), reports->errors);
        } else {
            writer.Null();
        }
        writer.Key("report");
        if (reports) {
            writer.BeginObject();
            WriteReportJson(writer, session.CodePage(), reports->step5.summary, reports->step5.totals);
            writer.EndObject();
        } else {
            writer.Null();
        }
        const auto path = [&writer](const char* key, const std::optional<std::filesystem::path>& file) {
            writer.Key(key);
            if (file) {
                writer.String(file->string());
            } else {
                writer.Null();
            }
        };
        path("errorReport", files.errors);
        path("submissionReport", files.submission);
        writer.EndObject();
        context.Out() << writer.Text() << "\n";
        return next == 0 ? kExitFailure : kExitOk;
    }
};

} // namespace

std::unique_ptr<Command> MakeSubmitCommand()
{
    return std::make_unique<SubmitCommand>();
}

} // namespace listrider::cli
