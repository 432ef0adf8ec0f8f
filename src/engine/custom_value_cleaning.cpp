#include "engine/custom_value_cleaning.h"

#include <algorithm>

#include "engine/whole_number.h"
#include "store/text_helpers.h"

namespace listrider::engine {
namespace {

// A growing replacement (a search text that the replacement recreates with the text around it)
// would never stop; past this many replacements in one value the pair stops.
constexpr std::size_t kMaxReplacements = 100000;

std::string Trimmed(std::string_view value)
{
    return store::TrimTrailingSpaces(store::TrimLeadingSpaces(value));
}

// Replaces the first occurrence until none is left. After a replacement at p the text before p
// is unchanged and held no occurrence, so the next search starts where one could newly begin.
void ReplaceRepeatedly(std::string& value, std::string_view search, std::string_view replacement)
{
    std::string upper = store::UpperCyrillic(value);
    const std::string upperSearch = store::UpperCyrillic(search);
    const std::string upperReplacement = store::UpperCyrillic(replacement);
    std::size_t from = 0;
    for (std::size_t count = 0; count < kMaxReplacements; ++count) {
        const std::size_t pos = upper.find(upperSearch, from);
        if (pos == std::string::npos) {
            return;
        }
        value.replace(pos, search.size(), replacement);
        upper.replace(pos, search.size(), upperReplacement);
        from = pos >= search.size() - 1 ? pos - (search.size() - 1) : 0;
    }
}

void ReplaceOnePass(std::string& value, std::string_view search, std::string_view replacement)
{
    const std::string upper = store::UpperCyrillic(value);
    const std::string upperSearch = store::UpperCyrillic(search);
    std::string result;
    std::size_t copied = 0;
    for (std::size_t pos = upper.find(upperSearch); pos != std::string::npos;
         pos = upper.find(upperSearch, pos + search.size())) {
        result.append(value, copied, pos - copied).append(replacement);
        copied = pos + search.size();
    }
    value = result.append(value, copied, std::string::npos);
}

} // namespace

void CleanCustomValues(std::span<std::string> values, store::LineSpan replacements)
{
    for (std::size_t i = 0; i + 1 < replacements.size(); i += 2) {
        const std::string_view search = replacements[i];
        const std::string_view replacement = replacements[i + 1];
        if (search.empty()) {
            continue;
        }
        const bool recreates =
            store::UpperCyrillic(replacement).find(store::UpperCyrillic(search)) != std::string::npos;
        for (std::string& value : values) {
            if (recreates) {
                ReplaceOnePass(value, search, replacement);
            } else {
                ReplaceRepeatedly(value, search, replacement);
            }
            value = Trimmed(value);
        }
    }
}

void TrimCustomValues(std::span<std::string> values)
{
    for (std::string& value : values) {
        value = Trimmed(value);
    }
}

void CalculateStatsSum(std::span<std::string> values, long long a, long long b)
{
    const long long count = static_cast<long long>(std::min<std::size_t>(values.size(), 10));
    if (a < 1 || a > count || b < 1) {
        return;
    }
    const long long last = b >= count ? count : std::min(5 + b, count);
    std::string pieces;
    for (long long i = 6; i <= last; ++i) {
        pieces += values[static_cast<std::size_t>(i - 1)];
    }
    values[static_cast<std::size_t>(a - 1)] += pieces;
}

void ApplyStatsSum(std::span<std::string> values, std::string_view statsSum)
{
    const std::size_t comma = statsSum.find(',');
    if (comma == std::string_view::npos) {
        return;
    }
    const long long a = ParseWholeNumber(statsSum.substr(0, comma)).value_or(0);
    const long long b = ParseWholeNumber(statsSum.substr(comma + 1)).value_or(0);
    CalculateStatsSum(values, a, b);
}

} // namespace listrider::engine
