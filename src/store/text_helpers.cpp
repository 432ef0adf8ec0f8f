#include "store/text_helpers.h"

#include <algorithm>
#include <limits>

#include "store/ascii.h"

namespace listrider::store {

std::string RIS(std::string_view name)
{
    std::string kept;
    kept.reserve(name.size());
    for (const char c : name) {
        if (c != ':' && c != ',' && c != '.' && c != '/' && c != '\\') {
            kept.push_back(c);
        }
    }
    return TrimLeadingSpaces(TrimTrailingSpaces(kept));
}

std::string TrimLeadingSpaces(std::string_view text)
{
    const std::size_t first = text.find_first_not_of(' ');
    if (first == std::string_view::npos) {
        return std::string(text);
    }
    return std::string(text.substr(first));
}

std::string TrimTrailingSpaces(std::string_view text)
{
    const std::size_t last = text.find_last_not_of(' ');
    if (last == std::string_view::npos) {
        return std::string(text);
    }
    return std::string(text.substr(0, last + 1));
}

std::string Capitalize(std::string_view text)
{
    std::string result = AsciiLower(text);
    if (!result.empty()) {
        result[0] = AsciiUpper(result[0]);
    }
    return result;
}

std::string UpperCyrillic(std::string_view text)
{
    std::string result(text);
    for (char& c : result) {
        const auto b = static_cast<unsigned char>(c);
        if (b > 223) {
            c = static_cast<char>(b - 32);
        } else {
            c = AsciiUpper(c);
        }
    }
    return result;
}

std::string DotToComma(std::string_view text)
{
    std::string result(text);
    for (char& c : result) {
        if (c == '.') {
            c = ',';
        }
    }
    return result;
}

std::string CommaToDot(std::string_view text)
{
    std::string result(text);
    for (char& c : result) {
        if (c == ',') {
            c = '.';
        }
    }
    return result;
}

std::int64_t DigitsToInt(std::string_view text)
{
    const bool negative = !text.empty() && text.front() == '-';
    constexpr auto kMax = std::numeric_limits<std::int64_t>::max();
    std::int64_t value = 0;
    bool clamped = false;
    for (const char c : text) {
        if (c < '0' || c > '9') {
            continue;
        }
        const int digit = c - '0';
        if (value > (kMax - digit) / 10) {
            clamped = true;
            break;
        }
        value = value * 10 + digit;
    }
    if (clamped) {
        return negative ? std::numeric_limits<std::int64_t>::min() : kMax;
    }
    return negative ? -value : value;
}

bool AllCharsIn(std::string_view text, std::string_view set)
{
    return text.find_first_not_of(set) == std::string_view::npos;
}

std::string KeepCharsIn(std::string_view text, std::string_view set)
{
    std::string result;
    result.reserve(text.size());
    for (const char c : text) {
        if (set.find(c) != std::string_view::npos) {
            result.push_back(c);
        }
    }
    return result;
}

std::string PrefixThroughMatch(std::string_view text, std::string_view part)
{
    const std::size_t pos = FindNoCase(text, part);
    if (pos == std::string_view::npos) {
        return {};
    }
    return std::string(text.substr(0, pos + 1));
}

std::string DoubleAmpersands(std::string_view text)
{
    std::string result;
    result.reserve(text.size());
    for (const char c : text) {
        result.push_back(c);
        if (c == '&') {
            result.push_back('&');
        }
    }
    return result;
}

std::string UndoubleAmpersands(std::string_view text)
{
    std::string result;
    result.reserve(text.size());
    for (const char c : text) {
        if (c == '&' && (result.empty() || result.back() == '&')) {
            continue;
        }
        result.push_back(c);
    }
    return result;
}

std::string StripScheme(std::string_view text)
{
    if (StartsWithNoCase(text, "https://")) {
        return std::string(text.substr(8));
    }
    if (StartsWithNoCase(text, "HTT")) {
        return std::string(text.substr(std::min<std::size_t>(7, text.size())));
    }
    if (StartsWithNoCase(text, "FTP")) {
        return std::string(text.substr(std::min<std::size_t>(6, text.size())));
    }
    return std::string(text);
}

} // namespace listrider::store
