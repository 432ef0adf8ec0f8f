// Encoding site texts so that the program's decoder gives them back.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "store/result.h"
#include "store/site_text.h"

namespace listrider::sites {

/// The first stored byte used when any seed will do.
inline constexpr std::uint8_t kDefaultSeed = 0x4C;

/// Returns the stored form of `text` for `key`: a seed byte followed by one byte per text byte,
/// such that DecodeSiteText gives `text` back. The empty text is stored as nothing. The decoder
/// yields a zero byte only after a stored 255, so a text with zero bytes is encoded by searching
/// for a seed and byte choices that put a 255 before every zero; a text for which none exists
/// is refused (Malformed).
store::Result<std::string> EncodeSiteText(std::string_view text, const store::SiteKey& key);

/// As above with a fixed seed.
store::Result<std::string>
EncodeSiteText(std::string_view text, const store::SiteKey& key, std::uint8_t seed);

} // namespace listrider::sites
