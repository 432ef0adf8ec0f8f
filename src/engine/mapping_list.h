// The mapping lists of a site package and the rules that pick an entry from them.
#pragma once

#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "store/line_list.h"
#include "store/result.h"

namespace listrider::engine {

/// One entry of a pair list: the site's label and what its form expects.
struct MappingPair
{
    std::string_view key;
    std::string_view value;
};

/// Returns the list's lines taken two at a time from the top; a last line without a partner is
/// ignored. The pairs refer to the list's lines.
std::vector<MappingPair> PairsOf(store::LineSpan lines);

/// Returns how many of the keywords the key contains, ignoring ASCII case; a keyword listed twice
/// counts twice, an empty keyword never.
int ScoreKey(std::string_view key, std::span<const std::string> keywords);

/// Returns the position of the first pair with the highest score (the first pair when every
/// score is 0); NotFound for a list without pairs.
store::Result<std::size_t> SelectScoredPair(std::span<const MappingPair> pairs,
                                            std::span<const std::string> keywords);

/// Returns the value of the pair whose key is the largest whole number not above the size in
/// bytes (of equal keys the later; keys below 0 never), or of the first pair when no key fits.
/// A key or a size that is no whole number, or a list without pairs, is Malformed.
store::Result<std::string> SelectBySize(std::span<const MappingPair> pairs, std::string_view sizeBytes);

/// Returns the value of the last pair whose key matches the expiry count text, or of the first
/// pair when none does. A key "a-b" is a range of whole numbers and matches a count written as a
/// plain decimal number within it; any other key must equal the count text. A range part that is
/// no whole number, or a list without pairs, is Malformed.
store::Result<std::string> SelectByExpireCount(std::span<const MappingPair> pairs, std::string_view count);

/// Returns the value after the first key that contains the word (ASCII case ignored); for the
/// word "Date" without such a key, after the first key that contains "Either/Or"; else empty.
std::string SelectByExpireUnit(std::span<const MappingPair> pairs, std::string_view word);

} // namespace listrider::engine
