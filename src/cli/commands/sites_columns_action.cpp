// sites columns: shows the column set and changes it as the Columns Editor does.
#include <charconv>
#include <ostream>

#include "cli/commands/sites_actions.h"
#include "cli/exit_codes.h"
#include "cli/json_writer.h"
#include "sites/column_binding.h"
#include "sites/column_set.h"
#include "sites/columns_editor.h"

namespace listrider::cli {
namespace {

void Show(CommandContext& context,
          const CatalogueSession& session,
          const std::vector<sites::ColumnsR>& entries,
          bool json)
{
    if (json) {
        JsonWriter writer;
        writer.BeginArray();
        for (const sites::ColumnsR& entry : entries) {
            writer.BeginObject()
                .Key("name")
                .String(session.ToUtf8(entry.name))
                .Key("visible")
                .Bool(entry.IsVisible())
                .Key("size")
                .String(entry.size)
                .EndObject();
        }
        writer.EndArray();
        context.Out() << writer.Text() << "\n";
        return;
    }
    for (const sites::ColumnsR& entry : entries) {
        context.Out() << (entry.IsVisible() ? "[x] " : "[ ] ") << session.ToUtf8(entry.name) << "\t"
                      << entry.size << "\n";
    }
}

} // namespace

int RunSitesColumns(const SitesAction& action, CommandContext& context, CatalogueSession& session)
{
    const std::span<const std::string> words = action.words;
    engine::Session& workspace = session.Workspace();
    std::vector<sites::ColumnsR> entries = workspace.Page().columns;
    if (words.empty() || words[0] == "show") {
        if (words.size() > 1) {
            return context.Fail(store::MakeError(store::ErrorKind::Usage, "too many arguments"));
        }
        Show(context, session, entries, action.json);
        return kExitOk;
    }
    const std::string& verb = words[0];
    const std::size_t wanted = verb == "width" ? 3 : 2;
    if (words.size() != wanted) {
        return context.Fail(store::MakeError(store::ErrorKind::Usage,
                                             verb == "width" ? "sites columns width needs CAPTION PIXELS"
                                                             : "sites columns " + verb + " needs CAPTION"));
    }
    const std::string caption = session.ToStore(words[1]);
    if (verb == "width") {
        int width = 0;
        const std::string& text = words[2];
        const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), width);
        if (error != std::errc() || end != text.data() + text.size() || width < 1) {
            return context.Fail(store::MakeError(store::ErrorKind::Usage, "A width is a number of pixels"));
        }
        if (!sites::SetColumnWidth(entries, caption, width)) {
            return context.Fail(
                store::MakeError(store::ErrorKind::NotFound, "No column \"" + words[1] + "\""));
        }
    } else {
        sites::ColumnsEditor editor(entries);
        const int position = editor.Find(caption);
        if (position < 0) {
            return context.Fail(
                store::MakeError(store::ErrorKind::NotFound, "No column \"" + words[1] + "\""));
        }
        const auto at = static_cast<std::size_t>(position);
        if (verb == "check" || verb == "uncheck") {
            editor.SetChecked(at, verb == "check");
        } else if (verb == "up") {
            editor.MoveUp(at);
        } else if (verb == "down") {
            editor.MoveDown(at);
        } else if (verb == "top") {
            editor.ToTop(at);
        } else if (verb == "bottom") {
            editor.ToBottom(at);
        } else {
            return context.Fail(
                store::MakeError(store::ErrorKind::Usage, "unknown columns action '" + verb + "'"));
        }
        entries = editor.Entries();
    }
    if (store::Result<void> saved = workspace.ChangeColumns(entries); !saved) {
        return FailInCodePage(context, session, saved.GetError());
    }
    Show(context, session, workspace.Page().columns, false);
    return kExitOk;
}

} // namespace listrider::cli
