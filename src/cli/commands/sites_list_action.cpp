// sites list, sites category and sites backlinks: the "Sites" page for a product, the Site
// Properties dialog's "Category" page and the "Back link" page's code box.
#include <algorithm>
#include <filesystem>
#include <ostream>

#include "catalogue/data_set.h"
#include "catalogue/product_category.h"
#include "catalogue/product_list.h"
#include "cli/commands/sites_actions.h"
#include "cli/commands/sites_list_output.h"
#include "cli/exit_codes.h"
#include "cli/json_writer.h"
#include "sites/back_links.h"
#include "sites/fast_category_archive.h"
#include "sites/site_properties.h"
#include "sites/site_status.h"
#include "store/ascii.h"

namespace listrider::cli {
namespace {

// The site of the table named by the argument: exactly, else ignoring ASCII case.
store::Result<std::string>
TableSite(const CatalogueSession& session, const sites::SiteTable& table, const std::string& utf8)
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

// A code box text for the terminal: lines end with "\n".
std::string TerminalLines(std::string text)
{
    std::string lines;
    lines.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n') {
            continue;
        }
        lines.push_back(text[i]);
    }
    return lines;
}

void ShowCategories(CommandContext& context,
                    const CatalogueSession& session,
                    const sites::SiteProperties& dialog,
                    const sites::SitesR& site,
                    bool json)
{
    if (json) {
        JsonWriter writer;
        writer.BeginObject()
            .Key("site")
            .String(session.ToUtf8(dialog.site))
            .Key("category")
            .String(session.ToUtf8(site.Category))
            .Key("hasCategories")
            .Bool(dialog.searchEnabled)
            .Key("selected")
            .Number(static_cast<long long>(dialog.selected))
            .Key("categories")
            .BeginArray();
        for (const std::string& item : dialog.categories) {
            writer.String(session.ToUtf8(item));
        }
        writer.EndArray().EndObject();
        context.Out() << writer.Text() << "\n";
        return;
    }
    context.Out() << session.ToUtf8(dialog.site) << "\n" << sites::kSitePropertiesHint << "\n";
    for (std::size_t i = 0; i < dialog.categories.size(); ++i) {
        context.Out() << (static_cast<int>(i) == dialog.selected ? "> " : "  ")
                      << session.ToUtf8(dialog.categories[i]) << "\n";
    }
}

} // namespace

int RunSitesList(const SitesAction& action, CommandContext& context, CatalogueSession& session)
{
    if (!action.words.empty()) {
        return context.Fail(store::MakeError(store::ErrorKind::Usage, "too many arguments"));
    }
    catalogue::ProductEditor editor = session.NewEditor();
    if (std::optional<int> failed = OpenActionProduct(action, context, session, editor)) {
        return *failed;
    }
    engine::Session& workspace = session.Workspace();
    workspace.ShowSitesPage(editor);
    PrintSiteList(context.Out(),
                  session,
                  workspace.Page(),
                  editor.product.category.fastCategory,
                  action.json,
                  action.reveal);
    return kExitOk;
}

