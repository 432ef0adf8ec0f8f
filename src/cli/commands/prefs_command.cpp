// prefs: shows and changes the preferences of a workspace (Prefs.ini).
#include <ostream>

#include "cli/arguments.h"
#include "cli/commands/commands.h"
#include "cli/exit_codes.h"
#include "cli/json_writer.h"
#include "store/file_system.h"
#include "store/installation_config.h"
#include "store/prefs.h"

namespace listrider::cli {
namespace {

namespace fs = std::filesystem;

constexpr std::string_view kUsage =
    "Usage: listrider-cli prefs show [--json] [--reveal]\n"
    "       listrider-cli prefs set TAG VALUE\n"
    "       listrider-cli prefs detect-proxy\n"
    "       listrider-cli prefs path\n"
    "\n"
    "show          prints every setting of Prefs.ini over the defaults (passwords masked unless\n"
    "              --reveal is given) and the blacklisted sites\n"
    "set           changes one setting and writes Prefs.ini; flags take Y or N, HTTP_Expire a\n"
    "              number of seconds from 1 to 999\n"
    "detect-proxy  fills the HTTP and FTP proxy host and port from the system's proxy settings\n"
    "              (the installation's Proxy_Server, else http_proxy/ftp_proxy) and writes Prefs.ini\n"
    "path          prints the path of Prefs.ini\n";

class PrefsCommand final : public Command
{
public:
    std::string_view Name() const override { return "prefs"; }

    std::string_view Summary() const override { return "show or change the preferences"; }

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
        if (words.empty()) {
            return context.UsageError("prefs needs an action", kUsage);
        }
        const std::size_t expected = words[0] == "set" ? 3 : 1;
        if (words.size() != expected) {
            return context.UsageError(words.size() < expected ? "missing arguments" : "too many arguments",
                                      kUsage);
        }
        store::Result<fs::path> workspace = context.Workspace();
        if (!workspace) {
            return context.Fail(workspace.GetError());
        }
        if (words[0] == "path") {
            context.Out() << store::ResolveNoCase(workspace.Value(), store::kPrefsFile).string() << "\n";
            return kExitOk;
        }
        store::Prefs prefs = store::LoadINI(workspace.Value()).prefs;
        if (words[0] == "show") {
            Show(context, prefs, json, reveal);
            return kExitOk;
        }
        if (words[0] == "set") {
            if (store::Result<void> set = store::SetPref(prefs, words[1], words[2]); !set) {
                return context.Fail(set.GetError());
            }
            return Save(context, workspace.Value(), prefs);
        }
        if (words[0] == "detect-proxy") {
            const std::string setting = store::LoadInstallationConfig(workspace.Value()).proxyServer;
            const bool http = store::DetectHttpProxy(setting, prefs);
            const bool ftp = store::DetectFtpProxy(setting, prefs);
            context.Out() << "HTTP proxy: "
                          << (http ? prefs.proxyServer + ":" + prefs.proxyPort : std::string("not detected"))
                          << "\nFTP proxy: "
                          << (ftp ? prefs.ftpProxyServer + ":" + prefs.ftpProxyPort
                                  : std::string("not detected"))
                          << "\n";
            return Save(context, workspace.Value(), prefs);
        }
        return context.UsageError("unknown action '" + words[0] + "'", kUsage);
    }

private:
    static std::string Shown(const store::PrefEntry& entry, bool reveal)
    {
        return entry.secret && !reveal && !entry.value.empty() ? "********" : entry.value;
    }

    static void Show(CommandContext& context, const store::Prefs& prefs, bool json, bool reveal)
    {
        const std::vector<store::PrefEntry> entries = store::ListPrefs(prefs);
        if (json) {
            JsonWriter writer;
            writer.BeginObject().Key("prefs").BeginObject();
            for (const store::PrefEntry& entry : entries) {
                writer.Key(entry.tag).String(Shown(entry, reveal));
            }
            writer.EndObject().Key("blacklist").BeginArray();
            for (const std::string& site : prefs.blacklist) {
                writer.String(site);
            }
            writer.EndArray().EndObject();
            context.Out() << writer.Text() << "\n";
            return;
        }
        for (const store::PrefEntry& entry : entries) {
            context.Out() << entry.tag << ": " << Shown(entry, reveal) << "\n";
        }
        context.Out() << "Blacklisted sites: " << prefs.blacklist.size() << "\n";
        for (const std::string& site : prefs.blacklist) {
            context.Out() << "  " << site << "\n";
        }
    }

    static int Save(CommandContext& context, const fs::path& workspace, const store::Prefs& prefs)
    {
        if (store::Result<void> saved = store::SaveINI(workspace, prefs); !saved) {
            return context.Fail(saved.GetError());
        }
        context.Out() << "Wrote " << store::ResolveNoCase(workspace, store::kPrefsFile).string() << "\n";
        return kExitOk;
    }
};

} // namespace

std::unique_ptr<Command> MakePrefsCommand()
{
    return std::make_unique<PrefsCommand>();
}

} // namespace listrider::cli
