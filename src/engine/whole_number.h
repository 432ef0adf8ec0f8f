// Whole numbers as the script lists write them.
#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

namespace listrider::engine {

/// Returns the decimal integer of the text: an optional sign and digits, spaces around allowed;
/// nothing for any other text or a number beyond 64 bits.
std::optional<std::int64_t> ParseWholeNumber(std::string_view text);

} // namespace listrider::engine
