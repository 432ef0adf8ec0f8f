// company: lists, creates, deletes and imports the companies of the workspace.
#include <ostream>

#include "catalogue/company_list.h"
#include "catalogue/pad_import.h"
#include "cli/arguments.h"
#include "cli/catalogue_session.h"
#include "cli/commands/commands.h"
#include "cli/exit_codes.h"
#include "cli/json_writer.h"

namespace listrider::cli {
namespace {

constexpr std::string_view kUsage =
    "Usage: listrider-cli company list [--json]\n"
    "       listrider-cli company new NAME\n"
    "       listrider-cli company delete NAME\n"
    "       listrider-cli company import-pad FILE\n"
    "\n"
    "list         prints the companies in list order\n"
    "new          creates a company with only its name\n"
    "delete       asks, then deletes the company's Company.dat (its products stay on disk)\n"
    "import-pad   creates a company for every company name of a PAD file\n";

class CompanyCommand final : public Command
{
public:
    std::string_view Name() const override { return "company"; }

    std::string_view Summary() const override { return "list, create, delete or import companies"; }

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
            return context.UsageError("company needs an action", kUsage);
        }
        const std::string& action = words[0];
        const std::size_t wanted = action == "list" ? 1 : 2;
        if (action != "list" && action != "new" && action != "delete" && action != "import-pad") {
            return context.UsageError("unknown action '" + action + "'", kUsage);
        }
        if (words.size() != wanted) {
            return context.UsageError(
                words.size() < wanted ? action + " needs an argument" : "too many arguments", kUsage);
        }
        store::Result<std::unique_ptr<CatalogueSession>> opened = CatalogueSession::Open(context);
        if (!opened) {
            return context.Fail(opened.GetError());
        }
        CatalogueSession& session = *opened.Value();
        if (action == "list") {
            return List(context, session, json);
        }
        if (action == "new") {
            return New(context, session, words[1]);
        }
        if (action == "delete") {
            return Delete(context, session, words[1]);
        }
        return Import(context, session, words[1]);
    }

private:
    static int List(CommandContext& context, CatalogueSession& session, bool json)
    {
        const std::vector<catalogue::CompanyEntry> companies = catalogue::ListCompanies(session.Context());
        if (json) {
            JsonWriter writer;
            writer.BeginArray();
            for (const catalogue::CompanyEntry& company : companies) {
                writer.BeginObject()
                    .Key("name")
                    .String(session.ToUtf8(company.name))
                    .Key("folder")
                    .String(company.folder.string())
                    .EndObject();
            }
            writer.EndArray();
            context.Out() << writer.Text() << "\n";
            return kExitOk;
        }
        for (const catalogue::CompanyEntry& company : companies) {
            context.Out() << session.ToUtf8(company.name) << "\n";
        }
        return kExitOk;
    }

    static int New(CommandContext& context, CatalogueSession& session, const std::string& name)
    {
        store::Result<catalogue::CompanyEntry> created =
            catalogue::NewCompany(session.Context(), session.ToStore(name));
        if (!created) {
            return FailInCodePage(context, session, created.GetError());
        }
        context.Out() << "Created company " << session.ToUtf8(created.Value().name) << "\n";
        return kExitOk;
    }

    static int Delete(CommandContext& context, CatalogueSession& session, const std::string& name)
    {
        store::Result<catalogue::CompanyEntry> company = session.FindCompany(name);
        if (!company) {
            return context.Fail(company.GetError());
        }
        store::Result<bool> deleted = catalogue::DeleteCompany(company.Value(), session.GetPrompter());
        if (!deleted) {
            return FailInCodePage(context, session, deleted.GetError());
        }
        context.Out() << (deleted.Value() ? "Deleted company " : "Kept company ")
                      << session.ToUtf8(company.Value().name) << "\n";
        return kExitOk;
    }

    static int Import(CommandContext& context, CatalogueSession& session, const std::string& file)
    {
        store::Result<std::vector<catalogue::CompanyEntry>> created =
            catalogue::ImportPadCompanies(session.Context(), file);
        if (!created) {
            return FailInCodePage(context, session, created.GetError());
        }
        for (const catalogue::CompanyEntry& company : created.Value()) {
            context.Out() << "Created company " << session.ToUtf8(company.name) << "\n";
        }
        return kExitOk;
    }
};

} // namespace

std::unique_ptr<Command> MakeCompanyCommand()
{
    return std::make_unique<CompanyCommand>();
}

} // namespace listrider::cli
