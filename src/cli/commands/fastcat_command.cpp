// fastcat: the fast categories of the site database.
#include <ostream>

#include "cli/arguments.h"
#include "cli/catalogue_session.h"
#include "cli/commands/commands.h"
#include "cli/exit_codes.h"
#include "cli/json_writer.h"
#include "sites/fast_categories.h"

namespace listrider::cli {
namespace {

constexpr std::string_view kUsage =
    "Usage: listrider-cli fastcat list [--json]\n"
    "\n"
    "list    prints the fast categories as the \"Category\" page's tree shows them\n";

void WriteNodes(JsonWriter& writer,
                const CatalogueSession& session,
                const std::vector<sites::FastCategoryNode>& nodes)
{
    writer.BeginArray();
    for (const sites::FastCategoryNode& node : nodes) {
        writer.BeginObject().Key("text").String(session.ToUtf8(node.text)).Key("children");
        WriteNodes(writer, session, node.children);
        writer.EndObject();
    }
    writer.EndArray();
}

void PrintNodes(std::ostream& out,
                const CatalogueSession& session,
                const std::vector<sites::FastCategoryNode>& nodes,
                std::size_t depth)
{
    for (const sites::FastCategoryNode& node : nodes) {
        out << std::string(2 * depth, ' ') << session.ToUtf8(node.text) << "\n";
        PrintNodes(out, session, node.children, depth + 1);
    }
}

class FastcatCommand final : public Command
{
public:
    std::string_view Name() const override { return "fastcat"; }

    std::string_view Summary() const override { return "list the fast categories"; }

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
            return context.UsageError("fastcat needs an action", kUsage);
        }
        if (words[0] != "list") {
            return context.UsageError("unknown action '" + words[0] + "'", kUsage);
        }
        if (words.size() != 1) {
            return context.UsageError("too many arguments", kUsage);
        }
        store::Result<std::unique_ptr<CatalogueSession>> opened = CatalogueSession::Open(context);
        if (!opened) {
            return context.Fail(opened.GetError());
        }
        CatalogueSession& session = *opened.Value();
        sites::FastCategories fastCategories;
        fastCategories.LoadFastCats(session.Context().workspace);
        if (json) {
            JsonWriter writer;
            writer.BeginObject().Key("entries").BeginArray();
            for (const std::string& entry : fastCategories.Entries()) {
                writer.String(session.ToUtf8(entry));
            }
            writer.EndArray().Key("tree");
            WriteNodes(writer, session, fastCategories.Tree());
            writer.EndObject();
            context.Out() << writer.Text() << "\n";
            return kExitOk;
        }
        PrintNodes(context.Out(), session, fastCategories.Tree(), 0);
        return kExitOk;
    }
};

} // namespace

std::unique_ptr<Command> MakeFastcatCommand()
{
    return std::make_unique<FastcatCommand>();
}

} // namespace listrider::cli
