#include "engine/mapping_list.h"

#include <charconv>

#include "engine/whole_number.h"
#include "store/ascii.h"

namespace listrider::engine {
namespace {

store::Error Malformed(std::string message, std::string_view detail)
{
    return store::MakeError(store::ErrorKind::Malformed, std::move(message), std::string(detail));
}

store::Error NoPairs()
{
    return store::MakeError(store::ErrorKind::NotFound, "The site's list has no entries");
}

// Returns the number when the text is the plain decimal form of a whole number: the form the
// count would take when a range is written out number by number ("7", never "07" or "+7").
std::optional<std::int64_t> PlainDecimal(std::string_view text)
{
    if (text.empty() || text[0] == '+' || text[0] == ' ' || text.back() == ' ') {
        return std::nullopt;
    }
    const std::string_view digits = text[0] == '-' ? text.substr(1) : text;
    if (digits.empty() || (digits[0] == '0' && (digits.size() > 1 || text[0] == '-'))) {
        return std::nullopt;
    }
    std::int64_t value = 0;
    const char* end = text.data() + text.size();
    const auto [ptr, error] = std::from_chars(text.data(), end, value);
    if (error != std::errc() || ptr != end) {
        return std::nullopt;
    }
    return value;
}

} // namespace

std::vector<MappingPair> PairsOf(store::LineSpan lines)
{
    std::vector<MappingPair> pairs;
    pairs.reserve(lines.size() / 2);
    for (std::size_t i = 0; i + 1 < lines.size(); i += 2) {
        pairs.push_back({lines[i], lines[i + 1]});
    }
    return pairs;
}

int ScoreKey(std::string_view key, std::span<const std::string> keywords)
{
    int score = 0;
    for (const std::string& keyword : keywords) {
        if (store::ContainsNoCase(key, keyword)) {
            ++score;
        }
    }
    return score;
}

store::Result<std::size_t> SelectScoredPair(std::span<const MappingPair> pairs,
                                            std::span<const std::string> keywords)
{
    if (pairs.empty()) {
        return NoPairs();
    }
    std::size_t best = 0;
    int bestScore = 0;
    for (std::size_t i = 0; i < pairs.size(); ++i) {
        const int score = ScoreKey(pairs[i].key, keywords);
        if (score > bestScore) {
            best = i;
            bestScore = score;
        }
    }
    return best;
}

store::Result<std::string> SelectBySize(std::span<const MappingPair> pairs, std::string_view sizeBytes)
{
    if (pairs.empty()) {
        return NoPairs();
    }
    const std::optional<std::int64_t> size = ParseWholeNumber(sizeBytes);
    if (!size) {
        return Malformed("The product's size in bytes is not a whole number", sizeBytes);
    }
    const MappingPair* chosen = nullptr;
    std::int64_t chosenKey = 0;
    for (const MappingPair& pair : pairs) {
        const std::optional<std::int64_t> key = ParseWholeNumber(pair.key);
        if (!key) {
            return Malformed("A size in the site's .siz list is not a whole number", pair.key);
        }
        if (*key >= 0 && *key <= *size && (chosen == nullptr || *key >= chosenKey)) {
            chosen = &pair;
            chosenKey = *key;
        }
    }
    return std::string(chosen != nullptr ? chosen->value : pairs.front().value);
}

store::Result<std::string> SelectByExpireCount(std::span<const MappingPair> pairs, std::string_view count)
{
    if (pairs.empty()) {
        return NoPairs();
    }
    // A range is tested by value, not written out: "1-2000000000" would otherwise compare two
    // billion numbers. The count matches only in the form a written-out number would take.
    const std::optional<std::int64_t> number = PlainDecimal(count);
    const MappingPair* chosen = nullptr;
    for (const MappingPair& pair : pairs) {
        const std::size_t dash = pair.key.find('-');
        bool matches = false;
        if (dash != std::string_view::npos) {
            const std::optional<std::int64_t> from = ParseWholeNumber(pair.key.substr(0, dash));
            const std::optional<std::int64_t> to = ParseWholeNumber(pair.key.substr(dash + 1));
            if (!from || !to) {
                return Malformed("A range in the site's .exp list is not made of whole numbers", pair.key);
            }
            matches = number && *from <= *number && *number <= *to;
        } else {
            matches = pair.key == count;
        }
        if (matches) {
            chosen = &pair;
        }
    }
    return std::string(chosen != nullptr ? chosen->value : pairs.front().value);
}

std::string SelectByExpireUnit(std::span<const MappingPair> pairs, std::string_view word)
{
    auto find = [&](std::string_view part) -> const MappingPair* {
        for (const MappingPair& pair : pairs) {
            if (store::ContainsNoCase(pair.key, part)) {
                return &pair;
            }
        }
        return nullptr;
    };
    const MappingPair* found = find(word);
    if (found == nullptr && word == "Date") {
        found = find("Either/Or");
    }
    return found != nullptr ? std::string(found->value) : std::string();
}

} // namespace listrider::engine
