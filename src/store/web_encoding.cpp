#include "store/web_encoding.h"

#include <array>
#include <bit>
#include <chrono>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <vector>

namespace listrider::store {
namespace {

constexpr char kHexDigits[] = "0123456789ABCDEF";

// What one byte becomes in a form value: up to three characters in the low bytes and their count
// in the top byte, so that each input byte costs one table load and one 4-byte store.
constexpr bool IsUnreserved(int c)
{
    return (c >= '0' && c <= '9') || (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || c == '*' ||
           c == '-' || c == '.' || c == '@' || c == '_';
}

constexpr std::uint32_t Pack(char a, char b, char c, std::uint32_t length)
{
    return static_cast<std::uint32_t>(static_cast<unsigned char>(a)) |
           (static_cast<std::uint32_t>(static_cast<unsigned char>(b)) << 8) |
           (static_cast<std::uint32_t>(static_cast<unsigned char>(c)) << 16) | (length << 24);
}

constexpr std::array<std::uint32_t, 256> MakeTable(bool spaceAsPercent20)
{
    std::array<std::uint32_t, 256> table{};
    for (int c = 0; c < 256; ++c) {
        if (IsUnreserved(c)) {
            table[static_cast<std::size_t>(c)] = Pack(static_cast<char>(c), 0, 0, 1);
        } else if (c == ' ' && !spaceAsPercent20) {
            table[static_cast<std::size_t>(c)] = Pack('+', 0, 0, 1);
        } else {
            table[static_cast<std::size_t>(c)] = Pack('%', kHexDigits[c >> 4], kHexDigits[c & 0x0F], 3);
        }
    }
    return table;
}

constexpr std::array<std::uint32_t, 256> kPlusTable = MakeTable(false);
constexpr std::array<std::uint32_t, 256> kPercentTable = MakeTable(true);

// Two input bytes at a time halve the work of long texts: up to six characters and their count
// in the top byte, built once from the byte table on first use (512 KB per space form).
template <bool SpaceAsPercent20>
const std::vector<std::uint64_t>& PairTable()
{
    static const std::vector<std::uint64_t> pairs = [] {
        const std::array<std::uint32_t, 256>& table = SpaceAsPercent20 ? kPercentTable : kPlusTable;
        std::vector<std::uint64_t> built(65536);
        for (std::size_t key = 0; key < built.size(); ++key) {
            const std::uint32_t first = table[key & 0xFF];
            const std::uint32_t second = table[key >> 8];
            const std::uint64_t firstLength = first >> 24;
            const std::uint64_t characters =
                (first & 0xFFFFFFu) | (static_cast<std::uint64_t>(second & 0xFFFFFFu) << (8 * firstLength));
            built[key] = characters | ((firstLength + (second >> 24)) << 56);
        }
        return built;
    }();
    return pairs;
}

template <bool WithNbsp>
std::string Unescape(std::string_view text)
{
    std::string out;
    out.reserve(text.size());
    std::size_t i = 0;
    while (i < text.size()) {
        const std::size_t amp = text.find('&', i);
        if (amp == std::string_view::npos) {
            out.append(text.substr(i));
            break;
        }
        out.append(text.substr(i, amp - i));
        const std::string_view rest = text.substr(amp);
        if (rest.starts_with("&quot;")) {
            out.push_back('"');
            i = amp + 6;
        } else if (WithNbsp && rest.starts_with("&nbsp;")) {
            out.push_back(' ');
            i = amp + 6;
        } else if (rest.starts_with("&apos;")) {
            out.push_back('\'');
            i = amp + 6;
        } else if (rest.starts_with("&amp;")) {
            out.push_back('&');
            i = amp + 5;
        } else {
            out.push_back('&');
            i = amp + 1;
        }
    }
    return out;
}

} // namespace

std::string UrlEncode(std::string_view text, bool spaceAsPercent20)
{
    static_assert(std::endian::native == std::endian::little, "the tables pack characters little-endian");
    const std::array<std::uint32_t, 256>& table = spaceAsPercent20 ? kPercentTable : kPlusTable;
    const std::vector<std::uint64_t>& pairs = spaceAsPercent20 ? PairTable<true>() : PairTable<false>();
    const auto* in = reinterpret_cast<const unsigned char*>(text.data());
    const std::size_t n = text.size();
    // The 8-byte and 4-byte stores write past the encoded characters: the output has room for it.
    std::string out(n * 3 + 8, '\0');
    char* w = out.data();
    std::size_t i = 0;
    for (; i + 2 <= n; i += 2) {
        std::uint16_t key = 0;
        std::memcpy(&key, in + i, 2);
        const std::uint64_t encoded = pairs[key];
        std::memcpy(w, &encoded, 8);
        w += encoded >> 56;
    }
    if (i < n) {
        const std::uint32_t encoded = table[in[i]];
        std::memcpy(w, &encoded, 4);
        w += encoded >> 24;
    }
    out.resize(static_cast<std::size_t>(w - out.data()));
    return out;
}

std::string XmlEscape(std::string_view text)
{
    std::string out;
    out.reserve(text.size());
    for (const char c : text) {
        switch (c) {
        case '\'':
            out.append("&apos;");
            break;
        case '"':
            out.append("&quot;");
            break;
        case '&':
            out.append("&amp;");
            break;
        default:
            out.push_back(c);
        }
    }
    return out;
}

std::string HtmlEscape(std::string_view text)
{
    std::string out;
    out.reserve(text.size());
    for (const char c : text) {
        switch (c) {
        case '&':
            out.append("&amp;");
            break;
        case '<':
            out.append("&lt;");
            break;
        case '>':
            out.append("&gt;");
            break;
        case '"':
            out.append("&quot;");
            break;
        case '\'':
            out.append("&#39;");
            break;
        default:
            out.push_back(c);
        }
    }
    return out;
}

std::string HtmlUnescape(std::string_view text)
{
    return Unescape<false>(text);
}

std::string HtmlUnescapeText(std::string_view text)
{
    return Unescape<true>(text);
}

std::string Base64Encode(std::string_view bytes)
{
    static constexpr char kAlphabet[] = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789+/";
    constexpr std::size_t kBlock = 57; // input bytes per 76-character line
    const std::size_t n = bytes.size();
    if (n == 0) {
        return {};
    }
    std::string out;
    out.reserve(4 * ((n + 2) / 3) + 2 * ((n - 1) / kBlock));
    const auto* data = reinterpret_cast<const unsigned char*>(bytes.data());
    for (std::size_t i = 0; i < n; i += 3) {
        if (i > 0 && i % kBlock == 0) {
            out.append("\r\n");
        }
        const std::size_t left = n - i;
        const unsigned b0 = data[i];
        const unsigned b1 = left > 1 ? data[i + 1] : 0;
        const unsigned b2 = left > 2 ? data[i + 2] : 0;
        out.push_back(kAlphabet[b0 >> 2]);
        out.push_back(kAlphabet[((b0 & 0x03) << 4) | (b1 >> 4)]);
        out.push_back(left > 1 ? kAlphabet[((b1 & 0x0F) << 2) | (b2 >> 6)] : '=');
        out.push_back(left > 2 ? kAlphabet[b2 & 0x3F] : '=');
    }
    return out;
}

std::string MakeBoundary(const std::tm& localTime, int milliseconds)
{
    char stamp[32];
    std::snprintf(stamp,
                  sizeof stamp,
                  "%02d%02d%02d%02d%02d%02d%03d",
                  localTime.tm_mon + 1,
                  localTime.tm_mday,
                  localTime.tm_year % 100,
                  localTime.tm_hour,
                  localTime.tm_min,
                  localTime.tm_sec,
                  milliseconds % 1000);
    return std::string(29, '-') + stamp;
}

std::string MakeBoundary()
{
    const auto now = std::chrono::system_clock::now();
    const std::time_t seconds = std::chrono::system_clock::to_time_t(now);
    const auto millis =
        std::chrono::duration_cast<std::chrono::milliseconds>(now.time_since_epoch()).count() % 1000;
    std::tm local{};
    localtime_r(&seconds, &local);
    return MakeBoundary(local, static_cast<int>(millis));
}

} // namespace listrider::store
