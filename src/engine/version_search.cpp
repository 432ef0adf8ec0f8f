#include "engine/version_search.h"

#include <algorithm>
#include <array>

#include "engine/page_search.h"
#include "store/ascii.h"

namespace listrider::engine {
namespace {

constexpr std::size_t kNpos = std::string_view::npos;

// The words looked for in a version's first word.
enum Pattern : std::size_t
{
    kPro,
    kElite,
    kLite,
    kDeluxe,
    kOs2,
    kBuild,
    kBeta,
    kAlpha,
    kPatternCount,
};

// In lower case: a word's letters are lowered to be compared with them.
constexpr std::array<std::string_view, kPatternCount> kPatterns = {
    "pro", "elite", "lite", "deluxe", "os/2", "build", "beta", "alpha"};

bool IsDigit(char c)
{
    return c >= '0' && c <= '9';
}

bool IsVersionWord(std::string_view word)
{
    for (const char c : word) {
        if (IsDigit(c)) {
            return true;
        }
    }
    return store::ContainsNoCase(word, "Build") || store::ContainsNoCase(word, "Beta") ||
           store::ContainsNoCase(word, "Alpha");
}

// What one word holds, asked for any start inside it: many occurrences of a label can fall
// inside one long word, so its facts are gathered once and each start is answered at once.
class WordFacts
{
public:
    // Gathers the facts of the word page[start, end).
    void Load(std::string_view page, std::size_t start, std::size_t end)
    {
        m_end = end;
        m_lastDigit = kNpos;
        m_lastStart.fill(kNpos);
        const std::string_view word = page.substr(start, end - start);
        for (std::size_t i = word.size(); i-- > 0;) {
            if (IsDigit(word[i])) {
                m_lastDigit = start + i;
                break;
            }
        }
        for (std::size_t p = 0; p < kPatternCount; ++p) {
            const std::size_t last = LastIn(word, kPatterns[p]);
            m_lastStart[p] = last == kNpos ? kNpos : start + last;
        }
    }

    std::size_t End() const { return m_end; }

    // Returns whether the part of the word from `start` holds the pattern.
    bool Has(Pattern pattern, std::size_t start) const
    {
        return m_lastStart[pattern] != kNpos && m_lastStart[pattern] >= start;
    }

    bool HasDigit(std::size_t start) const { return m_lastDigit != kNpos && m_lastDigit >= start; }

private:
    static std::size_t LastIn(std::string_view word, std::string_view pattern)
    {
        if (pattern.size() > word.size()) {
            return kNpos;
        }
        for (std::size_t i = word.size() - pattern.size() + 1; i-- > 0;) {
            std::size_t k = 0;
            while (k < pattern.size() && store::AsciiLower(word[i + k]) == pattern[k]) {
                ++k;
            }
            if (k == pattern.size()) {
                return i;
            }
        }
        return kNpos;
    }

    std::size_t m_end = kNpos;
    std::size_t m_lastDigit = kNpos;
    std::array<std::size_t, kPatternCount> m_lastStart{};
};

// The first position at or after `from` of the next character of a set; remembered while the
// searches move forward, so a long stretch is crossed once however many searches start in it.
class ForwardFind
{
public:
    template <class Find>
    std::size_t At(std::size_t from, Find find)
    {
        if (!m_valid || from > m_found) {
            m_found = find(from);
            m_valid = true;
        }
        return m_found;
    }

private:
    bool m_valid = false;
    std::size_t m_found = 0;
};

std::string VersionWords(std::string_view value)
{
    std::string words;
    std::size_t pos = 0;
    while (pos < value.size()) {
        pos = value.find_first_not_of(' ', pos);
        if (pos == kNpos) {
            break;
        }
        std::size_t end = value.find(' ', pos);
        if (end == kNpos) {
            end = value.size();
        }
        const std::string_view word = value.substr(pos, end - pos);
        if (!IsVersionWord(word)) {
            break;
        }
        words.append(word).push_back(' ');
        pos = end;
    }
    return words;
}

} // namespace

std::optional<FoundVersion> FindVersion(std::string_view page, std::string_view label, VersionRules rules)
{
    if (label.empty()) {
        return std::nullopt;
    }
    const std::size_t size = page.size();
    auto orEnd = [size](std::size_t pos) {
        return pos == kNpos ? size : pos;
    };
    ForwardFind valueEnd;
    ForwardFind wordStart;
    ForwardFind wordEnd;
    WordFacts facts;
    TextFinder labels(page, label);
    std::size_t from = 0;
    while (true) {
        const std::size_t occurrence = labels.Next(from);
        if (occurrence == kNpos) {
            return std::nullopt;
        }
        from = occurrence + std::max<std::size_t>(label.size() - 1, 1);

        std::size_t start = occurrence + label.size();
        if (start < size && (page[start] == '"' || page[start] == '\'')) {
            ++start;
        }
        const std::size_t end =
            valueEnd.At(start, [&](std::size_t at) { return orEnd(page.find_first_of("<>\"'", at)); });
        const std::size_t first =
            wordStart.At(start, [&](std::size_t at) { return orEnd(page.find_first_not_of(' ', at)); });
        if (first >= end) {
            continue; // no words
        }
        const std::size_t last =
            std::min(end, wordEnd.At(first, [&](std::size_t at) { return orEnd(page.find(' ', at)); }));
        if (facts.End() != last) {
            facts.Load(page, first, last);
        }
        const bool edition = facts.Has(kPro, first) || facts.Has(kElite, first) ||
                             (facts.Has(kLite, first) && facts.Has(kDeluxe, first)) ||
                             (rules.rejectOs2 && facts.Has(kOs2, first));
        const bool versionWord = facts.HasDigit(first) || facts.Has(kBuild, first) ||
                                 facts.Has(kBeta, first) || facts.Has(kAlpha, first);
        if (!edition && versionWord) {
            return FoundVersion{occurrence, VersionWords(page.substr(first, end - first))};
        }
    }
}

} // namespace listrider::engine
