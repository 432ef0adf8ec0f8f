#include "engine/form_extraction.h"

#include "store/ascii.h"

namespace listrider::engine {
namespace {

constexpr std::size_t kNpos = std::string_view::npos;

// Calls `visit(tagText, tagStart)` for every '<' ... '>' of the text, in order, until it
// returns false; a '<' without a later '>' ends the scan. tagStart is the offset of the '<'.
template <class Visit>
void ForEachTag(std::string_view text, Visit visit)
{
    std::size_t pos = 0;
    while (true) {
        const std::size_t open = text.find('<', pos);
        if (open == kNpos) {
            return;
        }
        const std::size_t close = text.find('>', open + 1);
        if (close == kNpos) {
            return;
        }
        if (!visit(text.substr(open + 1, close - open - 1), open, close + 1)) {
            return;
        }
        pos = close + 1;
    }
}

} // namespace

std::string ExtractValueFromTag(std::string_view tag, std::string_view key)
{
    std::string joined;
    std::size_t place = store::FindNoCase(tag, key);
    while (place != kNpos) {
        std::size_t end = tag.find(' ', place);
        if (end == kNpos) {
            end = tag.size();
        }
        joined.append(tag.substr(place, end - place));
        // Searching again inside the text just taken would copy it once per place: a tag of
        // repeated keys would grow the result with the square of its length.
        place = store::FindNoCase(tag, key, end);
    }
    std::string value;
    for (const char c : joined) {
        if (c != '"' && c != '\'') {
            value.push_back(c);
        }
    }
    return value.size() > key.size() ? value.substr(key.size()) : std::string();
}

void ExtractValues(std::string_view formText,
                   std::vector<std::string>& names,
                   std::vector<std::string>& values)
{
    ForEachTag(formText, [&](std::string_view tag, std::size_t, std::size_t) {
        if (store::ContainsNoCase(tag, "INPUT") &&
            (!store::ContainsNoCase(tag, "SRC=") || store::ContainsNoCase(tag, "HIDDEN"))) {
            names.push_back(ExtractValueFromTag(tag, "NAME="));
            values.push_back(ExtractValueFromTag(tag, "VALUE="));
        }
        return true;
    });
}

FormFields FindForm(std::string_view page, long long formNumber)
{
    FormFields fields;
    long long forms = 0;
    bool open = false;
    std::size_t formStart = 0;
    ForEachTag(page, [&](std::string_view tag, std::size_t tagStart, std::size_t after) {
        if (store::ContainsNoCase(tag, "ACTION") && store::ContainsNoCase(tag, "FORM")) {
            ++forms;
            fields.action = ExtractValueFromTag(tag, "ACTION=");
            fields.method = ExtractValueFromTag(tag, "METHOD=");
            formStart = after;
            open = true;
        } else if (open && store::EqualsNoCase(tag, "/FORM")) {
            ExtractValues(page.substr(formStart, tagStart - formStart), fields.names, fields.values);
            open = false;
            if (forms == formNumber) {
                return false;
            }
        }
        return true;
    });
    return fields;
}

} // namespace listrider::engine
