#include "store/web_encoding.h"

#include <array>
#include <chrono>
#include <cstdio>

namespace listrider::store {
namespace {

constexpr char kHexDigits[] = "0123456789ABCDEF";

constexpr std::array<bool, 256> MakeUnreservedTable()
{
    std::array<bool, 256> table{};
    for (int c = '0'; c <= '9'; ++c) {
        table[static_cast<std::size_t>(c)] = true;
    }
    for (int c = 'A'; c <= 'Z'; ++c) {
        table[static_cast<std::size_t>(c)] = true;
    }
    for (int c = 'a'; c <= 'z'; ++c) {
        table[static_cast<std::size_t>(c)] = true;
    }
    for (char c : {'*', '-', '.', '@', '_'}) {
        table[static_cast<unsigned char>(c)] = true;
    }
    return table;
}

constexpr std::array<bool, 256> kUnreserved = MakeUnreservedTable();

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
    std::string out;
    out.resize(text.size() * 3);
    char* w = out.data();
    for (const char ch : text) {
        const auto c = static_cast<unsigned char>(ch);
        if (kUnreserved[c]) {
            *w++ = ch;
        } else if (c == ' ' && !spaceAsPercent20) {
            *w++ = '+';
        } else {
            w[0] = '%';
            w[1] = kHexDigits[c >> 4];
            w[2] = kHexDigits[c & 0x0F];
            w += 3;
        }
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
