// The search for a version number after a label in a page (the version commands).
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace listrider::engine {

/// Which first words mean "no version here" besides "pro", "elite" and "lite" with "deluxe".
struct VersionRules
{
    bool rejectOs2 = false; ///< the stats run also passes over "os/2"
};

/// A version found after an occurrence of the label.
struct FoundVersion
{
    std::size_t occurrence = 0; ///< offset of the label's occurrence in the page
    std::string words;          ///< the version words, each followed by one space
};

/// Returns the first version after an occurrence of the label: the words of the value after the
/// occurrence from the first on, while each holds a digit or "Build", "Beta" or "Alpha" (ASCII
/// case ignored). An occurrence whose first word is an edition ("pro" ...) or holds no such word
/// is passed over, and the search goes on length-1 characters (at least one) further. Nothing
/// when the label runs out.
std::optional<FoundVersion>
FindVersion(std::string_view page, std::string_view label, VersionRules rules = {});

} // namespace listrider::engine
