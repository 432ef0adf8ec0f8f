#include "literal_text_commands.h"

#include "store/text_helpers.h"
#include "store/web_encoding.h"

namespace listrider::engine::literal {
namespace {

constexpr std::size_t kNpos = std::string::npos;

char Up(char c)
{
    return (c >= 'a' && c <= 'z') ? static_cast<char>(c - 32) : c;
}

// The 0-based position of the first occurrence at or after `from`, compared letter by letter.
std::size_t Pos(const std::string& page, std::string_view text, std::size_t from = 0)
{
    if (text.empty()) {
        return kNpos;
    }
    for (std::size_t i = from; i + text.size() <= page.size(); ++i) {
        bool same = true;
        for (std::size_t k = 0; k < text.size() && same; ++k) {
            same = Up(page[i + k]) == Up(text[k]);
        }
        if (same) {
            return i;
        }
    }
    return kNpos;
}

std::size_t LastPos(const std::string& page, std::string_view text)
{
    std::size_t last = kNpos;
    for (std::size_t p = Pos(page, text); p != kNpos; p = Pos(page, text, p + 1)) {
        last = p;
    }
    return last;
}

bool Contains(const std::string& text, std::string_view part)
{
    return Pos(text, part) != kNpos;
}

std::string CopyValue(const std::string& rest)
{
    std::string value;
    for (std::size_t i = 0; i < rest.size(); ++i) {
        const char c = rest[i];
        if (c == '<' || c == '>') {
            break;
        }
        if (c == '"' || c == '\'') {
            if (i == 0) {
                continue; // opens a quoted value
            }
            break;
        }
        value.push_back(c);
    }
    return value;
}

// Reads the page on from the candidate as the rule says; returns the end or npos.
std::size_t SmartMatch(const std::string& page, std::size_t candidate, std::string_view text)
{
    if (text.empty() || Up(page[candidate]) != Up(text[0])) {
        return kNpos;
    }
    std::size_t k = 1;
    std::size_t i = candidate + 1;
    while (k < text.size()) {
        if (i >= page.size()) {
            return kNpos;
        }
        const char c = page[i];
        if (c == '<') {
            const std::size_t close = page.find('>', i);
            if (close == kNpos) {
                return kNpos;
            }
            i = close + 1;
            continue;
        }
        if ((c == ' ' || c == '\r') && text[k - 1] == ' ') {
            ++i;
            continue;
        }
        if (Up(c) != Up(text[k])) {
            return kNpos;
        }
        ++k;
        ++i;
    }
    return i;
}

std::vector<std::string> Words(const std::string& value)
{
    std::vector<std::string> words;
    std::string word;
    for (const char c : value + " ") {
        if (c == ' ') {
            if (!word.empty()) {
                words.push_back(word);
            }
            word.clear();
        } else {
            word.push_back(c);
        }
    }
    return words;
}

std::string AttributeOf(const std::string& tag, std::string_view key)
{
    std::string joined;
    std::size_t i = 0;
    while (i < tag.size()) {
        if (Pos(tag.substr(i, key.size()), key) == 0) {
            std::size_t end = i;
            while (end < tag.size() && tag[end] != ' ') {
                ++end;
            }
            joined += tag.substr(i, end - i);
            i = end; // the mended rule: the next place lies after the text taken
        } else {
            ++i;
        }
    }
    std::string value;
    for (const char c : joined) {
        if (c != '"' && c != '\'') {
            value.push_back(c);
        }
    }
    return value.size() > key.size() ? value.substr(key.size()) : std::string();
}

void FieldsOf(const std::string& text, std::vector<std::string>& names, std::vector<std::string>& values)
{
    std::size_t i = 0;
    while (true) {
        const std::size_t open = text.find('<', i);
        const std::size_t close = open == kNpos ? kNpos : text.find('>', open + 1);
        if (close == kNpos) {
            return;
        }
        const std::string tag = text.substr(open + 1, close - open - 1);
        if (Contains(tag, "INPUT") && (!Contains(tag, "SRC=") || Contains(tag, "HIDDEN"))) {
            names.push_back(AttributeOf(tag, "NAME="));
            values.push_back(AttributeOf(tag, "VALUE="));
        }
        i = close + 1;
    }
}

std::string Trim(std::string value)
{
    return store::TrimTrailingSpaces(store::TrimLeadingSpaces(value));
}

std::string Clean(std::string value)
{
    for (const char stop : {'&', ')', '[', ']'}) {
        const std::size_t pos = value.find(stop);
        if (pos != kNpos) {
            value = value.substr(0, pos);
        }
    }
    bool seen = false;
    for (std::size_t i = 0; i < value.size(); ++i) {
        if (value[i] != ' ') {
            seen = true;
        } else if (seen) {
            value = value.substr(0, i);
            break;
        }
    }
    return Trim(value);
}

std::optional<std::size_t> Target(const std::string& operand, std::string& search)
{
    const std::size_t space = operand.rfind(' ');
    if (space == kNpos) {
        return std::nullopt;
    }
    const std::string target = operand.substr(space + 1);
    for (std::size_t i = 1; i <= 10; ++i) {
        if (target == "|Custom" + std::to_string(i) + "|") {
            search = operand.substr(0, space);
            return i - 1;
        }
    }
    return std::nullopt;
}

} // namespace

std::string WorkingPage(store::LineSpan lines)
{
    std::string text;
    for (std::string_view line : lines) {
        for (const char c : line) {
            text.push_back(c == '\t' || c == '\r' ? ' ' : c);
        }
        text.push_back(' ');
    }
    for (char& c : text) {
        if (static_cast<unsigned char>(c) == 160) {
            c = ' ';
        }
    }
    text = store::HtmlUnescape(text);
    std::string collapsed;
    for (const char c : text) {
        if (!(c == ' ' && !collapsed.empty() && collapsed.back() == ' ')) {
            collapsed.push_back(c);
        }
    }
    return collapsed;
}

std::string FromFirst(std::string page, std::string_view text)
{
    const std::size_t p = Pos(page, text);
    return p == kNpos ? std::string() : page.substr(p);
}

std::string BeforeLast(std::string page, std::string_view text)
{
    const std::size_t p = LastPos(page, text);
    return p == kNpos ? std::string() : page.substr(0, p);
}

std::string BeforeFirst(std::string page, std::string_view text)
{
    const std::size_t p = Pos(page, text);
    return p == kNpos ? std::string() : page.substr(0, p);
}

std::optional<std::string> ValueAfter(std::string page, std::string_view text)
{
    const std::size_t p = Pos(page, text);
    if (p == kNpos) {
        return std::nullopt;
    }
    return CopyValue(page.substr(p + text.size()));
}

std::optional<std::string> ValueAfterLast(std::string page, std::string_view text)
{
    const std::size_t p = LastPos(page, text);
    if (p == kNpos) {
        return std::nullopt;
    }
    return CopyValue(page.substr(p + text.size()));
}

std::string SmartAfter(std::string page, std::string_view text)
{
    for (std::size_t c = 0; c < page.size(); ++c) {
        const std::size_t end = SmartMatch(page, c, text);
        if (end != kNpos) {
            return page.substr(end);
        }
    }
    return {};
}

std::string SmartBefore(std::string page, std::string_view text)
{
    for (std::size_t c = page.size(); c-- > 0;) {
        if (SmartMatch(page, c, text) != kNpos) {
            return page.substr(0, c);
        }
    }
    return {};
}

std::string Unsmart(std::string page, std::string_view text)
{
    std::size_t i = 0;
    while (i < page.size()) {
        const std::size_t end = SmartMatch(page, i, text);
        if (end == kNpos) {
            ++i;
            continue;
        }
        page.erase(i, end - i);
        if (i < page.size() && page[i] == '<' && page.size() - i >= 3) {
            const std::size_t close = page.find('>', i);
            if (close != kNpos) {
                page.erase(i, close - i + 1);
            }
        }
        page.insert(i, text);
        i += text.size();
    }
    return page;
}

std::optional<std::pair<std::size_t, std::string>>
FindVersion(std::string page, std::string_view label, VersionRules rules)
{
    std::string rest = page;
    std::size_t offset = 0;
    while (true) {
        const std::size_t p = Pos(rest, label);
        if (p == kNpos) {
            return std::nullopt;
        }
        rest = rest.substr(p);
        offset += p;
        const std::vector<std::string> words = Words(*ValueAfter(rest, label));
        if (!words.empty()) {
            const std::string& first = words[0];
            const bool edition = Contains(first, "pro") || Contains(first, "elite") ||
                                 (Contains(first, "lite") && Contains(first, "deluxe")) ||
                                 (rules.rejectOs2 && Contains(first, "os/2"));
            if (!edition) {
                std::string taken;
                for (const std::string& word : words) {
                    bool digit = false;
                    for (const char c : word) {
                        digit = digit || (c >= '0' && c <= '9');
                    }
                    if (!digit && !Contains(word, "Build") && !Contains(word, "Beta") &&
                        !Contains(word, "Alpha")) {
                        break;
                    }
                    taken += word + " ";
                }
                if (!taken.empty()) {
                    return std::make_pair(offset, taken);
                }
            }
        }
        const std::size_t drop = std::max<std::size_t>(label.size() - 1, 1);
        rest = rest.substr(std::min(drop, rest.size()));
        offset += drop;
    }
}

Forms FindForm(std::string page, long long n)
{
    Forms forms;
    long long count = 0;
    bool open = false;
    std::size_t formStart = 0;
    std::size_t i = 0;
    while (true) {
        const std::size_t lt = page.find('<', i);
        const std::size_t gt = lt == kNpos ? kNpos : page.find('>', lt + 1);
        if (gt == kNpos) {
            break;
        }
        const std::string tag = page.substr(lt + 1, gt - lt - 1);
        if (Contains(tag, "ACTION") && Contains(tag, "FORM")) {
            ++count;
            forms.action = AttributeOf(tag, "ACTION=");
            forms.method = AttributeOf(tag, "METHOD=");
            formStart = gt + 1;
            open = true;
        } else if (open && tag.size() == 5 && Pos(tag, "/FORM") == 0) {
            FieldsOf(page.substr(formStart, lt - formStart), forms.names, forms.values);
            open = false;
            if (count == n) {
                break;
            }
        }
        i = gt + 1;
    }
    return forms;
}

TextCommandOutcome RunCommands(std::string page,
                               const std::vector<std::string>& commands,
                               std::vector<std::string>& names,
                               std::vector<std::string>& values,
                               CustomValues& custom,
                               const std::string& lastSuccessPage,
                               VersionRules rules)
{
    TextCommandOutcome outcome;
    auto cut = [&](std::string next) {
        page = std::move(next);
        if (page.empty()) {
            outcome.result = "-1";
        }
    };
    for (std::size_t i = 0; i + 1 < commands.size(); i += 2) {
        const std::string& word = commands[i];
        const std::string& operand = commands[i + 1];
        std::string search;
        if (word == "FINDTEXT") {
            cut(FromFirst(page, operand));
        } else if (word == "FINDTEXTBEFORE") {
            cut(BeforeLast(page, operand));
        } else if (word == "FINDTEXTCUTBEFORE") {
            cut(BeforeFirst(page, operand));
        } else if (word == "SMARTFINDTEXT") {
            cut(SmartAfter(store::HtmlUnescape(page), operand));
        } else if (word == "SMARTFINDTEXTBEFORE") {
            cut(SmartBefore(page, operand));
        } else if (word == "UNSMART") {
            page = Unsmart(page, operand);
        } else if (word == "RELOADHTML") {
            cut(lastSuccessPage);
        } else if (word == "REMOVEAMPS") {
            cut(store::HtmlUnescapeText(page));
        } else if (word == "FINDFORM") {
            Forms forms = FindForm(page, std::stoll(operand));
            names = forms.names;
            values = forms.values;
            outcome.path = forms.action;
            outcome.method = forms.method;
            if (names.empty()) {
                outcome.result = "-1";
            }
        } else if (word == "ADDASLOGIN") {
            outcome.capturedLogin = operand;
        } else if (word == "ADDASPASSWORD") {
            outcome.capturedPassword = operand;
        } else if (word == "EXTRACT") {
            const std::optional<std::size_t> target = Target(operand, search);
            if (!target) {
                outcome.result = "-1";
                continue;
            }
            std::string value;
            for (std::size_t f = 0; f < names.size() && f < values.size(); ++f) {
                if (names[f].size() == search.size() && Pos(names[f], search) == 0) {
                    value = values[f];
                }
            }
            custom[*target] = value;
        } else if (word == "EXTRACTTEXT" || word == "EXTRACTTEXTBEFORE" || word == "CLEANEXTRACTTEXT" ||
                   word == "CLEANEXTRACTTEXTBEFORE") {
            const std::optional<std::size_t> target = Target(operand, search);
            if (!target) {
                outcome.result = "-1";
                continue;
            }
            const bool last = word.ends_with("BEFORE");
            const std::optional<std::string> value =
                last ? ValueAfterLast(page, search) : ValueAfter(page, search);
            if (!value) {
                outcome.result = "-1";
                continue;
            }
            custom[*target] = word.starts_with("CLEAN") ? Clean(*value) : *value;
        } else if (word == "FINDVERSION" || word == "FINDVERSIONCUTBEFORE") {
            const auto found = FindVersion(page, operand, rules);
            if (!found) {
                outcome.result = "-1";
                continue;
            }
            cut(word == "FINDVERSION" ? page.substr(found->first)
                                      : page.substr(0, found->first + operand.size()));
        } else if (word == "EXTRACTVERSION") {
            const std::optional<std::size_t> target = Target(operand, search);
            const auto found = target ? FindVersion(page, search, rules) : std::nullopt;
            if (!found) {
                outcome.result = "-1";
                continue;
            }
            custom[*target] = found->second;
        }
    }
    return outcome;
}

} // namespace listrider::engine::literal
