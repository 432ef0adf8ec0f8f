#include "store/code_page.h"

#include <cerrno>
#include <mutex>
#include <optional>

#include <iconv.h>

#include "store/unicode.h"

namespace listrider::store {
namespace {

// Returns the Unicode value of one byte in the code page, or nothing when iconv has none.
std::optional<char32_t> DecodeByte(iconv_t cd, unsigned char byte)
{
    char in[1] = {static_cast<char>(byte)};
    char out[8] = {};
    char* inPtr = in;
    char* outPtr = out;
    std::size_t inLeft = 1;
    std::size_t outLeft = sizeof out;
    iconv(cd, nullptr, nullptr, nullptr, nullptr);
    if (iconv(cd, &inPtr, &inLeft, &outPtr, &outLeft) == static_cast<std::size_t>(-1) || inLeft != 0) {
        return std::nullopt;
    }
    const std::size_t produced = sizeof out - outLeft;
    if (produced != 4) {
        return std::nullopt; // more than one character for one byte
    }
    const auto* u = reinterpret_cast<const unsigned char*>(out);
    return static_cast<char32_t>(u[0]) | (static_cast<char32_t>(u[1]) << 8) |
           (static_cast<char32_t>(u[2]) << 16) | (static_cast<char32_t>(u[3]) << 24);
}

// Returns the character at `i`, joining a surrogate pair (and stepping `i` over its second half).
char32_t NextCodePoint(std::u16string_view wide, std::size_t& i)
{
    const char32_t unit = wide[i];
    if (unit >= 0xD800 && unit <= 0xDBFF && i + 1 < wide.size() && wide[i + 1] >= 0xDC00 &&
        wide[i + 1] <= 0xDFFF) {
        ++i;
        return 0x10000 + ((unit - 0xD800) << 10) + (wide[i] - 0xDC00);
    }
    return unit;
}

} // namespace

Result<CodePage> CodePage::Open(std::string_view name)
{
    static std::mutex cacheMutex;
    static std::unordered_map<std::string, std::shared_ptr<const Table>> cache;
    const std::string key(name);
    {
        std::lock_guard lock(cacheMutex);
        if (auto found = cache.find(key); found != cache.end()) {
            return CodePage(found->second);
        }
    }

    iconv_t cd = iconv_open("UTF-32LE", key.c_str());
    if (cd == reinterpret_cast<iconv_t>(-1)) {
        return MakeError(ErrorKind::Unsupported, "Unknown code page \"" + key + "\"");
    }
    auto table = std::make_shared<Table>();
    table->name = key;
    int defined = 0;
    for (int b = 0; b < 256; ++b) {
        const std::optional<char32_t> cp = DecodeByte(cd, static_cast<unsigned char>(b));
        if (cp) {
            ++defined;
        }
        // Undefined bytes keep their own value (the C1 controls for 0x80-0x9F), as Windows does.
        table->toUnicode[static_cast<std::size_t>(b)] = cp.value_or(static_cast<char32_t>(b));
    }
    iconv_close(cd);
    // A multi-byte encoding leaves most bytes above 127 without a character of their own.
    if (defined < 200 || table->toUnicode['A'] != U'A') {
        return MakeError(ErrorKind::Unsupported,
                         "Code page \"" + key + "\" is not a single-byte code page with ASCII");
    }
    for (int b = 255; b >= 0; --b) {
        table->fromUnicode[table->toUnicode[static_cast<std::size_t>(b)]] = static_cast<unsigned char>(b);
    }
    std::lock_guard lock(cacheMutex);
    auto [it, inserted] = cache.emplace(key, std::move(table));
    return CodePage(it->second);
}

CodePage CodePage::Default()
{
    static const CodePage page = [] {
        Result<CodePage> opened = Open("WINDOWS-1252");
        if (!opened) {
            opened = Open("ISO-8859-1");
        }
        return opened.Value();
    }();
    return page;
}

bool CodePage::Encode(char32_t cp, char& out) const
{
    if (cp < 0x80 && m_table->toUnicode[cp] == cp) {
        out = static_cast<char>(cp);
        return true;
    }
    const auto found = m_table->fromUnicode.find(cp);
    if (found == m_table->fromUnicode.end()) {
        return false;
    }
    out = static_cast<char>(found->second);
    return true;
}

std::string CodePage::ToUtf8(std::string_view text) const
{
    std::string out;
    out.reserve(text.size());
    for (const char c : text) {
        const char32_t cp = m_table->toUnicode[static_cast<unsigned char>(c)];
        AppendUtf8(out, cp);
    }
    return out;
}

std::string CodePage::FromUtf8(std::string_view utf8, char replacement) const
{
    std::string out;
    out.reserve(utf8.size());
    std::size_t i = 0;
    while (i < utf8.size()) {
        // Decode one sequence at a time so a malformed byte costs one replacement only.
        std::size_t length = 1;
        const auto b0 = static_cast<unsigned char>(utf8[i]);
        if (b0 >= 0xF0) {
            length = 4;
        } else if (b0 >= 0xE0) {
            length = 3;
        } else if (b0 >= 0xC0) {
            length = 2;
        }
        const std::u16string wide = i + length <= utf8.size() ? Utf8ToWide(utf8.substr(i, length)) : u"";
        if (wide.empty()) {
            out.push_back(b0 < 0x80 ? static_cast<char>(b0) : replacement);
            ++i;
            continue;
        }
        out.append(FromWide(wide, replacement));
        i += length;
    }
    return out;
}

std::u16string CodePage::ToWide(std::string_view text) const
{
    std::u16string out;
    out.reserve(text.size());
    for (const char c : text) {
        const char32_t cp = m_table->toUnicode[static_cast<unsigned char>(c)];
        if (cp >= 0x10000) {
            const char32_t v = cp - 0x10000;
            out.push_back(static_cast<char16_t>(0xD800 + (v >> 10)));
            out.push_back(static_cast<char16_t>(0xDC00 + (v & 0x3FF)));
        } else {
            out.push_back(static_cast<char16_t>(cp));
        }
    }
    return out;
}

std::size_t CodePage::CountUnmappable(std::u16string_view wide) const
{
    std::size_t count = 0;
    char ignored = 0;
    for (std::size_t i = 0; i < wide.size(); ++i) {
        const char32_t cp = NextCodePoint(wide, i);
        if (!Encode(cp, ignored)) {
            ++count;
        }
    }
    return count;
}

std::string CodePage::FromWide(std::u16string_view wide, char replacement) const
{
    std::string out;
    out.reserve(wide.size());
    for (std::size_t i = 0; i < wide.size(); ++i) {
        const char32_t cp = NextCodePoint(wide, i);
        char byte = 0;
        out.push_back(Encode(cp, byte) ? byte : replacement);
    }
    return out;
}

} // namespace listrider::store
