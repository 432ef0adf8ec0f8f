// State names replaced by their abbreviations from states.dat.
#pragma once

#include <filesystem>
#include <string>
#include <string_view>

namespace listrider::store {

/// Returns the replacement of a state name from the pairs of lines of `statesFile` (name line,
/// replacement line; names compared upper-cased by the ASCII rule), or the text unchanged when
/// the file or the name is missing.
std::string StateLookup(std::string_view text, const std::filesystem::path& statesFile);

} // namespace listrider::store
