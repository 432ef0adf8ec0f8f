// The description block of a PAD file: one section per language.
#include <optional>

#include "catalogue/pad_reader.h"
#include "catalogue/xml_text.h"
#include "store/ascii.h"
#include "store/tag_document.h"
#include "store/text_helpers.h"
#include "store/web_encoding.h"
#include "store/wide_text.h"

namespace listrider::catalogue {
namespace {

struct SectionValues
{
    std::optional<std::u16string> keywords;
    std::optional<std::u16string> desc45;
    std::optional<std::u16string> desc80;
    std::optional<std::u16string> desc250;
    std::optional<std::u16string> desc450;
    std::optional<std::u16string> desc2000;
};

struct LongDescription
{
    std::string_view tag;
    std::size_t limit;
    std::optional<std::u16string> SectionValues::*field;
};

constexpr LongDescription kLongDescriptions[] = {
    {"Char_Desc_250", 250, &SectionValues::desc250},
    {"Char_Desc_450", 450, &SectionValues::desc450},
    {"Char_Desc_2000", 2000, &SectionValues::desc2000},
};

// Reads a long description that opens at `index`; returns the index of its last line.
std::size_t ReadLongDescription(const PadSource& source,
                                std::size_t index,
                                const LongDescription& description,
                                std::string_view sectionClose,
                                SectionValues& values)
{
    const store::LineSpan lines = source.Lines();
    const std::string close = store::CloseTag(description.tag);
    if (store::ContainsNoCase(lines[index], close)) {
        values.*description.field = source.Wide(store::TagValue(lines[index]), true);
        return index;
    }
    std::vector<std::string> pieces{store::TagValue(lines[index])};
    std::size_t i = index + 1;
    for (; i < lines.size(); ++i) {
        const std::string_view line = lines[i];
        if (store::ContainsNoCase(line, sectionClose) ||
            store::ContainsNoCase(line, "</Program_Descriptions>")) {
            --i;
            break;
        }
        const std::size_t end = store::FindNoCase(line, close);
        if (end != std::string_view::npos) {
            pieces.push_back(store::HtmlUnescape(line.substr(0, end)));
            break;
        }
        pieces.emplace_back(line);
    }
    std::string joined;
    for (std::size_t k = 0; k < pieces.size(); ++k) {
        joined.append(k == 0 ? "" : "\r\n").append(pieces[k]);
    }
    joined = DropOuterBlankLines(joined);
    // Cut after decoding, so that a cut never splits a character.
    std::u16string wide = source.Wide(joined, true);
    if (description.limit == 450) {
        wide = store::CollapseSpaces(wide);
    }
    values.*description.field = wide.substr(0, description.limit);
    return std::min(i, lines.size() - 1);
}

std::vector<std::u16string> WideLines(const std::u16string& text)
{
    std::vector<std::u16string> lines;
    std::size_t start = 0;
    while (true) {
        const std::size_t end = text.find(u"\r\n", start);
        lines.push_back(text.substr(start, end == std::u16string::npos ? std::u16string::npos : end - start));
        if (end == std::u16string::npos) {
            return lines;
        }
        start = end + 2;
    }
}

std::vector<std::u16string> MemoOf(const std::optional<std::u16string>& value)
{
    if (!value || value->empty()) {
        return {};
    }
    return WideLines(*value);
}

std::vector<std::string> NarrowMemo(const PadSource& source, const std::optional<std::u16string>& value)
{
    std::vector<std::string> lines;
    for (const std::u16string& line : MemoOf(value)) {
        lines.push_back(source.Narrow(line));
    }
    return lines;
}

bool AllPresent(const SectionValues& values)
{
    for (const std::optional<std::u16string>* value : {&values.keywords,
                                                       &values.desc45,
                                                       &values.desc80,
                                                       &values.desc250,
                                                       &values.desc450,
                                                       &values.desc2000}) {
        if (!*value || (*value)->empty()) {
            return false;
        }
    }
    return true;
}

void ApplySection(const PadSource& source,
                  const std::string& language,
                  const SectionValues& values,
                  DescriptionSet& descriptions)
{
    if (store::Capitalize(language) == "English") {
        EnglishDescription& english = descriptions.english;
        english.keywords = source.Narrow(values.keywords.value_or(u""));
        english.desc45 = source.Narrow(values.desc45.value_or(u""));
        english.desc80 = source.Narrow(values.desc80.value_or(u""));
        english.desc250 = NarrowMemo(source, values.desc250);
        english.desc450 = NarrowMemo(source, values.desc450);
        english.desc2000 = NarrowMemo(source, values.desc2000);
        return;
    }
    if (!AllPresent(values)) {
        return;
    }
    LanguageDescription description;
    description.language = language;
    description.keywords = *values.keywords;
    description.desc45 = *values.desc45;
    description.desc80 = *values.desc80;
    description.desc250 = MemoOf(values.desc250);
    description.desc450 = MemoOf(values.desc450);
    description.desc2000 = MemoOf(values.desc2000);
    const int existing = descriptions.FindLanguage(language);
    if (existing >= 0) {
        descriptions.others[static_cast<std::size_t>(existing)] = std::move(description);
    } else {
        descriptions.others.push_back(std::move(description));
    }
}

} // namespace

std::size_t ReadPadDescriptions(const PadSource& source, std::size_t openIndex, DescriptionSet& descriptions)
{
    const store::LineSpan lines = source.Lines();
    std::optional<std::string> element; // the open section's element name, as written
    std::string language;
    SectionValues values;
    for (std::size_t i = openIndex + 1; i < lines.size(); ++i) {
        const std::string_view line = lines[i];
        if (store::ContainsNoCase(line, "</Program_Descriptions>")) {
            return i + 1;
        }
        if (!element) {
            const std::size_t open = line.find('<');
            const std::size_t close = line.rfind('>');
            if (open != std::string_view::npos && close != std::string_view::npos && close > open &&
                line.find('/') == std::string_view::npos) {
                element = std::string(line.substr(open + 1, close - open - 1));
                language = LanguageOfElementName(source.Text(*element));
                values = SectionValues{};
            }
            continue;
        }
        const std::string sectionClose = store::CloseTag(*element);
        if (store::ContainsNoCase(line, sectionClose)) {
            ApplySection(source, language, values, descriptions);
            element.reset();
            continue;
        }
        if (store::ContainsNoCase(line, "<Keywords>")) {
            values.keywords = source.Wide(store::TagValue(line));
        }
        if (store::ContainsNoCase(line, "<Char_Desc_45>")) {
            values.desc45 = source.Wide(store::HtmlUnescape(store::TagValue(line)));
        }
        if (store::ContainsNoCase(line, "<Char_Desc_80>")) {
            values.desc80 = source.Wide(store::HtmlUnescape(store::TagValue(line)));
        }
        for (const LongDescription& description : kLongDescriptions) {
            if (store::ContainsNoCase(line, store::OpenTag(description.tag))) {
                i = ReadLongDescription(source, i, description, sectionClose, values);
                break;
            }
        }
    }
    return lines.size();
}

} // namespace listrider::catalogue
