#include "catalogue/description_file.h"

#include "store/ascii.h"
#include "store/tag_document.h"
#include "store/unicode.h"

namespace listrider::catalogue {
namespace {

// The texts of one language group, as read (bytes of the file).
struct GroupTexts
{
    std::string keywords;
    std::string desc45;
    std::string desc80;
    std::vector<std::string> desc250;
    std::vector<std::string> desc450;
    std::vector<std::string> desc2000;
};

GroupTexts ReadGroup(store::LineSpan lines)
{
    GroupTexts texts;

    struct BlockTag
    {
        std::string_view tag;
        std::vector<std::string>* lines;
    };

    const BlockTag blocks[] = {
        {"Char_Desc_250", &texts.desc250},
        {"Char_Desc_450", &texts.desc450},
        {"Char_Desc_2000", &texts.desc2000},
    };
    for (std::size_t i = 0; i < lines.size();) {
        const std::string_view line = lines[i];
        bool isBlock = false;
        for (const BlockTag& block : blocks) {
            if (store::ContainsNoCase(line, store::OpenTag(block.tag))) {
                const store::Block read = store::ReadBlock(lines, i, block.tag);
                block.lines->assign(read.lines.begin(), read.lines.end());
                i = read.next;
                isBlock = true;
                break;
            }
        }
        if (isBlock) {
            continue;
        }
        if (store::ContainsNoCase(line, "<Keywords>")) {
            texts.keywords = store::TagValue(line);
        }
        if (store::ContainsNoCase(line, "<Char_Desc_45>")) {
            texts.desc45 = store::TagValue(line);
        }
        if (store::ContainsNoCase(line, "<Char_Desc_80>")) {
            texts.desc80 = store::TagValue(line);
        }
        ++i;
    }
    return texts;
}

bool IsGroupOpening(std::string_view line)
{
    return line.size() > 2 && line.front() == '<' && line.back() == '>' &&
           line.find('/') == std::string_view::npos;
}

class WideDecoder
{
public:
    WideDecoder(bool utf8, const store::CodePage& codePage)
        : m_utf8(utf8)
        , m_codePage(codePage)
    {}

    std::u16string operator()(std::string_view text) const
    {
        if (m_utf8) {
            std::u16string wide = store::Utf8ToWide(text);
            // A line that is not UTF-8 after all keeps its text rather than vanishing.
            if (!wide.empty() || text.empty() || store::IsValidUtf8(text)) {
                return wide;
            }
        }
        return m_codePage.ToWide(text);
    }

    std::vector<std::u16string> operator()(const std::vector<std::string>& lines) const
    {
        std::vector<std::u16string> wide;
        wide.reserve(lines.size());
        for (const std::string& line : lines) {
            wide.push_back((*this)(line));
        }
        return wide;
    }

private:
    bool m_utf8;
    const store::CodePage& m_codePage;
};

std::vector<std::string> Utf8Lines(const std::vector<std::u16string>& lines)
{
    std::vector<std::string> utf8;
    utf8.reserve(lines.size());
    for (const std::u16string& line : lines) {
        utf8.push_back(store::WideToUtf8(line));
    }
    return utf8;
}

} // namespace

void ReadDescriptionFile(store::LineSpan lines, const store::CodePage& codePage, DescriptionSet& descriptions)
{
    const WideDecoder decode(store::HasUtf8Marker(lines), codePage);
    const store::LineSpan body = store::WithoutUtf8Marker(lines);
    for (std::size_t i = 0; i < body.size();) {
        if (!IsGroupOpening(body[i])) {
            ++i;
            continue;
        }
        const store::Section section = store::ReadSection(body, i);
        i = section.next;
        GroupTexts texts = ReadGroup(section.lines);
        if (store::EqualsNoCase(section.name, "English")) {
            EnglishDescription& english = descriptions.english;
            english.keywords = std::move(texts.keywords);
            english.desc45 = texts.desc45.substr(0, kDesc45Limit);
            english.desc80 = texts.desc80.substr(0, kDesc80Limit);
            english.desc250 = std::move(texts.desc250);
            english.desc450 = std::move(texts.desc450);
            english.desc2000 = std::move(texts.desc2000);
            continue;
        }
        LanguageDescription language;
        language.language = section.name;
        language.keywords = decode(texts.keywords);
        language.desc45 = decode(texts.desc45);
        language.desc80 = decode(texts.desc80);
        language.desc250 = decode(texts.desc250);
        language.desc450 = decode(texts.desc450);
        language.desc2000 = decode(texts.desc2000);
        const int existing = descriptions.FindLanguage(section.name);
        if (existing >= 0) {
            descriptions.others[static_cast<std::size_t>(existing)] = std::move(language);
        } else {
            descriptions.others.push_back(std::move(language));
        }
    }
}

store::LineList DescriptionFileLines(const DescriptionSet& descriptions)
{
    store::TagWriter writer;
    writer.Line(store::kUtf8Marker);
    const EnglishDescription& english = descriptions.english;
    writer.Line("<English>");
    writer.Element("Keywords", english.keywords);
    writer.Element("Char_Desc_45", english.desc45);
    writer.Element("Char_Desc_80", english.desc80);
    writer.Block("Char_Desc_250", english.desc250);
    writer.Block("Char_Desc_450", english.desc450);
    writer.Block("Char_Desc_2000", english.desc2000);
    writer.Line("</English>");
    for (const LanguageDescription& language : descriptions.others) {
        writer.Line(store::OpenTag(language.language));
        writer.Element("Keywords", store::WideToUtf8(language.keywords));
        writer.Element("Char_Desc_45", store::WideToUtf8(language.desc45));
        writer.Element("Char_Desc_80", store::WideToUtf8(language.desc80));
        writer.Block("Char_Desc_250", Utf8Lines(language.desc250));
        writer.Block("Char_Desc_450", Utf8Lines(language.desc450));
        writer.Block("Char_Desc_2000", Utf8Lines(language.desc2000));
        writer.Line(store::CloseTag(language.language));
    }
    return writer.Lines();
}

} // namespace listrider::catalogue
