// stats: the "Collect Product Stats" window without its window: the list of sites with
// statistics, the stats run over the chosen ones, the summary and the exports.
#include <algorithm>
#include <ostream>
#include <thread>

#include "catalogue/product_list.h"
#include "catalogue/value_set.h"
#include "cli/arguments.h"
#include "cli/catalogue_session.h"
#include "cli/commands/commands.h"
#include "cli/console_companion_views.h"
#include "cli/exit_codes.h"
#include "cli/run_keys.h"
#include "companions/stats_export.h"
#include "companions/stats_suitability.h"
#include "companions/stats_tracker.h"
#include "net/local_addresses.h"

namespace listrider::cli {
namespace {

namespace fs = std::filesystem;

constexpr std::string_view kUsage =
    "Usage: listrider-cli stats --company C --product P [--sites all|NAME[,NAME...]] [--list]\n"
    "                           [--export FILE.html|FILE.xml] [--show-all]\n"
    "\n"
    "Collects the product's listing statistics (version listed, downloads, ratings, votes) from\n"
    "the sites that publish them, running each site's stats script, and stores them in the\n"
    "product's status. Without --sites every site of the list is asked. The list leaves out the\n"
    "sites that do not suit the product when the preference Hide_UnSuitable is on (--show-all\n"
    "shows them all).\n"
    "\n"
    "--list      prints the list and its summary without asking any site\n"
    "--export    writes the list as HTML or XML afterwards (by the file's extension; a name\n"
    "            without one gets .html)\n"
    "\n"
    "Ctrl-C stops the run after the request in progress.\n";

constexpr std::string_view kNoDatabase =
    "A new site database should be downloaded before you can collect product stats. Would you like "
    "to download it now?";

void PrintSummary(std::ostream& out, const companions::StatsSummary& summary)
{
    out << "Total Downloads: " << summary.totalDownloads << "\n";
    out << "Listed on: " << companions::OfSites(summary.listedOn, summary.shownSites) << "\n";
    out << "Latest version listed on: "
        << companions::OfSites(summary.latestVersionListedOn, summary.shownSites) << "\n";
}

class StatsCommand final : public Command
{
public:
    std::string_view Name() const override { return "stats"; }

    std::string_view Summary() const override
    {
        return "collect a product's listing statistics from the sites";
    }

    std::string_view Usage() const override { return kUsage; }