int RunSitesCategory(const SitesAction& action, CommandContext& context, CatalogueSession& session)
{
    const std::span<const std::string> words = action.words;
    const int choices = (words.size() > 1 ? 1 : 0) + (action.find ? 1 : 0) + (action.keywords ? 1 : 0);
    if (words.empty() || words.size() > 2 || choices > 1) {
        return context.Fail(store::MakeError(store::ErrorKind::Usage,
                                             "sites category needs SITE and at most one of VALUE, --find "
                                             "TEXT and --keywords WORDS"));
    }
    catalogue::ProductEditor editor = session.NewEditor();
    if (std::optional<int> failed = OpenActionProduct(action, context, session, editor)) {
        return *failed;
    }
    engine::Session& workspace = session.Workspace();
    // The dialog opens from the "Sites" page, which has applied the product's fast category.
    workspace.ShowSitesPage(editor);
    sites::SiteTable& table = workspace.Sites();
    store::Result<std::string> site = TableSite(session, table, words[0]);
    if (!site) {
        return context.Fail(site.GetError());
    }
    sites::SitesPage& page = workspace.Page();
    store::Result<sites::SiteProperties> opened =
        sites::OpenSiteProperties(table, workspace.Packages(), site.Value(), editor, page.properties);
    if (!opened) {
        return FailInCodePage(context, session, opened.GetError());
    }
    sites::SiteProperties& dialog = opened.Value();
    const auto record = [&]() -> const sites::SitesR& {
        return table.sites[static_cast<std::size_t>(sites::FindDBIndex(table, site.Value()))];
    };
    if (choices == 0) {
        ShowCategories(context, session, dialog, record(), action.json);
        return kExitOk;
    }
    if (!dialog.searchEnabled) {
        return context.Fail(store::MakeError(store::ErrorKind::Refused,
                                             words[0] + " has no categories of its own (" +
                                                 std::string(sites::kNotAvailableCategory) + ")"));
    }
    if (words.size() > 1) {
        if (words[1] == "-") {
            sites::ClearCategory(dialog);
        } else if (!sites::SelectCategory(dialog, session.ToStore(words[1]))) {
            return context.Fail(store::MakeError(store::ErrorKind::NotFound,
                                                 "No category \"" + words[1] + "\" at " + words[0]));
        }
    } else {
        // Each search runs from the top of the list, as after "Clear".
        sites::ClearCategory(dialog);
        if (action.find) {
            dialog.padCategory = session.ToStore(*action.find);
            sites::FindPadCategory(dialog);
        } else {
            dialog.keywords = session.ToStore(*action.keywords);
            sites::FindByKeywords(dialog);
        }
        if (dialog.selected <= 0) {
            return context.Fail(store::MakeError(store::ErrorKind::NotFound,
                                                 "No category of " + words[0] + " contains \"" +
                                                     (action.find ? *action.find : *action.keywords) + "\""));
        }
    }
    sites::AcceptSiteProperties(dialog, table, page.list, editor, page.properties);
    const std::filesystem::path status =
        catalogue::ProductFolder(*editor.company, editor.productName, session.CodePage()) /
        sites::kSiteStatusFile;
    std::error_code ec;
    const bool statusExisted = std::filesystem::exists(status, ec);
    if (store::Result<void> saved = catalogue::SaveProduct(editor, session.Context()); !saved) {
        return FailInCodePage(context, session, saved.GetError());
    }
    context.Out() << session.ToUtf8(site.Value()) << ": " << session.ToUtf8(record().Category) << "\n";
    if (statusExisted && !sites::SiteStatusLines(table).holdsResults) {
        context.Err() << "Note: the product has no submission or listing result yet, so its sites.dat "
                         "keeps its old content and the category is not stored\n";
    }
    const std::string& fastCategory = editor.product.category.fastCategory;
    if (!fastCategory.empty() && fastCategory != catalogue::kNoFastCategory) {
        const sites::FastCategoryMember member =
            sites::ReadFastCategoryMember(workspace.Workspace(), fastCategory);
        const bool named = std::any_of(member.pairs.begin(), member.pairs.end(), [&](const auto& pair) {
            return pair.first == site.Value() && !store::ContainsNoCase(pair.second, "not avail");
        });
        if (named) {
            context.Err() << "Note: the fast category \"" << session.ToUtf8(fastCategory)
                          << "\" chooses this site's category again whenever the site list is shown\n";
        }
    }
    return kExitOk;
}

int RunSitesBacklinks(const SitesAction& action, CommandContext& context, CatalogueSession& session)
{
    const std::span<const std::string> words = action.words;
    if (words.size() > 1) {
        return context.Fail(
            store::MakeError(store::ErrorKind::Usage, "sites backlinks takes at most one SITE"));
    }
    engine::Session& workspace = session.Workspace();
    const sites::SiteList& list = workspace.Page().list;
    std::string entry(sites::kAllSitesEntry);
    if (!words.empty()) {
        store::Result<std::string> site = TableSite(session, workspace.Sites(), words[0]);
        if (!site) {
            return context.Fail(site.GetError());
        }
        const std::vector<std::string>& links = list.BackLinks();
        if (std::find(links.begin(), links.end(), site.Value()) == links.end()) {
            return context.Fail(
                store::MakeError(store::ErrorKind::NotFound, words[0] + " does not demand a back link"));
        }
        entry = site.Value();
    }
    const std::string code =
        TerminalLines(sites::BackLinkCode(workspace.Sites(), workspace.Packages(), list, entry));
    if (action.json) {
        JsonWriter writer;
        writer.BeginObject().Key("sites").BeginArray();
        for (const std::string& link : list.BackLinks()) {
            writer.String(session.ToUtf8(link));
        }
        writer.EndArray().Key("entry").String(session.ToUtf8(entry)).Key("code").String(session.ToUtf8(code));
        writer.EndObject();
        context.Out() << writer.Text() << "\n";
        return kExitOk;
    }
    context.Out() << session.ToUtf8(code);
    if (!code.empty() && code.back() != '\n') {
        context.Out() << "\n";
    }
    return kExitOk;
}

} // namespace listrider::cli
