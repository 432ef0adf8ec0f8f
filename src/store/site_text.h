// Decoding the encoded texts of site packages.
#pragma once

#include <string>
#include <string_view>

#include "store/line_list.h"

namespace listrider::store {

/// The key that decodes site texts, with the 7-character default that stands in for an empty key.
struct SiteKey
{
    std::string key;
    std::string defaultKey;
};

/// Returns the decoded site text: the first stored byte is a seed, each following byte is XORed
/// with the next key character and taken modulo 255 against the previous stored byte. The result
/// is one byte shorter than the stored text; fewer than two bytes decode to the empty text.
/// An empty key uses the first character of the default key for every byte.
std::string DecodeSiteText(std::string_view stored, const SiteKey& key);

/// Returns each byte as two upper-case hexadecimal digits.
std::string HexBytes(std::string_view text);

/// Returns the stored text's lines, decoded first when `decode` is set.
LineList UnpackLines(std::string_view stored, bool decode, const SiteKey& key);

} // namespace listrider::store
