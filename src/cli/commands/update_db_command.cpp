// update-db: brings the site database up to the update server's.
#include <atomic>
#include <csignal>
#include <future>
#include <ostream>

#include "cli/arguments.h"
#include "cli/catalogue_session.h"
#include "cli/commands/commands.h"
#include "cli/connection_check.h"
#include "cli/console_update_view.h"
#include "cli/exit_codes.h"
#include "net/local_addresses.h"
#include "sites/scratch_dir.h"
#include "sites/site_downloader.h"
#include "sites/site_index.h"
#include "sites/site_integrity.h"
#include "store/installation_config.h"
#include "store/prefs.h"

namespace listrider::cli {
namespace {

namespace fs = std::filesystem;

constexpr std::string_view kUsage =
    "Usage: listrider-cli update-db [--yes|--no]\n"
    "\n"
    "Brings the workspace's site database up to the one on the update server (Update_FTP_Host,\n"
    "Update_FTP_User and Update_FTP_Password in installation.ini): downloads the packages of new and\n"
    "changed sites, drops obsolete sites from the index and refreshes the fast categories when the\n"
    "server has a newer set. The index is rewritten after every package, so an update stopped with\n"
    "Ctrl-C keeps the sites fetched so far. When the server offers a newer program version the update\n"
    "asks whether to go to the download page: --yes stops the update there, --no goes on.\n";

std::atomic<bool> interruptRequested{false};

extern "C" void OnInterrupt(int /*signal*/)
{
    interruptRequested = true;
}

// Ctrl-C becomes "Stop Update" while the update runs.
class InterruptGuard
{
public:
    InterruptGuard()
    {
        interruptRequested = false;
        struct sigaction action = {};
        action.sa_handler = OnInterrupt;
        sigemptyset(&action.sa_mask);
        m_installed = ::sigaction(SIGINT, &action, &m_previous) == 0;
    }

    InterruptGuard(const InterruptGuard&) = delete;
    InterruptGuard& operator=(const InterruptGuard&) = delete;

    ~InterruptGuard()
    {
        if (m_installed) {
            ::sigaction(SIGINT, &m_previous, nullptr);
        }
    }

private:
    struct sigaction m_previous = {};
    bool m_installed = false;
};

class UpdateDbCommand final : public Command
{
public:
    std::string_view Name() const override { return "update-db"; }

    std::string_view Summary() const override { return "update the site database from the update server"; }

    std::string_view Usage() const override { return kUsage; }

    int Run(std::span<const std::string> args, CommandContext& context) override
    {
        Arguments arguments(args);
        if (std::string problem = arguments.FinishWithoutPositionals(); !problem.empty()) {
            return context.UsageError(problem, kUsage);
        }
        store::Result<fs::path> workspace = context.Workspace();
        if (!workspace) {
            return context.Fail(workspace.GetError());
        }
        const store::InstallationConfig config = store::LoadInstallationConfig(workspace.Value());
        for (const std::string& note : config.notes) {
            context.Err() << "note: " << note << "\n";
        }
        const store::Prefs prefs = store::LoadINI(workspace.Value()).prefs;
        sites::ScratchDir scratch(workspace.Value());
        store::Result<fs::path> scratchPath = scratch.Ensure();
        if (!scratchPath) {
            return context.Fail(scratchPath.GetError());
        }
        store::Result<sites::UpdateSettings> settings = sites::MakeUpdateSettings(
            workspace.Value(), scratchPath.Value(), config, prefs, net::GetLocalIP());
        if (!settings) {
            return context.Fail(settings.GetError());
        }

        const store::CodePage codePage = config.GetCodePage();
        const fs::path root = workspace.Value();
        ConsoleUpdateView view(context.Out(), context.Err(), codePage, [&root, &config, &prefs] {
            return CheckInternetConnection(root, config, prefs);
        });
        CodePagePrompter prompter(context.GetPrompter(), codePage);
        const sites::UpdateOutcome outcome = RunUpdate(std::move(settings.Value()), view, prompter);

        if (outcome.unanswered) {
            context.Err()
                << "listrider-cli: update-db needs an answer to the question about the newer version; "
                   "run it again with --yes or --no\n";
        } else if (outcome.cancelled && !outcome.success) {
            context.Out() << "Update stopped; the sites downloaded so far are kept.\n";
        }
        for (const std::string& note : outcome.refused) {
            context.Err() << "note: site refused: " << codePage.ToUtf8(note) << "\n";
        }
        if (!outcome.detail.empty()) {
            context.Err() << "note: " << codePage.ToUtf8(outcome.detail) << "\n";
        }
        if (outcome.reportDue) {
            for (const std::string& line : sites::UpdateReportLines(outcome)) {
                context.Out() << codePage.ToUtf8(line) << "\n";
            }
        }
        context.Out() << sites::UpdateStatusText(outcome) << "\n";

        // The program reloads the site table after an update, as at start-up.
        sites::SiteTable table = sites::LoadSites(workspace.Value());
        sites::CheckSitesComplexity(table, workspace.Value());
        context.Out() << table.sites.size() << " sites load and pass the integrity check\n";
        return outcome.success ? kExitOk : kExitFailure;
    }

private:
    static sites::UpdateOutcome
    RunUpdate(sites::UpdateSettings settings, ConsoleUpdateView& view, store::Prompter& prompter)
    {
        InterruptGuard guard;
        std::promise<sites::UpdateOutcome> ended;
        std::future<sites::UpdateOutcome> outcome = ended.get_future();
        sites::TDownloader downloader(std::move(settings), view, prompter);
        downloader.Start([&ended](const sites::UpdateOutcome& result) { ended.set_value(result); });
        bool stopped = false;
        while (outcome.wait_for(std::chrono::milliseconds(100)) != std::future_status::ready) {
            if (interruptRequested && !stopped) {
                downloader.Stop();
                stopped = true;
            }
        }
        return outcome.get();
    }
};

} // namespace

std::unique_ptr<Command> MakeUpdateDbCommand()
{
    return std::make_unique<UpdateDbCommand>();
}

} // namespace listrider::cli
