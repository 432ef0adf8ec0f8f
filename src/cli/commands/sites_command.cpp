// sites: the "Sites" page: its filter and column set.
#include "cli/arguments.h"
#include "cli/commands/commands.h"
#include "cli/commands/sites_actions.h"
#include "cli/exit_codes.h"

namespace listrider::cli {
namespace {

constexpr std::string_view kUsage =
    "Usage: listrider-cli sites filter show [--json]\n"
    "       listrider-cli sites filter set FLAG on|off | language LIST | date DD-MM-YYYY ...\n"
    "       listrider-cli sites columns show [--json]\n"
    "       listrider-cli sites columns check|uncheck|up|down|top|bottom CAPTION\n"
    "       listrider-cli sites columns width CAPTION PIXELS\n"
    "\n"
    "filter   the \"Site's Filter\" dialog (filter.ini): each FLAG is a tag of filter.ini (Shareware,\n"
    "         Freeware, Games, Submitted, Not_Submitted, Latest_Listed, Latest_Submitted,\n"
    "         Older_Listed, Not_Listed, Affiliate, RegNow_Aff, ShareIt_Aff, RegSoft_Aff,\n"
    "         eSellerate_Aff, PAD, Req_auth, Not_Req_Auth, Submitted_Before); a flag that is on shows\n"
    "         its sites, except Submitted_Before, which hides the sites submitted after the date;\n"
    "         LIST is ALL or languages of the site database separated by commas\n"
    "columns  the Columns Editor (columns.ini): show or hide a column, move it one place up or down,\n"
    "         to the top (second, after \"Site Name\") or bottom, or store its width\n";

class SitesCommand final : public Command
{
public:
    std::string_view Name() const override { return "sites"; }

    std::string_view Summary() const override { return "the site list: its filter and columns"; }

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
            return context.UsageError("sites needs an action", kUsage);
        }
        const std::string& verb = words[0];
        if (verb != "filter" && verb != "columns") {
            return context.UsageError("unknown action '" + verb + "'", kUsage);
        }
        store::Result<std::unique_ptr<CatalogueSession>> opened = CatalogueSession::Open(context);
        if (!opened) {
            return context.Fail(opened.GetError());
        }
        const SitesAction action{std::span(words).subspan(1), json};
        const int code = verb == "filter" ? RunSitesFilter(action, context, *opened.Value())
                                          : RunSitesColumns(action, context, *opened.Value());
        if (code == kExitUsage) {
            context.Err() << kUsage;
        }
        return code;
    }
};

} // namespace

std::unique_ptr<Command> MakeSitesCommand()
{
    return std::make_unique<SitesCommand>();
}

} // namespace listrider::cli
