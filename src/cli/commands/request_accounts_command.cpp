// request-accounts: the accounts page's "Retrieve passwords": the lost-account forms of the
// chosen sites filled with every address and login the author may have used.
#include <algorithm>
#include <ostream>
#include <thread>

#include "catalogue/data_set.h"
#include "catalogue/value_set.h"
#include "cli/arguments.h"
#include "cli/catalogue_session.h"
#include "cli/commands/commands.h"
#include "cli/console_companion_views.h"
#include "cli/exit_codes.h"
#include "cli/run_keys.h"
#include "companions/account_requester.h"

namespace listrider::cli {
namespace {

constexpr std::string_view kUsage =
    "Usage: listrider-cli request-accounts --company C --product P --sites NAME[,NAME...]\n"
    "\n"
    "Asks the named sites to mail the author's lost account information: each site's request\n"
    "form is sent with every e-mail address of the company and the accounts list (and, where the\n"
    "form asks for one, every login). Only sites that offer such a form can be named. A site that\n"
    "accepted a request gets today's date in the \"Requested\" column of the accounts list. The\n"
    "answers are kept in Request/ of the workspace.\n"
    "\n"
    "Ctrl-C stops the run after the request in progress.\n";

class RequestAccountsCommand final : public Command
{
public:
    std::string_view Name() const override { return "request-accounts"; }

    std::string_view Summary() const override { return "ask sites to mail lost account information"; }

    std::string_view Usage() const override { return kUsage; }

    int Run(std::span<const std::string> args, CommandContext& context) override
    {
        Arguments arguments(args);
        const std::optional<std::string> sitesOption = arguments.Option("sites");
        OpenedProduct opened;
        if (const int code = OpenProductSession(context, arguments, "request-accounts", kUsage, opened);
            code != kExitOk) {
            return code;
        }
        if (!sitesOption) {
            return context.UsageError("request-accounts needs --sites", kUsage);
        }
        CatalogueSession& session = *opened.session;
        engine::Session& workspace = session.Workspace();
        catalogue::ProductEditor& editor = opened.editor;
        std::vector<std::string> checked;
        for (const std::string& utf8 : SplitNames(*sitesOption)) {
            const std::string site = session.ToStore(utf8);
            if (editor.accounts.FindExact(site) == nullptr ||
                companions::RequestableSites(workspace.Sites(), {site}).empty()) {
                return context.Fail(store::MakeError(store::ErrorKind::NotFound,
                                                     "\"" + utf8 +
                                                         "\" is no site of the accounts list that can send "
                                                         "lost account information"));
            }
            checked.push_back(site);
        }

        companions::RequesterInputs inputs;
        inputs.workspace = workspace.Workspace();
        inputs.scratchDir = workspace.Scratch().Path();
        inputs.table = &workspace.Sites();
        inputs.packages = &workspace.Packages();
        inputs.accounts = &editor.accounts;
        inputs.saveAccounts = [&editor, &session] {
            return catalogue::SaveProduct(editor, session.Context());
        };
        inputs.values = catalogue::GetValues(editor.product, session.Context());
        inputs.sites = checked;
        inputs.prefs = workspace.Prefs();
        inputs.config = workspace.Config();
        inputs.today = store::Today();

        ConsoleRequesterView view(context.Out(), session.CodePage());
        engine::RunControl control;
        companions::RequesterOutcome outcome;
        {
            RunKeys keys(control, false, false);
            companions::TRequester requester(inputs, view, control);
            std::thread worker([&] { outcome = requester.Execute(); });
            worker.join();
        }
        if (store::Result<void> saved = catalogue::SaveProduct(editor, session.Context()); !saved) {
            return FailInCodePage(context, session, saved.GetError());
        }
        std::string message = outcome.message;
        std::replace(message.begin(), message.end(), '\r', '\n');
        (outcome.stopped ? context.Err() : context.Out()) << message << "\n";
        return outcome.stopped ? kExitFailure : kExitOk;
    }
};

} // namespace

std::unique_ptr<Command> MakeRequestAccountsCommand()
{
    return std::make_unique<RequestAccountsCommand>();
}

} // namespace listrider::cli
