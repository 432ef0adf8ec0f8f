// What a search or stats script does with the values it extracted before they are stored: the
// site's replacement list (.zam) and the joining of figures split over several values.
#pragma once

#include <span>
#include <string>
#include <string_view>

#include "store/line_list.h"

namespace listrider::engine {

/// Applies the replacement pairs (search text, replacement; a last unpaired line ignored) to
/// every value, pair by pair. A pair replaces the first occurrence (compared after UpperCyrillic)
/// again and again until none is left, then the value is trimmed of spaces. A pair whose
/// replacement holds its own search text is applied in one left-to-right pass instead; a pair
/// with an empty search text is skipped.
void CleanCustomValues(std::span<std::string> values, store::LineSpan replacements);

/// Trims the values of spaces at both ends (the cleaning of a site without replacements).
void TrimCustomValues(std::span<std::string> values);

/// Appends values 6 .. 5+b to value a (1-based, texts joined, not added). Nothing reaches
/// beyond the ten values: a outside 1..10 or b below 1 changes nothing, and b stops at value 10.
void CalculateStatsSum(std::span<std::string> values, long long a, long long b);

/// Applies a site's StatsSum text "a,b" (each 0 when not a number); a text without a comma
/// changes nothing.
void ApplyStatsSum(std::span<std::string> values, std::string_view statsSum);

} // namespace listrider::engine
