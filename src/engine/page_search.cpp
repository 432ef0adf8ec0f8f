#include "engine/page_search.h"

#include <cstring>

#include "store/ascii.h"

namespace listrider::engine {
namespace {

constexpr std::size_t kNpos = std::string_view::npos;

bool SameLetter(char a, char b)
{
    return store::AsciiUpper(a) == store::AsciiUpper(b);
}

bool IsQuote(char c)
{
    return c == '"' || c == '\'';
}

} // namespace

std::size_t FindLastNoCase(std::string_view page, std::string_view text)
{
    if (text.empty() || text.size() > page.size()) {
        return kNpos;
    }
    for (std::size_t pos = page.size() - text.size() + 1; pos-- > 0;) {
        if (SameLetter(page[pos], text[0]) && store::EqualsNoCase(page.substr(pos, text.size()), text)) {
            return pos;
        }
    }
    return kNpos;
}

std::string FromFirst(std::string_view page, std::string_view text)
{
    const std::size_t pos = store::FindNoCase(page, text);
    return pos == kNpos ? std::string() : std::string(page.substr(pos));
}

std::string BeforeLast(std::string_view page, std::string_view text)
{
    const std::size_t pos = FindLastNoCase(page, text);
    return pos == kNpos ? std::string() : std::string(page.substr(0, pos));
}

std::string BeforeFirst(std::string_view page, std::string_view text)
{
    const std::size_t pos = store::FindNoCase(page, text);
    return pos == kNpos ? std::string() : std::string(page.substr(0, pos));
}

std::string_view ValueAt(std::string_view page, std::size_t start)
{
    start = std::min(start, page.size());
    if (start < page.size() && IsQuote(page[start])) {
        ++start;
    }
    std::size_t end = page.find_first_of("<>\"'", start);
    if (end == kNpos) {
        end = page.size();
    }
    return page.substr(start, end - start);
}

std::optional<std::string> ValueAfter(std::string_view page, std::string_view text)
{
    const std::size_t pos = store::FindNoCase(page, text);
    if (pos == kNpos) {
        return std::nullopt;
    }
    return std::string(ValueAt(page, pos + text.size()));
}

std::optional<std::string> ValueAfterLast(std::string_view page, std::string_view text)
{
    const std::size_t pos = FindLastNoCase(page, text);
    if (pos == kNpos) {
        return std::nullopt;
    }
    return std::string(ValueAt(page, pos + text.size()));
}

LetterFinder::LetterFinder(std::string_view page, char letter)
    : m_page(page)
{
    m_upper.letter = store::AsciiUpper(letter);
    m_lower.letter = store::AsciiLower(letter);
}

std::size_t LetterFinder::NextOf(Hit& hit, std::size_t from) const
{
    if (!hit.searched || (hit.at != kNpos && hit.at < from)) {
        hit.searched = true;
        const void* found = from < m_page.size()
                                ? std::memchr(m_page.data() + from, hit.letter, m_page.size() - from)
                                : nullptr;
        hit.at = found == nullptr ? kNpos
                                  : static_cast<std::size_t>(static_cast<const char*>(found) - m_page.data());
    }
    return hit.at;
}

std::size_t LetterFinder::Next(std::size_t from)
{
    const std::size_t upper = NextOf(m_upper, from);
    if (m_upper.letter == m_lower.letter) {
        return upper;
    }
    return std::min(upper, NextOf(m_lower, from));
}

TextFinder::TextFinder(std::string_view page, std::string_view text)
    : m_page(page)
    , m_text(text)
    , m_first(page, text.empty() ? '\0' : text[0])
{}

std::size_t TextFinder::Next(std::size_t from)
{
    if (m_text.empty()) {
        return kNpos;
    }
    for (std::size_t pos = m_first.Next(from); pos != kNpos; pos = m_first.Next(pos + 1)) {
        if (pos + m_text.size() > m_page.size()) {
            return kNpos;
        }
        std::size_t k = 1;
        while (k < m_text.size() && SameLetter(m_page[pos + k], m_text[k])) {
            ++k;
        }
        if (k == m_text.size()) {
            return pos;
        }
    }
    return kNpos;
}

SmartSearch::SmartSearch(std::string_view page)
    : m_page(page)
    , m_jump(std::make_unique_for_overwrite<std::uint32_t[]>(page.size() + 1))
{
    const std::size_t size = page.size();
    std::size_t nextClose = kNpos; // the first '>' after the position being filled
    for (std::size_t pos = size; pos-- > 0;) {
        const char c = page[pos];
        if (c == '<') {
            // A tag is read past up to its '>'; one that never closes runs to the end.
            m_jump[pos] = static_cast<std::uint32_t>(nextClose == kNpos ? size : AfterTags(nextClose + 1));
        } else if (c == ' ' || c == '\r') {
            m_jump[pos] = static_cast<std::uint32_t>(AfterTagsAndSpace(pos + 1));
        } else if (c == '>') {
            nextClose = pos;
        }
    }
}

std::size_t SmartSearch::AfterTags(std::size_t pos) const
{
    return pos < m_page.size() && m_page[pos] == '<' ? m_jump[pos] : pos;
}

std::size_t SmartSearch::AfterTagsAndSpace(std::size_t pos) const
{
    const std::size_t after = AfterTags(pos);
    return after < m_page.size() && (m_page[after] == ' ' || m_page[after] == '\r') ? m_jump[after] : after;
}

std::size_t SmartSearch::MatchAt(std::size_t start, std::string_view text) const
{
    if (text.empty() || start >= m_page.size() || !SameLetter(m_page[start], text[0])) {
        return kNpos;
    }
    std::size_t pos = start + 1;
    for (std::size_t k = 1; k < text.size(); ++k) {
        const std::size_t next = text[k - 1] == ' ' ? AfterTagsAndSpace(pos) : AfterTags(pos);
        if (next >= m_page.size() || !SameLetter(m_page[next], text[k])) {
            return kNpos;
        }
        pos = next + 1;
    }
    return pos;
}

std::optional<SmartOccurrence> SmartSearch::First(std::string_view text, std::size_t from) const
{
    if (text.empty()) {
        return std::nullopt;
    }
    LetterFinder candidates(m_page, text[0]);
    return First(text, from, candidates);
}

std::optional<SmartOccurrence>
SmartSearch::First(std::string_view text, std::size_t from, LetterFinder& candidates) const
{
    if (text.empty()) {
        return std::nullopt;
    }
    for (std::size_t candidate = candidates.Next(from); candidate != kNpos;
         candidate = candidates.Next(candidate + 1)) {
        const std::size_t end = MatchAt(candidate, text);
        if (end != kNpos) {
            return SmartOccurrence{candidate, end};
        }
    }
    return std::nullopt;
}

std::optional<SmartOccurrence> SmartSearch::Last(std::string_view text) const
{
    if (text.empty()) {
        return std::nullopt;
    }
    for (std::size_t candidate = m_page.size(); candidate-- > 0;) {
        if (!SameLetter(m_page[candidate], text[0])) {
            continue;
        }
        const std::size_t end = MatchAt(candidate, text);
        if (end != kNpos) {
            return SmartOccurrence{candidate, end};
        }
    }
    return std::nullopt;
}

std::string SmartAfter(std::string_view page, std::string_view text)
{
    const std::optional<SmartOccurrence> found = SmartSearch(page).First(text);
    return found ? std::string(page.substr(found->end)) : std::string();
}

std::string SmartBefore(std::string_view page, std::string_view text)
{
    const std::optional<SmartOccurrence> found = SmartSearch(page).Last(text);
    return found ? std::string(page.substr(0, found->start)) : std::string();
}

std::string Unsmart(std::string_view page, std::string_view text)
{
    // Scanning resumes right after each inserted text, which is where the removed part ended in
    // the original page; so the rest is always read from the original and the result is built
    // once, left to right.
    if (text.empty()) {
        return std::string(page);
    }
    const SmartSearch search(page);
    LetterFinder candidates(page, text[0]);
    std::string result;
    result.reserve(page.size());
    std::size_t copied = 0;
    std::size_t from = 0;
    while (const std::optional<SmartOccurrence> found = search.First(text, from, candidates)) {
        std::size_t removedEnd = found->end;
        if (removedEnd < page.size() && page[removedEnd] == '<' && page.size() - removedEnd >= 3) {
            const std::size_t close = page.find('>', removedEnd);
            if (close != kNpos) {
                removedEnd = close + 1;
            }
        }
        result.append(page.substr(copied, found->start - copied));
        result.append(text);
        copied = removedEnd;
        from = removedEnd;
    }
    result.append(page.substr(copied));
    return result;
}

} // namespace listrider::engine
