#include "store/ascii.h"

#include <algorithm>
#include <cstring>

namespace listrider::store {

std::string AsciiUpper(std::string_view text)
{
    std::string result(text);
    for (char& c : result) {
        c = AsciiUpper(c);
    }
    return result;
}

std::string AsciiLower(std::string_view text)
{
    std::string result(text);
    for (char& c : result) {
        c = AsciiLower(c);
    }
    return result;
}

bool EqualsNoCase(std::string_view a, std::string_view b)
{
    if (a.size() != b.size()) {
        return false;
    }
    for (std::size_t i = 0; i < a.size(); ++i) {
        if (AsciiUpper(a[i]) != AsciiUpper(b[i])) {
            return false;
        }
    }
    return true;
}

bool StartsWithNoCase(std::string_view text, std::string_view prefix)
{
    return text.size() >= prefix.size() && EqualsNoCase(text.substr(0, prefix.size()), prefix);
}

std::size_t FindNoCase(std::string_view text, std::string_view part, std::size_t from)
{
    if (part.empty() || text.size() < part.size() || from > text.size() - part.size()) {
        return std::string_view::npos;
    }
    const std::size_t last = text.size() - part.size();
    const char upper = AsciiUpper(part.front());
    const char lower = AsciiLower(part.front());
    // Candidates are the positions of the first character in either case; each case is searched
    // with memchr and re-searched only once the scan has passed its last hit.
    auto next = [&](char c, std::size_t pos) {
        if (pos > last) {
            return std::string_view::npos;
        }
        const void* hit = std::memchr(text.data() + pos, c, last - pos + 1);
        return hit == nullptr ? std::string_view::npos
                              : static_cast<std::size_t>(static_cast<const char*>(hit) - text.data());
    };
    std::size_t nextUpper = next(upper, from);
    std::size_t nextLower = upper == lower ? std::string_view::npos : next(lower, from);
    while (true) {
        const std::size_t pos = std::min(nextUpper, nextLower);
        if (pos == std::string_view::npos) {
            return pos;
        }
        if (EqualsNoCase(text.substr(pos, part.size()), part)) {
            return pos;
        }
        if (nextUpper == pos) {
            nextUpper = next(upper, pos + 1);
        }
        if (nextLower == pos) {
            nextLower = next(lower, pos + 1);
        }
    }
}

bool ContainsNoCase(std::string_view text, std::string_view part)
{
    return FindNoCase(text, part) != std::string_view::npos;
}

int PosNoCase(std::string_view text, std::string_view part)
{
    const std::size_t pos = FindNoCase(text, part);
    return pos == std::string_view::npos ? -1 : static_cast<int>(pos) + 1;
}

} // namespace listrider::store
