// sites: the "Sites" page: the site list for a product, its filter and column set, a site's
// category, and the "Back link" page's codes.
#include "cli/arguments.h"
#include "cli/commands/commands.h"
#include "cli/commands/sites_actions.h"
#include "cli/exit_codes.h"

namespace listrider::cli {
namespace {

constexpr std::string_view kUsage =
    "Usage: listrider-cli sites list --company C --product P [--json] [--reveal]\n"
    "       listrider-cli sites filter show [--json]\n"
    "       listrider-cli sites filter set FLAG on|off | language LIST | date DD-MM-YYYY ...\n"
    "       listrider-cli sites columns show [--json]\n"
    "       listrider-cli sites columns check|uncheck|up|down|top|bottom CAPTION\n"
    "       listrider-cli sites columns width CAPTION PIXELS\n"
    "       listrider-cli sites category SITE [VALUE | --find TEXT | --keywords \"WORDS\"]\n"
    "                                    --company C --product P [--json]\n"
    "       listrider-cli sites backlinks [SITE]\n"
    "\n"
    "list       the \"Sites\" page for the product: the product's fast category applied, then each\n"
    "           row with its check box, its mark (0 = ready) and the mark's legend, the visible\n"
    "           columns, and the counters \"Showing Sites:\", \"Total Sites:\", \"Submitted to:\",\n"
    "           \"Listed at:\"; passwords show as asterisks without --reveal\n"
    "filter     the \"Site's Filter\" dialog (filter.ini): each FLAG is a tag of filter.ini (Shareware,\n"
    "           Freeware, Games, Submitted, Not_Submitted, Latest_Listed, Latest_Submitted,\n"
    "           Older_Listed, Not_Listed, Affiliate, RegNow_Aff, ShareIt_Aff, RegSoft_Aff,\n"
    "           eSellerate_Aff, PAD, Req_auth, Not_Req_Auth, Submitted_Before); a flag that is on shows\n"
    "           its sites, except Submitted_Before, which hides the sites submitted after the date;\n"
    "           LIST is ALL or languages of the site database separated by commas\n"
    "columns    the Columns Editor (columns.ini): show or hide a column, move it one place up or\n"
    "           down, to the top (second, after \"Site Name\") or bottom, or store its width\n"
    "category   the Site Properties dialog: without more, the site's categories with the chosen one;\n"
    "           VALUE chooses a category (\"-\" clears it), --find the first category containing\n"
    "           TEXT, --keywords the category containing most of the words; the product is saved\n"
    "backlinks  the back-link code of the site, or of every site that demands a back link\n";

class SitesCommand final : public Command
{
public:
    std::string_view Name() const override { return "sites"; }

    std::string_view Summary() const override
    {
        return "the site list for a product: marks, filter, columns, categories, back links";
    }

    std::string_view Usage() const override { return kUsage; }

    int Run(std::span<const std::string> args, CommandContext& context) override
    {
        Arguments arguments(args);
        const bool json = arguments.Flag("json");
        const bool reveal = arguments.Flag("reveal");
        std::optional<std::string> company = arguments.Option("company");
        std::optional<std::string> product = arguments.Option("product");
        std::optional<std::string> find = arguments.Option("find");
        std::optional<std::string> keywords = arguments.Option("keywords");
        const std::vector<std::string> words = arguments.Positionals();
        if (std::string problem = arguments.Finish(); !problem.empty()) {
            return context.UsageError(problem, kUsage);
        }
        if (words.empty()) {
            return context.UsageError("sites needs an action", kUsage);
        }
        const std::string& verb = words[0];
        using Runner = int (*)(const SitesAction&, CommandContext&, CatalogueSession&);
        Runner runner = nullptr;
        if (verb == "list") {
            runner = RunSitesList;
        } else if (verb == "filter") {
            runner = RunSitesFilter;
        } else if (verb == "columns") {
            runner = RunSitesColumns;
        } else if (verb == "category") {
            runner = RunSitesCategory;
        } else if (verb == "backlinks") {
            runner = RunSitesBacklinks;
        } else {
            return context.UsageError("unknown action '" + verb + "'", kUsage);
        }
        if (reveal && verb != "list") {
            return context.UsageError("--reveal belongs to sites list", kUsage);
        }
        if ((find || keywords) && verb != "category") {
            return context.UsageError("--find and --keywords belong to sites category", kUsage);
        }
        const bool productAction = verb == "list" || verb == "category";
        if (productAction && (!company || !product)) {
            return context.UsageError("sites " + verb + " needs --company and --product", kUsage);
        }
        if (!productAction && (company || product)) {
            return context.UsageError("sites " + verb + " takes no product", kUsage);
        }
        store::Result<std::unique_ptr<CatalogueSession>> opened = CatalogueSession::Open(context);
        if (!opened) {
            return context.Fail(opened.GetError());
        }
        const SitesAction action{std::span(words).subspan(1),
                                 json,
                                 std::move(company),
                                 std::move(product),
                                 std::move(find),
                                 std::move(keywords),
                                 reveal};
        const int code = runner(action, context, *opened.Value());
        if (code == kExitUsage) {
            context.Err() << kUsage;
        }
        return code;
    }
};

} // namespace

std::optional<int> OpenActionProduct(const SitesAction& action,
                                     CommandContext& context,
                                     CatalogueSession& session,
                                     catalogue::ProductEditor& editor)
{
    if (!action.company || !action.product) {
        return context.Fail(store::MakeError(store::ErrorKind::Usage, "needs --company and --product"));
    }
    if (store::Result<void> open = session.OpenProduct(editor, *action.company, *action.product); !open) {
        return FailInCodePage(context, session, open.GetError());
    }
    return std::nullopt;
}

std::unique_ptr<Command> MakeSitesCommand()
{
    return std::make_unique<SitesCommand>();
}

} // namespace listrider::cli
