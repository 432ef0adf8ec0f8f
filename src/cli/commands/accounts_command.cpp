// accounts: the site accounts of a product.
#include <ostream>

#include "catalogue/data_set.h"
#include "cli/arguments.h"
#include "cli/catalogue_session.h"
#include "cli/commands/commands.h"
#include "cli/exit_codes.h"
#include "cli/json_writer.h"

namespace listrider::cli {
namespace {

constexpr std::string_view kUsage =
    "Usage: listrider-cli accounts list --company C --product P [--json]\n"
    "       listrider-cli accounts set --company C --product P SITE LOGIN PASSWORD\n"
    "       listrider-cli accounts set --company C --product P [--default-login L]\n"
    "                                  [--default-email-login E] [--default-password W]\n"
    "       listrider-cli accounts clear --company C --product P\n"
    "\n"
    "list    prints the defaults and one row per site of the site database that needs an account\n"
    "set     stores a site's login and password, or the defaults, and saves the product\n"
    "clear   asks, empties every site's login and password, and saves the product\n";

class AccountsCommand final : public Command
{
public:
    std::string_view Name() const override { return "accounts"; }

    std::string_view Summary() const override { return "list or edit the site accounts of a product"; }

    std::string_view Usage() const override { return kUsage; }

    int Run(std::span<const std::string> args, CommandContext& context) override
    {
        Arguments arguments(args);
        const std::optional<std::string> company = arguments.Option("company");
        const std::optional<std::string> product = arguments.Option("product");
        const std::optional<std::string> defaultLogin = arguments.Option("default-login");
        const std::optional<std::string> defaultEmailLogin = arguments.Option("default-email-login");
        const std::optional<std::string> defaultPassword = arguments.Option("default-password");
        const bool json = arguments.Flag("json");
        const std::vector<std::string> words = arguments.Positionals();
        if (std::string problem = arguments.Finish(); !problem.empty()) {
            return context.UsageError(problem, kUsage);
        }
        if (words.empty()) {
            return context.UsageError("accounts needs an action", kUsage);
        }
        const std::string& action = words[0];
        const bool defaults = defaultLogin || defaultEmailLogin || defaultPassword;
        std::size_t wanted = 1;
        if (action == "set") {
            wanted = defaults ? 1 : 4;
        } else if (action != "list" && action != "clear") {
            return context.UsageError("unknown action '" + action + "'", kUsage);
        }
        if (words.size() != wanted) {
            return context.UsageError(words.size() < wanted ? "set needs SITE LOGIN PASSWORD or a default"
                                                            : "too many arguments",
                                      kUsage);
        }
        if (!company || !product) {
            return context.UsageError("accounts needs --company and --product", kUsage);
        }
        store::Result<std::unique_ptr<CatalogueSession>> opened = CatalogueSession::Open(context);
        if (!opened) {
            return context.Fail(opened.GetError());
        }
        CatalogueSession& session = *opened.Value();
        catalogue::ProductEditor editor = session.NewEditor();
        if (store::Result<void> open = session.OpenProduct(editor, *company, *product); !open) {
            return context.Fail(open.GetError());
        }
        catalogue::AccountsList& accounts = editor.accounts;
        if (action == "list") {
            return List(context, session, accounts, json);
        }
        if (action == "clear") {
            const std::optional<bool> answer =
                session.GetPrompter().Ask("Are you sure you want to clear all passwords?");
            if (!answer) {
                return context.Fail(store::MakeError(
                    store::ErrorKind::Cancelled,
                    "Clearing the passwords needs an answer; run it again with --yes or --no"));
            }
            if (!*answer) {
                return kExitOk;
            }
            catalogue::ClearPasswords(accounts);
        } else if (defaults) {
            if (defaultLogin) {
                accounts.defaults.login = session.ToStore(*defaultLogin);
            }
            if (defaultEmailLogin) {
                accounts.defaults.emailLogin = session.ToStore(*defaultEmailLogin);
            }
            if (defaultPassword) {
                accounts.defaults.password = session.ToStore(*defaultPassword);
            }
        } else if (!catalogue::SetAccount(accounts,
                                          session.ToStore(words[1]),
                                          session.ToStore(words[2]),
                                          session.ToStore(words[3]))) {
            return context.Fail(store::MakeError(store::ErrorKind::NotFound,
                                                 "No site named \"" + words[1] + "\" needs an account"));
        }
        if (store::Result<void> saved = catalogue::SaveProduct(editor, session.Context()); !saved) {
            return FailInCodePage(context, session, saved.GetError());
        }
        return kExitOk;
    }

private:
    static int List(CommandContext& context,
                    const CatalogueSession& session,
                    const catalogue::AccountsList& accounts,
                    bool json)
    {
        const catalogue::AccountDefaults& defaults = accounts.defaults;
        if (json) {
            JsonWriter writer;
            writer.BeginObject()
                .Key("defaultLogin")
                .String(session.ToUtf8(defaults.login))
                .Key("defaultEmailLogin")
                .String(session.ToUtf8(defaults.emailLogin))
                .Key("defaultPassword")
                .String(session.ToUtf8(defaults.password))
                .Key("sites")
                .BeginArray();
            for (const catalogue::AccountRow& row : accounts.rows) {
                writer.BeginObject()
                    .Key("site")
                    .String(session.ToUtf8(row.siteName))
                    .Key("login")
                    .String(session.ToUtf8(row.login))
                    .Key("password")
                    .String(session.ToUtf8(row.password))
                    .Key("loginIs")
                    .String(row.loginIs)
                    .Key("requested")
                    .String(session.ToUtf8(row.requested))
                    .Key("unique")
                    .String(row.unique)
                    .EndObject();
            }
            writer.EndArray().EndObject();
            context.Out() << writer.Text() << "\n";
            return kExitOk;
        }
        context.Out() << "Default login: " << session.ToUtf8(defaults.login) << "\n"
                      << "Default E-mail login: " << session.ToUtf8(defaults.emailLogin) << "\n"
                      << "Default password: " << session.ToUtf8(defaults.password) << "\n";
        context.Out() << "Site Name\tLogin\tPassword\tLogin is\tRequested\tUnique\n";
        for (const catalogue::AccountRow& row : accounts.rows) {
            context.Out() << session.ToUtf8(row.siteName) << "\t" << session.ToUtf8(row.login) << "\t"
                          << session.ToUtf8(row.password) << "\t" << row.loginIs << "\t"
                          << session.ToUtf8(row.requested) << "\t" << row.unique << "\n";
        }
        return kExitOk;
    }
};

} // namespace

std::unique_ptr<Command> MakeAccountsCommand()
{
    return std::make_unique<AccountsCommand>();
}

} // namespace listrider::cli
