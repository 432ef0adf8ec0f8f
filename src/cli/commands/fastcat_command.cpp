// fastcat: the fast categories of the site database.
#include <ostream>

#include "catalogue/data_set.h"
#include "catalogue/product_category.h"
#include "cli/arguments.h"
#include "cli/catalogue_session.h"
#include "cli/commands/commands.h"
#include "cli/exit_codes.h"
#include "cli/json_writer.h"
#include "sites/fast_categories.h"
#include "sites/sites_page.h"
#include "store/ascii.h"

namespace listrider::cli {
namespace {

constexpr std::string_view kUsage =
    "Usage: listrider-cli fastcat list [--json]\n"
    "       listrider-cli fastcat apply NAME|none --company C --product P [--json]\n"
    "\n"
    "list    prints the fast categories as the \"Category\" page's tree shows them\n"
    "apply   chooses the product's fast category as the \"Sites\" page's list does: every site it\n"
    "        names takes its category (corrected by the product's operating systems), the sites\n"
    "        it leaves out get mark 1; prints the categories of the sites with categories of their\n"
    "        own and saves the product; 'none' chooses no fast category\n";

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

    std::string_view Summary() const override
    {
        return "list the fast categories or choose one for a product";
    }

    std::string_view Usage() const override { return kUsage; }

    int Run(std::span<const std::string> args, CommandContext& context) override
    {
        Arguments arguments(args);
        const bool json = arguments.Flag("json");
        const std::optional<std::string> company = arguments.Option("company");
        const std::optional<std::string> product = arguments.Option("product");
        const std::vector<std::string> words = arguments.Positionals();
        if (std::string problem = arguments.Finish(); !problem.empty()) {
            return context.UsageError(problem, kUsage);
        }
        if (words.empty()) {
            return context.UsageError("fastcat needs an action", kUsage);
        }
        const std::string& verb = words[0];
        if (verb != "list" && verb != "apply") {
            return context.UsageError("unknown action '" + verb + "'", kUsage);
        }
        if (verb == "list" && words.size() != 1) {
            return context.UsageError("too many arguments", kUsage);
        }
        if (verb == "apply" && words.size() != 2) {
            return context.UsageError("fastcat apply needs one NAME", kUsage);
        }
        if (verb == "apply" ? (!company || !product) : (company || product)) {
            return context.UsageError(verb == "apply" ? "fastcat apply needs --company and --product"
                                                      : "fastcat list takes no product",
                                      kUsage);
        }
        store::Result<std::unique_ptr<CatalogueSession>> opened = CatalogueSession::Open(context);
        if (!opened) {
            return context.Fail(opened.GetError());
        }
        CatalogueSession& session = *opened.Value();
        const sites::FastCategories& fastCategories = session.Workspace().Page().fastCategories;
        if (verb == "apply") {
            return Apply(context, session, words[1], *company, *product, json);
        }
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

private:
    // The drop-down entry a name stands for: the entry itself (exactly, else ignoring ASCII
    // case), or the first entry for "none".
    static std::optional<std::string> FindEntry(const sites::FastCategories& fastCategories,
                                                const std::string& name)
    {
        if (name == catalogue::kNoFastCategory || sites::IsNoFastCategory(name)) {
            return std::string(sites::kNoFastCategoryEntry);
        }
        const std::vector<std::string>& entries = fastCategories.Entries();
        for (const bool caseless : {false, true}) {
            for (const std::string& entry : entries) {
                if (caseless ? store::EqualsNoCase(entry, name) : entry == name) {
                    return entry;
                }
            }
        }
        return std::nullopt;
    }

    static int Apply(CommandContext& context,
                     CatalogueSession& session,
                     const std::string& utf8Name,
                     const std::string& company,
                     const std::string& product,
                     bool json)
    {
        engine::Session& workspace = session.Workspace();
        sites::SitesPage& page = workspace.Page();
        const std::optional<std::string> entry = FindEntry(page.fastCategories, session.ToStore(utf8Name));
        if (!entry) {
            return context.Fail(
                store::MakeError(store::ErrorKind::NotFound, "No fast category \"" + utf8Name + "\""));
        }
        catalogue::ProductEditor editor = session.NewEditor();
        if (store::Result<void> open = session.OpenProduct(editor, company, product); !open) {
            return FailInCodePage(context, session, open.GetError());
        }
        // The drop-down list is on the "Sites" page, which shows the product's choice first.
        workspace.ShowSitesPage(editor);
        sites::ChooseFastCategory(page, workspace.PageContext(editor), *entry);
        editor.modified = true;
        if (store::Result<void> saved = catalogue::SaveProduct(editor, session.Context()); !saved) {
            return FailInCodePage(context, session, saved.GetError());
        }
        const std::vector<std::string>& exclusions = page.fastCategories.Exclusions();
        if (json) {
            JsonWriter writer;
            writer.BeginObject()
                .Key("fastCategory")
                .String(session.ToUtf8(editor.product.category.fastCategory))
                .Key("categories")
                .BeginObject();
            for (const sites::SitesR& site : workspace.Sites().sites) {
                if (site.HasCategories) {
                    writer.Key(session.ToUtf8(site.Name)).String(session.ToUtf8(site.Category));
                }
            }
            writer.EndObject().Key("leftOut").BeginArray();
            for (const std::string& site : exclusions) {
                writer.String(session.ToUtf8(site));
            }
            writer.EndArray().EndObject();
            context.Out() << writer.Text() << "\n";
            return kExitOk;
        }
        context.Out() << "Fast category: " << session.ToUtf8(editor.product.category.fastCategory) << "\n";
        for (const sites::SitesR& site : workspace.Sites().sites) {
            if (site.HasCategories) {
                context.Out() << session.ToUtf8(site.Name) << "\t" << session.ToUtf8(site.Category) << "\n";
            }
        }
        for (const std::string& site : exclusions) {
            context.Out() << session.ToUtf8(site) << "\t("
                          << sites::MarkText(sites::marks::kNotInFastCategory) << ")\n";
        }
        return kExitOk;
    }
};

} // namespace

std::unique_ptr<Command> MakeFastcatCommand()
{
    return std::make_unique<FastcatCommand>();
}

} // namespace listrider::cli
