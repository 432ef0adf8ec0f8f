// config: shows and initialises the installation configuration of a workspace.
#include <ostream>

#include "cli/arguments.h"
#include "cli/commands/commands.h"
#include "cli/exit_codes.h"
#include "cli/json_writer.h"
#include "store/file_system.h"
#include "store/installation_config.h"
#include "store/workspace.h"

namespace listrider::cli {
namespace {

namespace fs = std::filesystem;

constexpr std::string_view kUsage =
    "Usage: listrider-cli config show [--json] [--reveal]\n"
    "       listrider-cli config init\n"
    "       listrider-cli config path\n"
    "\n"
    "show   prints every key of the workspace's installation configuration (installation.ini over\n"
    "       the built-in defaults) and what was wrong in the file; keys and passwords are masked\n"
    "       unless --reveal is given\n"
    "init   writes installation.ini with the built-in defaults, to be edited (asks before\n"
    "       replacing an existing file)\n"
    "path   prints the path of installation.ini\n";

std::string Shown(const store::ConfigEntry& entry, bool reveal)
{
    if (entry.secret && !reveal && !entry.value.empty()) {
        return "********";
    }
    return entry.value;
}

class ConfigCommand final : public Command
{
public:
    std::string_view Name() const override { return "config"; }

    std::string_view Summary() const override { return "show or initialise the installation configuration"; }

    std::string_view Usage() const override { return kUsage; }

    int Run(std::span<const std::string> args, CommandContext& context) override
    {
        Arguments arguments(args);
        const bool json = arguments.Flag("json");
        const bool reveal = arguments.Flag("reveal");
        const std::vector<std::string> words = arguments.Positionals();
        if (std::string problem = arguments.Finish(); !problem.empty()) {
            return context.UsageError(problem, kUsage);
        }
        if (words.size() != 1) {
            return context.UsageError(words.empty() ? "config needs an action" : "too many arguments",
                                      kUsage);
        }
        store::Result<fs::path> workspace = context.Workspace();
        if (!workspace) {
            return context.Fail(workspace.GetError());
        }
        const fs::path file = store::ResolveNoCase(workspace.Value(), store::kInstallationFile);
        if (words[0] == "path") {
            context.Out() << file.string() << "\n";
            return kExitOk;
        }
        if (words[0] == "show") {
            return Show(context, workspace.Value(), json, reveal);
        }
        if (words[0] == "init") {
            return Init(context, workspace.Value(), file);
        }
        return context.UsageError("unknown action '" + words[0] + "'", kUsage);
    }

private:
    static int Show(CommandContext& context, const fs::path& workspace, bool json, bool reveal)
    {
        const store::InstallationConfig config = store::LoadInstallationConfig(workspace);
        const std::vector<store::ConfigEntry> entries = store::ListInstallationConfig(config);
        if (json) {
            JsonWriter writer;
            writer.BeginObject()
                .Key("workspace")
                .String(store::WorkspaceText(workspace))
                .Key("keys")
                .BeginObject();
            for (const store::ConfigEntry& entry : entries) {
                writer.Key(entry.tag).String(Shown(entry, reveal));
            }
            writer.EndObject().Key("notes").BeginArray();
            for (const std::string& note : config.notes) {
                writer.String(note);
            }
            writer.EndArray().EndObject();
            context.Out() << writer.Text() << "\n";
            return kExitOk;
        }
        context.Out() << "Workspace: " << store::WorkspaceText(workspace) << "\n";
        for (const store::ConfigEntry& entry : entries) {
            std::string value = Shown(entry, reveal);
            for (std::size_t pos = 0; (pos = value.find('\n', pos)) != std::string::npos; pos += 3) {
                value.replace(pos, 1, "\n  ");
            }
            context.Out() << entry.tag << ": " << (value.find('\n') != std::string::npos ? "\n  " : "")
                          << value << "\n";
        }
        for (const std::string& note : config.notes) {
            context.Err() << "note: " << note << "\n";
        }
        return kExitOk;
    }

    static int Init(CommandContext& context, const fs::path& workspace, const fs::path& file)
    {
        std::error_code ec;
        if (fs::exists(file, ec)) {
            const std::optional<bool> replace =
                context.GetPrompter().Ask(file.string() + " exists. Replace it with the built-in defaults?");
            if (!replace) {
                context.Err() << "listrider-cli: config init needs an answer to replace " << file.string()
                              << "; run it again with --yes or --no\n";
                return kExitFailure;
            }
            if (!*replace) {
                context.Out() << "Kept " << file.string() << "\n";
                return kExitOk;
            }
        }
        if (store::Result<void> saved =
                store::SaveInstallationConfig(workspace, store::DefaultInstallationConfig());
            !saved) {
            return context.Fail(saved.GetError());
        }
        context.Out() << "Wrote " << file.string() << "\n";
        return kExitOk;
    }
};

} // namespace

std::unique_ptr<Command> MakeConfigCommand()
{
    return std::make_unique<ConfigCommand>();
}

} // namespace listrider::cli
