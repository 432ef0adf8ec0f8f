#include "sites/update_index.h"

#include <array>
#include <unordered_map>

#include "sites/site_index.h"
#include "store/ascii.h"
#include "store/numbers.h"
#include "store/tag_document.h"

namespace listrider::sites {
namespace {

// The files the update keeps in Sites/ next to the packages: a site of one of these names would
// have its package overwrite them, or be overwritten by them.
constexpr std::array<std::string_view, 9> kUpdateFiles = {
    "sites",
    "sitesnew",
    "tempsite",
    "tempsites",
    "tempinfo",
    "fastcats",
    "fastcatsinfo",
    "tempfastcats",
    "tempfastinfo",
};

} // namespace

double ReadUpdateStamp(std::string_view value)
{
    const std::string text = store::ToLocaleDecimal(value);
    return store::ParseDecimal(text, store::LocaleDecimalSeparator()).value_or(0.0);
}

std::vector<TSites> ReadUpdateIndex(store::LineSpan lines)
{
    std::vector<TSites> entries;
    for (std::string_view line : lines) {
        if (line.find("<SITE>") != std::string_view::npos) {
            entries.emplace_back();
        }
        if (entries.empty()) {
            continue;
        }
        TSites& entry = entries.back();
        entry.lines.emplace_back(line);
        if (store::ContainsNoCase(line, "<SITENAME>")) {
            entry.name = store::TagValue(line);
        }
        if (store::ContainsNoCase(line, "<UPDATE>")) {
            entry.update = ReadUpdateStamp(store::TagValue(line));
        }
    }
    if (!entries.empty()) {
        std::vector<std::string>& last = entries.back().lines;
        while (!last.empty() && last.back().empty()) {
            last.pop_back();
        }
        if (last.empty() || last.back() != "</SITE>") {
            last.emplace_back("</SITE>");
        }
    }
    return entries;
}

std::string UpdateIndexText(const std::vector<TSites>& entries)
{
    std::string text;
    bool first = true;
    for (const TSites& entry : entries) {
        for (const std::string& line : entry.lines) {
            if (!first) {
                text += "\r\n";
            }
            text += line;
            first = false;
        }
    }
    return text;
}

std::size_t FindEntry(const std::vector<TSites>& entries, std::string_view name)
{
    for (std::size_t i = 0; i < entries.size(); ++i) {
        if (entries[i].name == name) {
            return i;
        }
    }
    return std::string_view::npos;
}

UpdateLists CompareIndexes(const std::vector<TSites>& local, const std::vector<TSites>& server)
{
    // The first entry of a name answers for it, as a search from the start would.
    const auto firstOfEachName = [](const std::vector<TSites>& entries) {
        std::unordered_map<std::string_view, std::size_t> positions;
        for (std::size_t i = 0; i < entries.size(); ++i) {
            positions.emplace(entries[i].name, i);
        }
        return positions;
    };
    const auto localNames = firstOfEachName(local);
    const auto serverNames = firstOfEachName(server);
    UpdateLists lists;
    for (std::size_t i = 0; i < local.size(); ++i) {
        const auto there = serverNames.find(local[i].name);
        if (there == serverNames.end()) {
            lists.obsolete.push_back(i);
        } else if (server[there->second].update > local[i].update) {
            lists.updated.push_back(i);
        }
    }
    for (std::size_t i = 0; i < server.size(); ++i) {
        // A name the server lists twice is added once, from its first block.
        if (!localNames.contains(server[i].name) && serverNames.at(server[i].name) == i) {
            lists.added.push_back(i);
        }
    }
    return lists;
}

std::string UpdateNameProblem(std::string_view name)
{
    if (name.empty()) {
        return "it has no name";
    }
    if (!IsSafeSiteName(name)) {
        return "its name would make a path outside Sites/";
    }
    for (std::string_view reserved : kUpdateFiles) {
        if (store::EqualsNoCase(name, reserved)) {
            return "its package would replace Sites/" + std::string(reserved) + ".dat";
        }
    }
    return {};
}

} // namespace listrider::sites
