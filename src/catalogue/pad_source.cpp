#include "catalogue/pad_source.h"

#include "store/ascii.h"
#include "store/file_io.h"
#include "store/unicode.h"
#include "store/web_encoding.h"

namespace listrider::catalogue {
namespace {

constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";

bool IsUtf8Name(std::string_view name)
{
    return store::EqualsNoCase(name, "UTF-8") || store::EqualsNoCase(name, "UTF8");
}

// Returns the character of "&#...;" at `pos` and the reference's length, or nothing.
std::optional<std::pair<char32_t, std::size_t>> CharReference(std::u16string_view text, std::size_t pos)
{
    if (pos + 3 >= text.size() || text[pos + 1] != u'#') {
        return std::nullopt;
    }
    std::size_t i = pos + 2;
    const bool hex = text[i] == u'x' || text[i] == u'X';
    if (hex) {
        ++i;
    }
    char32_t value = 0;
    const std::size_t digitsStart = i;
    for (; i < text.size() && i - digitsStart < 8; ++i) {
        const char16_t c = text[i];
        int digit = -1;
        if (c >= u'0' && c <= u'9') {
            digit = c - u'0';
        } else if (hex && c >= u'a' && c <= u'f') {
            digit = c - u'a' + 10;
        } else if (hex && c >= u'A' && c <= u'F') {
            digit = c - u'A' + 10;
        } else {
            break;
        }
        value = value * (hex ? 16 : 10) + static_cast<char32_t>(digit);
    }
    if (i == digitsStart || i >= text.size() || text[i] != u';' || value == 0 || value > 0x10FFFF ||
        (value >= 0xD800 && value <= 0xDFFF)) {
        return std::nullopt;
    }
    return std::pair{value, i + 1 - pos};
}

void AppendWide(std::u16string& out, char32_t cp)
{
    if (cp >= 0x10000) {
        cp -= 0x10000;
        out.push_back(static_cast<char16_t>(0xD800 + (cp >> 10)));
        out.push_back(static_cast<char16_t>(0xDC00 + (cp & 0x3FF)));
    } else {
        out.push_back(static_cast<char16_t>(cp));
    }
}

std::u16string ResolveReferences(std::u16string_view text, bool multiLine)
{
    std::u16string out;
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size();) {
        if (text[i] != u'&') {
            out.push_back(text[i++]);
            continue;
        }
        if (multiLine && text.substr(i, 4) == u"&lt;") {
            out.push_back(u'<');
            i += 4;
            continue;
        }
        if (multiLine && text.substr(i, 4) == u"&gt;") {
            out.push_back(u'>');
            i += 4;
            continue;
        }
        const auto reference = CharReference(text, i);
        if (reference && (multiLine || (reference->first != '<' && reference->first != '>'))) {
            AppendWide(out, reference->first);
            i += reference->second;
            continue;
        }
        out.push_back(text[i++]);
    }
    return out;
}

} // namespace

store::LineList SplitPadLines(std::string_view text)
{
    store::LineList lines;
    std::size_t start = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] != '\r' && text[i] != '\n') {
            continue;
        }
        lines.push_back(text.substr(start, i - start));
        if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n') {
            ++i;
        }
        start = i + 1;
    }
    if (start < text.size()) {
        lines.push_back(text.substr(start));
    }
    return lines;
}

std::string DeclaredEncoding(std::string_view text)
{
    if (text.starts_with(kByteOrderMark)) {
        text.remove_prefix(kByteOrderMark.size());
    }
    if (!text.starts_with("<?xml")) {
        return {};
    }
    const std::size_t end = text.find("?>");
    const std::string_view declaration = text.substr(0, end);
    const std::size_t key = store::FindNoCase(declaration, "encoding");
    if (key == std::string_view::npos) {
        return {};
    }
    std::size_t i = declaration.find_first_of("\"'", key);
    if (i == std::string_view::npos) {
        return {};
    }
    const char quote = declaration[i];
    const std::size_t close = declaration.find(quote, i + 1);
    if (close == std::string_view::npos) {
        return {};
    }
    return std::string(declaration.substr(i + 1, close - i - 1));
}

PadSource::PadSource(std::string text, const store::CodePage& codePage)
    : m_text(std::move(text))
    , m_codePage(codePage)
{
    const std::string declared = DeclaredEncoding(m_text);
    if (!declared.empty() && !IsUtf8Name(declared)) {
        if (store::Result<store::CodePage> opened = store::CodePage::Open(declared)) {
            m_declared = opened.Value();
        }
    }
    m_utf8 = !m_declared && store::IsValidUtf8(m_text);
    std::string_view body = m_text;
    if (body.starts_with(kByteOrderMark)) {
        body.remove_prefix(kByteOrderMark.size());
    }
    for (std::string_view line : SplitPadLines(body)) {
        m_lines.push_back(store::HtmlUnescape(line));
    }
}

PadSource PadSource::Load(const std::filesystem::path& file, const store::CodePage& codePage)
{
    return PadSource(store::LoadFileAsString(file), codePage);
}

std::u16string PadSource::Wide(std::string_view raw, bool multiLine) const
{
    std::u16string wide;
    if (m_utf8) {
        wide = store::Utf8ToWide(raw);
    } else if (m_declared) {
        wide = m_declared->ToWide(raw);
    } else {
        wide = m_codePage.ToWide(raw);
    }
    return ResolveReferences(wide, multiLine);
}

std::string PadSource::Text(std::string_view raw, bool multiLine) const
{
    return m_codePage.FromWide(Wide(raw, multiLine));
}

} // namespace listrider::catalogue