    int Run(std::span<const std::string> args, CommandContext& context) override
    {
        Arguments arguments(args);
        const std::optional<std::string> sitesOption = arguments.Option("sites");
        const std::optional<std::string> exportFile = arguments.Option("export");
        const bool listOnly = arguments.Flag("list");
        const bool showAll = arguments.Flag("show-all");
        OpenedProduct opened;
        if (const int code = OpenProductSession(context, arguments, "stats", kUsage, opened);
            code != kExitOk) {
            return code;
        }
        CatalogueSession& session = *opened.session;
        engine::Session& workspace = session.Workspace();
        catalogue::ProductEditor& editor = opened.editor;
        if (workspace.Sites().sites.empty()) {
            context.Err() << kNoDatabase << "\nRun 'update-db' first.\n";
            return kExitFailure;
        }
        const std::string& name = editor.product.program.name;
        const std::string& version = editor.product.program.version;
        context.Out() << "Collect Product Stats - " << session.ToUtf8(name) << "\n";

        const bool autoHide = workspace.Prefs().hideUnSuitable && !showAll;
        std::vector<companions::StatRow> rows = companions::FillStatList(
            workspace.Sites(),
            autoHide,
            companions::StatsSuitabilityFor(editor.product, workspace.Prefs().blacklist));
        if (!listOnly) {
            if (int code = Check(context, session, rows, sitesOption); code != kExitOk) {
                return code;
            }
            if (int code = Collect(context, session, editor, rows); code != kExitOk) {
                return code;
            }
        } else {
            for (const companions::StatRow& row : rows) {
                context.Out() << StatRowLine(row, session.CodePage()) << "\n";
            }
        }
        const companions::StatsSummary summary =
            companions::RefreshSummaries(rows, workspace.Sites(), version);
        PrintSummary(context.Out(), summary);
        if (exportFile) {
            const companions::StatsFormat filter = companions::StatsFormatOf(*exportFile);
            const fs::path file = companions::StatsExportName(*exportFile, filter);
            const companions::StatsReport report{name, version, rows, summary, store::LocalNow()};
            if (store::Result<void> written = companions::WriteStatsExport(file, report); !written) {
                return FailInCodePage(context, session, written.GetError());
            }
            context.Out() << "Exported: " << file.string() << "\n";
        }
        return kExitOk;
    }

private:
    // Checks the rows the run is to ask.
    static int Check(CommandContext& context,
                     const CatalogueSession& session,
                     std::vector<companions::StatRow>& rows,
                     const std::optional<std::string>& sitesOption)
    {
        if (!sitesOption || *sitesOption == "all") {
            for (companions::StatRow& row : rows) {
                row.checked = true;
            }
        } else {
            for (const std::string& utf8 : SplitNames(*sitesOption)) {
                const std::string site = session.ToStore(utf8);
                const auto row =
                    std::find_if(rows.begin(), rows.end(), [&site](const companions::StatRow& r) {
                        return r.site == site;
                    });
                if (row == rows.end()) {
                    return context.Fail(store::MakeError(
                        store::ErrorKind::NotFound, "No site with stats named \"" + utf8 + "\" in the list"));
                }
                row->checked = true;
            }
        }
        if (std::none_of(
                rows.begin(), rows.end(), [](const companions::StatRow& row) { return row.checked; })) {
            context.Err() << companions::kNoStatsSite << "\n";
            return kExitFailure;
        }
        return kExitOk;
    }

    static int Collect(CommandContext& context,
                       CatalogueSession& session,
                       catalogue::ProductEditor& editor,
                       std::vector<companions::StatRow>& rows)
    {
        engine::Session& workspace = session.Workspace();
        companions::StatsInputs inputs;
        inputs.workspace = workspace.Workspace();
        inputs.scratchDir = workspace.Scratch().Path();
        inputs.productFolder =
            catalogue::ProductFolder(*editor.company, editor.productName, session.CodePage());
        inputs.table = &workspace.Sites();
        inputs.packages = &workspace.Packages();
        inputs.accounts = editor.accounts;
        inputs.values = catalogue::GetValues(editor.product, session.Context());
        inputs.rows = &rows;
        inputs.prefs = workspace.Prefs();
        inputs.config = workspace.Config();
        inputs.today = store::Today();
        const std::vector<std::string> addresses = net::GetLocalIP();
        inputs.localIp = addresses.empty() ? std::string() : addresses.front();

        ConsoleStatsView view(context.Out(), session.CodePage());
        engine::RunControl control;
        companions::StatsOutcome outcome;
        {
            RunKeys keys(control, false, false);
            companions::TStats stats(inputs, view, control);
            std::thread worker([&] { outcome = stats.Execute(); });
            worker.join();
        }
        if (!outcome.crash.empty()) {
            context.Err() << "The stats run ended: " << outcome.crash << "\n";
            return kExitFailure;
        }
        for (const std::string& site : outcome.pending) {
            context.Out() << session.ToUtf8(site) << "\tPending\n";
        }
        context.Out() << "Sites processed: " << outcome.processed << " of " << outcome.selected << "\n";
        if (outcome.stopped) {
            context.Err() << "The stats run was stopped.\n";
            return kExitFailure;
        }
        return kExitOk;
    }
};

} // namespace

std::unique_ptr<Command> MakeStatsCommand()
{
    return std::make_unique<StatsCommand>();
}

} // namespace listrider::cli
