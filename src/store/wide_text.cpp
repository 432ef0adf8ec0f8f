#include "store/wide_text.h"

namespace listrider::store {

std::size_t CountEditChars(std::span<const std::string> lines)
{
    std::size_t total = 0;
    for (const std::string& line : lines) {
        total += line.size();
    }
    return total;
}

std::size_t CountEditChars(std::span<const std::u16string> lines)
{
    std::size_t total = 0;
    for (const std::u16string& line : lines) {
        total += line.size();
    }
    return total;
}

std::u16string FirstItems(std::u16string_view text, int count)
{
    if (count < 1) {
        return {};
    }
    std::u16string result;
    int commas = 1;
    for (const char16_t c : text) {
        result.push_back(c);
        if (c == u',') {
            ++commas;
        }
        if (commas >= count) {
            break;
        }
    }
    if (!result.empty() && result.back() == u' ') {
        result.pop_back();
    }
    if (!result.empty() && result.back() == u',') {
        result.pop_back();
    }
    return result;
}

std::u16string CollapseSpaces(std::u16string_view text)
{
    std::u16string result;
    result.reserve(text.size());
    for (const char16_t c : text) {
        if (c == u' ' && !result.empty() && result.back() == u' ') {
            continue;
        }
        result.push_back(c);
    }
    return result;
}

} // namespace listrider::store
