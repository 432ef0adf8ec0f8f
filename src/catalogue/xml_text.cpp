#include "catalogue/xml_text.h"

#include "store/unicode.h"

namespace listrider::catalogue {
namespace {

bool IsNameStart(char32_t c)
{
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || c == '_' || (c >= 0xC0 && c <= 0xD6) ||
           (c >= 0xD8 && c <= 0xF6) || (c >= 0xF8 && c <= 0x2FF) || (c >= 0x370 && c <= 0x37D) ||
           (c >= 0x37F && c <= 0x1FFF) || (c >= 0x200C && c <= 0x200D) || (c >= 0x2070 && c <= 0x218F) ||
           (c >= 0x2C00 && c <= 0x2FEF) || (c >= 0x3001 && c <= 0xD7FF) || (c >= 0xF900 && c <= 0xFDCF) ||
           (c >= 0xFDF0 && c <= 0xFFFD) || (c >= 0x10000 && c <= 0xEFFFF);
}

bool IsNameChar(char32_t c)
{
    return IsNameStart(c) || c == '-' || c == '.' || (c >= '0' && c <= '9') || c == 0xB7 ||
           (c >= 0x300 && c <= 0x36F) || (c >= 0x203F && c <= 0x2040);
}

// Returns the length of the UTF-8 sequence starting with `lead`, or 0 for a byte that cannot
// start one.
std::size_t SequenceLength(unsigned char lead)
{
    if (lead < 0x80) {
        return 1;
    }
    if (lead >= 0xC2 && lead <= 0xDF) {
        return 2;
    }
    if (lead >= 0xE0 && lead <= 0xEF) {
        return 3;
    }
    if (lead >= 0xF0 && lead <= 0xF4) {
        return 4;
    }
    return 0;
}

} // namespace

bool IsXmlChar(char32_t cp)
{
    return cp == 0x9 || cp == 0xA || cp == 0xD || (cp >= 0x20 && cp <= 0xD7FF) ||
           (cp >= 0xE000 && cp <= 0xFFFD) || (cp >= 0x10000 && cp <= 0x10FFFF);
}

std::u32string DecodeUtf8(std::string_view utf8)
{
    std::u32string out;
    for (std::size_t i = 0; i < utf8.size();) {
        const std::size_t length = SequenceLength(static_cast<unsigned char>(utf8[i]));
        if (length == 0 || i + length > utf8.size() || !store::IsValidUtf8(utf8.substr(i, length))) {
            out.push_back(0xFFFD);
            ++i;
            continue;
        }
        const std::u16string wide = store::Utf8ToWide(utf8.substr(i, length));
        if (wide.size() == 2) {
            out.push_back(0x10000 + ((static_cast<char32_t>(wide[0]) - 0xD800) << 10) +
                          (static_cast<char32_t>(wide[1]) - 0xDC00));
        } else {
            out.push_back(wide.empty() ? 0xFFFD : wide[0]);
        }
        i += length;
    }
    return out;
}

std::string PadValue(std::string_view utf8)
{
    std::string out;
    out.reserve(utf8.size());
    for (const char32_t cp : DecodeUtf8(utf8)) {
        switch (cp) {
        case '&':
            out += "&amp;";
            break;
        case '\'':
            out += "&apos;";
            break;
        case '"':
            out += "&quot;";
            break;
        case '<':
            out += "&lt;";
            break;
        case '>':
            out += "&gt;";
            break;
        case '\t':
        case '\n':
        case '\r':
            out += ' ';
            break;
        default:
            if (IsXmlChar(cp)) {
                store::AppendUtf8(out, cp);
            }
        }
    }
    return out;
}

std::string PadElementName(std::string_view utf8)
{
    std::string out;
    bool first = true;
    for (const char32_t cp : DecodeUtf8(utf8)) {
        if (first && !IsNameStart(cp) && IsNameChar(cp)) {
            out += '_';
        }
        first = false;
        if (IsNameChar(cp)) {
            store::AppendUtf8(out, cp);
        } else {
            out += '_';
        }
    }
    return out.empty() ? std::string("_") : out;
}

std::string LanguageOfElementName(std::string_view name)
{
    std::string text(name);
    for (char& c : text) {
        if (c == '_') {
            c = ' ';
        }
    }
    const std::size_t first = text.find_first_not_of(' ');
    if (first == std::string::npos) {
        return {};
    }
    const std::size_t last = text.find_last_not_of(' ');
    return text.substr(first, last - first + 1);
}

} // namespace listrider::catalogue
