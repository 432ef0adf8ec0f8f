// demo: the main job on a fresh machine, against simulated download sites.
#include <cstdlib>
#include <ostream>

#include "cli/arguments.h"
#include "cli/commands/commands.h"
#include "cli/demo/demo_pipeline.h"
#include "cli/demo/sitesim_process.h"
#include "cli/exit_codes.h"

namespace listrider::cli {
namespace {

namespace fs = std::filesystem;

constexpr std::string_view kUsage =
    "Usage: listrider-cli demo [--workspace DIR] [--keep]\n"
    "\n"
    "Submits a sample product to simulated download sites, as on a fresh installation: starts\n"
    "listrider-sitesim (beside this program) on a free port of 127.0.0.1, writes the workspace's\n"
    "installation.ini for it, builds the site database from the demo sources, imports the sample\n"
    "PAD file, runs Step 1, enters the account a site e-mailed, runs Step 3, and prints the\n"
    "results. The exit status is 0 when every site ended as it is built to.\n"
    "\n"
    "--workspace DIR   runs in DIR, which must be empty or missing, and keeps it\n"
    "                  (default: a new temporary directory, removed at the end)\n"
    "--keep            keeps the temporary workspace\n";

// The simulator's own limit, in case the demo is killed and leaves it behind.
constexpr int kSitesimSeconds = 900;

fs::path DemoSources()
{
    const fs::path beside = SitesimBesideProgram().parent_path() / "demo";
    std::error_code ec;
    if (fs::is_directory(beside, ec)) {
        return beside;
    }
    return LISTRIDER_DEMO_DIR;
}

store::Result<fs::path> FreshWorkspace(const std::optional<std::string>& given)
{
    std::error_code ec;
    if (given) {
        const fs::path dir(*given);
        if (fs::exists(dir, ec) && !fs::is_empty(dir, ec)) {
            return store::MakeError(
                store::ErrorKind::Refused, "The demo needs an empty workspace", dir.string());
        }
        fs::create_directories(dir, ec);
        if (ec) {
            return store::MakeError(store::ErrorKind::Io, "Cannot create the workspace", ec.message());
        }
        return fs::absolute(dir, ec);
    }
    std::string pattern = (fs::temp_directory_path(ec) / "listrider-demo-XXXXXX").string();
    if (::mkdtemp(pattern.data()) == nullptr) {
        return store::MakeError(store::ErrorKind::Io, "Cannot create a temporary workspace", pattern);
    }
    return fs::path(pattern);
}

class DemoCommand final : public Command
{
public:
    std::string_view Name() const override { return "demo"; }

    std::string_view Summary() const override
    {
        return "submit a sample product to simulated download sites";
    }

    std::string_view Usage() const override { return kUsage; }

    int Run(std::span<const std::string> args, CommandContext& context) override
    {
        Arguments arguments(args);
        const bool keep = arguments.Flag("keep");
        if (std::string problem = arguments.FinishWithoutPositionals(); !problem.empty()) {
            return context.UsageError(problem, kUsage);
        }
        const std::optional<std::string>& given = context.Options().workspace;
        store::Result<fs::path> workspace = FreshWorkspace(given);
        if (!workspace) {
            return context.Fail(workspace.GetError());
        }
        int code = kExitFailure;
        {
            store::Result<std::unique_ptr<SitesimProcess>> sitesim =
                SitesimProcess::Start(SitesimBesideProgram(), kSitesimSeconds);
            if (!sitesim) {
                context.Fail(sitesim.GetError());
            } else {
                code = RunDemo({workspace.Value(), DemoSources(), sitesim.Value()->HostPort()},
                               context.Out(),
                               context.Err());
                if (!sitesim.Value()->Stop()) {
                    context.Err() << "The simulated sites did not stop cleanly.\n";
                    code = kExitFailure;
                }
            }
        }
        if (!given && !keep) {
            std::error_code ec;
            fs::remove_all(workspace.Value(), ec);
            context.Out() << "The temporary workspace is removed, its reports with it; --keep keeps it.\n";
        } else {
            context.Out() << "The workspace stays: " << workspace.Value().string() << "\n";
        }
        return code;
    }
};

} // namespace

std::unique_ptr<Command> MakeDemoCommand()
{
    return std::make_unique<DemoCommand>();
}

} // namespace listrider::cli
