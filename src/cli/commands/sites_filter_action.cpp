// sites filter: shows and changes filter.ini as the "Site's Filter" dialog does.
#include <ostream>

#include "cli/commands/sites_actions.h"
#include "cli/exit_codes.h"
#include "cli/json_writer.h"
#include "sites/site_filter.h"
#include "store/ascii.h"
#include "store/date_time.h"

namespace listrider::cli {
namespace {

std::string DateText(double number)
{
    return store::FormatDayMonthYear(store::DateOfNumber(number));
}

void Show(CommandContext& context,
          const CatalogueSession& session,
          const sites::FilterSettings& filter,
          const std::vector<sites::FilterLanguage>& languages,
          bool json)
{
    if (json) {
        JsonWriter writer;
        writer.BeginObject().Key("flags").BeginObject();
        for (const sites::FilterFlagInfo& info : sites::FilterFlags()) {
            writer.Key(info.tag).Bool(filter.Flag(info.flag));
        }
        writer.EndObject()
            .Key("notSubmittedAfter")
            .String(DateText(filter.submittedBeforeDate))
            .Key("language")
            .String(session.ToUtf8(filter.language))
            .Key("languages")
            .BeginArray();
        for (const sites::FilterLanguage& language : languages) {
            writer.BeginObject()
                .Key("language")
                .String(session.ToUtf8(language.language))
                .Key("checked")
                .Bool(language.checked)
                .EndObject();
        }
        writer.EndArray().EndObject();
        context.Out() << writer.Text() << "\n";
        return;
    }
    context.Out() << "Only show the following sites:\n";
    for (const sites::FilterFlagInfo& info : sites::FilterFlags()) {
        std::string caption(info.caption);
        if (info.flag == sites::FilterFlag::SubmittedBefore) {
            caption += " " + DateText(filter.submittedBeforeDate);
        }
        context.Out() << (filter.Flag(info.flag) ? "  [x] " : "  [ ] ") << caption << "  (" << info.tag
                      << ")\n";
    }
    context.Out() << "Language: " << session.ToUtf8(filter.language) << "\n";
    for (const sites::FilterLanguage& language : languages) {
        context.Out() << (language.checked ? "  [x] " : "  [ ] ") << session.ToUtf8(language.language)
                      << "\n";
    }
}

// Checks the named languages (each a language of the site table, case ignored), or all for "ALL".
store::Result<void> CheckLanguages(const CatalogueSession& session,
                                   std::vector<sites::FilterLanguage>& languages,
                                   const std::string& list)
{
    const bool all = store::EqualsNoCase(list, sites::kAllLanguages);
    for (sites::FilterLanguage& language : languages) {
        language.checked = all;
    }
    if (all) {
        return {};
    }
    std::string name;
    const auto take = [&]() -> store::Result<void> {
        const std::size_t first = name.find_first_not_of(' ');
        const std::string trimmed = first == std::string::npos
                                        ? std::string()
                                        : name.substr(first, name.find_last_not_of(' ') - first + 1);
        name.clear();
        if (trimmed.empty()) {
            return {};
        }
        const std::string stored = session.ToStore(trimmed);
        for (sites::FilterLanguage& language : languages) {
            if (store::EqualsNoCase(language.language, stored)) {
                language.checked = true;
                return {};
            }
        }
        return store::MakeError(store::ErrorKind::NotFound,
                                "No site of the database is in \"" + trimmed + "\"");
    };
    for (const char c : list) {
        if (c == ',') {
            if (store::Result<void> taken = take(); !taken) {
                return taken;
            }
        } else {
            name.push_back(c);
        }
    }
    return take();
}

} // namespace

int RunSitesFilter(const SitesAction& action, CommandContext& context, CatalogueSession& session)
{
    const std::span<const std::string> words = action.words;
    if (words.empty() || (words[0] != "show" && words[0] != "set")) {
        return context.Fail(store::MakeError(store::ErrorKind::Usage, "sites filter needs show or set"));
    }
    const bool set = words[0] == "set";
    if (set ? (words.size() < 3 || words.size() % 2 == 0) : words.size() != 1) {
        return context.Fail(store::MakeError(store::ErrorKind::Usage,
                                             set ? "sites filter set needs pairs: FLAG on|off, language LIST "
                                                   "or date DD-MM-YYYY"
                                                 : "too many arguments"));
    }
    engine::Session& workspace = session.Workspace();
    const sites::SiteTable& table = workspace.Sites();
    sites::FilterSettings filter = workspace.Page().filter;
    std::vector<sites::FilterLanguage> languages = sites::FilterLanguages(table, filter.language);
    if (!set) {
        Show(context, session, filter, languages, action.json);
        return kExitOk;
    }
    for (std::size_t i = 1; i + 1 < words.size(); i += 2) {
        const std::string& name = words[i];
        const std::string& value = words[i + 1];
        if (store::EqualsNoCase(name, "language")) {
            if (store::Result<void> checked = CheckLanguages(session, languages, value); !checked) {
                return context.Fail(checked.GetError());
            }
            filter.language = sites::LanguageSetting(languages);
        } else if (store::EqualsNoCase(name, "date")) {
            const std::optional<store::CivilDate> date = store::ParseDayMonthYear(value);
            if (!date) {
                return context.Fail(store::MakeError(store::ErrorKind::Usage,
                                                     "A date reads DD-MM-YYYY, not \"" + value + "\""));
            }
            filter.submittedBeforeDate = store::DateTimeNumber(*date);
        } else if (const sites::FilterFlagInfo* info = sites::FindFilterFlag(name)) {
            if (value != "on" && value != "off") {
                return context.Fail(store::MakeError(store::ErrorKind::Usage,
                                                     "A flag is set on or off, not \"" + value + "\""));
            }
            filter.SetFlag(info->flag, value == "on");
        } else {
            return context.Fail(store::MakeError(store::ErrorKind::Usage, "No filter flag \"" + name + "\""));
        }
    }
    if (store::Result<void> saved = workspace.ChangeFilter(filter); !saved) {
        return FailInCodePage(context, session, saved.GetError());
    }
    Show(context, session, filter, sites::FilterLanguages(table, filter.language), false);
    return kExitOk;
}

} // namespace listrider::cli
