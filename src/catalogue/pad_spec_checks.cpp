#include "catalogue/pad_spec_checks.h"

#include <algorithm>

namespace listrider::catalogue::detail {
namespace {

bool InLength(Text text, std::size_t min, std::size_t max)
{
    return text.size() >= min && text.size() <= max;
}

bool OneOf(Text text, std::span<const std::string_view> words)
{
    for (std::string_view word : words) {
        if (text == Wide(word)) {
            return true;
        }
    }
    return false;
}

} // namespace

bool IsDigit(char32_t c)
{
    return c >= '0' && c <= '9';
}

bool IsAsciiLetter(char32_t c)
{
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
}

bool IsLatinLetter(char32_t c)
{
    return c >= 0xBC && c <= 0xFF;
}

// Any characters but those of `forbidden`, min to max of them.
Check FreeText(std::size_t min, std::size_t max, std::u32string forbidden)
{
    return [=](Text text) {
        return InLength(text, min, max) && text.find_first_of(forbidden) == Text::npos;
    };
}

Check CharSet(std::size_t min, std::size_t max, std::function<bool(char32_t)> allowed)
{
    return [=](Text text) {
        if (!InLength(text, min, max)) {
            return false;
        }
        for (const char32_t c : text) {
            if (!allowed(c)) {
                return false;
            }
        }
        return true;
    };
}

std::u32string Wide(std::string_view ascii)
{
    return std::u32string(ascii.begin(), ascii.end());
}

Check Choice(std::span<const std::string_view> words, bool optional)
{
    return [=](Text text) {
        return (optional && text.empty()) || OneOf(text, words);
    };
}

// "scheme" + min..max characters (no line break) [+ "." + one of the extensions].
Check Url(std::vector<std::string_view> schemes,
          std::size_t min,
          std::size_t max,
          std::vector<std::string_view> extensions,
          bool optional)
{
    return [=](Text text) {
        if (optional && text.empty()) {
            return true;
        }
        if (text.find_first_of(U"\r\n") != Text::npos) {
            return false;
        }
        for (std::string_view scheme : schemes) {
            const std::u32string prefix = Wide(scheme);
            if (!text.starts_with(prefix)) {
                continue;
            }
            const Text rest = text.substr(prefix.size());
            if (extensions.empty()) {
                return InLength(rest, min, max);
            }
            for (std::string_view extension : extensions) {
                const std::u32string suffix = U"." + Wide(extension);
                if (rest.ends_with(suffix) &&
                    InLength(rest.substr(0, rest.size() - suffix.size()), min, max)) {
                    return true;
                }
            }
        }
        return false;
    };
}

// 2-30 characters, "@", 2-20, ".", 2-20 (any characters but line breaks).
bool Email(Text text)
{
    if (text.find_first_of(U"\r\n") != Text::npos) {
        return false;
    }
    for (std::size_t at = 2; at <= 30 && at < text.size(); ++at) {
        if (text[at] != '@') {
            continue;
        }
        for (std::size_t dot = at + 3; dot <= at + 21 && dot < text.size(); ++dot) {
            const std::size_t tld = text.size() - dot - 1;
            if (text[dot] == '.' && tld >= 2 && tld <= 20) {
                return true;
            }
        }
    }
    return false;
}

// Up to two "+", then nothing or 7-40 phone characters, each followed by any spaces.
bool Phone(Text text)
{
    auto isPhoneChar = [](char32_t c) {
        return IsDigit(c) || (c >= ')' && c <= '/') || c == '#' || c == '(' || c == '_';
    };
    for (std::size_t plus = 0; plus <= 2 && plus <= text.size(); ++plus) {
        if (plus > 0 && text[plus - 1] != '+') {
            break;
        }
        const Text rest = text.substr(plus);
        if (rest.empty()) {
            return true;
        }
        if (!isPhoneChar(rest.front())) {
            continue;
        }
        std::size_t count = 0;
        bool ok = true;
        for (const char32_t c : rest) {
            if (isPhoneChar(c)) {
                ++count;
            } else if (c != ' ') {
                ok = false;
                break;
            }
        }
        if (ok && count >= 7 && count <= 40) {
            return true;
        }
    }
    return false;
}

bool TwoDigitRange(Text text, int low, int high)
{
    if (text.size() != 2 || !IsDigit(text[0]) || !IsDigit(text[1])) {
        return false;
    }
    const int value = static_cast<int>(text[0] - '0') * 10 + static_cast<int>(text[1] - '0');
    return value >= low && value <= high;
}

bool Year(Text text)
{
    return text.size() == 4 &&
           (text.starts_with(U"19") || text.starts_with(U"20") || text.starts_with(U"21")) &&
           IsDigit(text[2]) && IsDigit(text[3]);
}

// Digits, optionally with "." and exactly two decimals; empty allowed.
bool Price(Text text)
{
    if (text.empty()) {
        return true;
    }
    const std::size_t dot = text.find('.');
    const Text whole = text.substr(0, dot);
    if (whole.empty() || !std::all_of(whole.begin(), whole.end(), IsDigit)) {
        return false;
    }
    if (dot == Text::npos) {
        return true;
    }
    const Text cents = text.substr(dot + 1);
    return cents.size() == 2 && IsDigit(cents[0]) && IsDigit(cents[1]);
}

// A run of words from the list, each followed by any commas and spaces (languages: commas only).
bool WordSequence(Text text,
                  std::span<const std::string_view> words,
                  std::u32string_view separators,
                  bool separatorIsWord)
{
    std::vector<int> reachable(text.size() + 1, 0);
    reachable[0] = 1;
    for (std::size_t pos = 0; pos < text.size(); ++pos) {
        if (!reachable[pos]) {
            continue;
        }
        if (separatorIsWord && separators.find(text[pos]) != Text::npos) {
            reachable[pos + 1] = 1;
            continue;
        }
        for (std::string_view word : words) {
            const std::u32string w = Wide(word);
            if (text.substr(pos).starts_with(w)) {
                std::size_t end = pos + w.size();
                while (!separatorIsWord && end < text.size() && separators.find(text[end]) != Text::npos) {
                    ++end;
                }
                reachable[end] = 1;
                for (std::size_t k = pos + w.size(); k <= end; ++k) {
                    reachable[k] = 1;
                }
            }
        }
    }
    return !text.empty() && reachable[text.size()];
}

} // namespace listrider::catalogue::detail
