// blacklist: the sites the site list never shows.
#include <ostream>

#include "cli/arguments.h"
#include "cli/catalogue_session.h"
#include "cli/commands/commands.h"
#include "cli/exit_codes.h"
#include "cli/json_writer.h"
#include "sites/blacklist.h"
#include "sites/site_index.h"
#include "store/ascii.h"
#include "store/prefs.h"

namespace listrider::cli {
namespace {

constexpr std::string_view kUsage =
    "Usage: listrider-cli blacklist list [--json]\n"
    "       listrider-cli blacklist add SITE...\n"
    "       listrider-cli blacklist remove SITE...\n"
    "\n"
    "list    prints the blacklisted sites (\"The following sites are not being shown in site list.\")\n"
    "add     blacklists sites of the site database (their exact names, else ignoring case)\n"
    "remove  takes sites off the blacklist\n"
    "Both write Prefs.ini and blacklist.ini.\n";

class BlacklistCommand final : public Command
{
public:
    std::string_view Name() const override { return "blacklist"; }

    std::string_view Summary() const override { return "list, add or remove blacklisted sites"; }

    std::string_view Usage() const override { return kUsage; }

    int Run(std::span<const std::string> args, CommandContext& context) override
    {
        Arguments arguments(args);
        const bool json = arguments.Flag("json");
        const std::vector<std::string> words = arguments.Positionals();
        if (std::string problem = arguments.Finish(); !problem.empty()) {
            return context.UsageError(problem, kUsage);
        }
        if (words.empty()) {
            return context.UsageError("blacklist needs an action", kUsage);
        }
        const std::string& action = words[0];
        if (action != "list" && action != "add" && action != "remove") {
            return context.UsageError("unknown action '" + action + "'", kUsage);
        }
        if (action == "list" ? words.size() != 1 : words.size() < 2) {
            return context.UsageError(action == "list" ? "too many arguments" : action + " needs site names",
                                      kUsage);
        }
        store::Result<std::unique_ptr<CatalogueSession>> opened = CatalogueSession::Open(context);
        if (!opened) {
            return context.Fail(opened.GetError());
        }
        CatalogueSession& session = *opened.Value();
        engine::Session& workspace = session.Workspace();
        std::vector<std::string> blacklist = workspace.Prefs().blacklist;
        if (action == "list") {
            return List(context, session, blacklist, json);
        }
        const std::vector<std::string> names(words.begin() + 1, words.end());
        if (action == "add") {
            const sites::SiteTable& table = workspace.Sites();
            for (const std::string& utf8 : names) {
                store::Result<std::string> site = SiteName(session, table, utf8);
                if (!site) {
                    return context.Fail(site.GetError());
                }
                if (!sites::BlacklistSite(blacklist, site.Value())) {
                    context.Out() << session.ToUtf8(site.Value()) << " is blacklisted already\n";
                }
            }
        } else {
            for (const std::string& utf8 : names) {
                const std::string name = session.ToStore(utf8);
                if (sites::RemoveFromBlacklist(blacklist, std::span(&name, 1)) == 0) {
                    return context.Fail(
                        store::MakeError(store::ErrorKind::NotFound, "\"" + utf8 + "\" is not blacklisted"));
                }
            }
        }
        if (store::Result<void> saved = workspace.ChangeBlacklist(blacklist); !saved) {
            return FailInCodePage(context, session, saved.GetError());
        }
        return List(context, session, workspace.Prefs().blacklist, false);
    }

private:
    // The site of the table named by the argument: exactly, else ignoring ASCII case.
    static store::Result<std::string>
    SiteName(const CatalogueSession& session, const sites::SiteTable& table, const std::string& utf8)
    {
        const std::string name = session.ToStore(utf8);
        if (sites::FindDBIndex(table, name) >= 0) {
            return name;
        }
        for (const sites::SitesR& site : table.sites) {
            if (store::EqualsNoCase(site.Name, name)) {
                return site.Name;
            }
        }
        return store::MakeError(store::ErrorKind::NotFound, "No site named \"" + utf8 + "\"");
    }

    static int List(CommandContext& context,
                    const CatalogueSession& session,
                    const std::vector<std::string>& blacklist,
                    bool json)
    {
        if (json) {
            JsonWriter writer;
            writer.BeginArray();
            for (const std::string& site : blacklist) {
                writer.String(session.ToUtf8(site));
            }
            writer.EndArray();
            context.Out() << writer.Text() << "\n";
            return kExitOk;
        }
        context.Out() << "The following sites are not being shown in site list.\n";
        for (const std::string& site : blacklist) {
            context.Out() << "  " << session.ToUtf8(site) << "\n";
        }
        return kExitOk;
    }
};

} // namespace

std::unique_ptr<Command> MakeBlacklistCommand()
{
    return std::make_unique<BlacklistCommand>();
}

} // namespace listrider::cli
