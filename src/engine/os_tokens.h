// The operating-system words matched against a site's .os list.
#pragma once

#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "engine/mapping_list.h"

namespace listrider::engine {

/// Which selection the words are for.
enum class OsSelection
{
    Single,   ///< |OSSupportSelect|: scored
    Multiple, ///< |OSSupportSelectM|: one field per matching word, in this order
};

/// Returns the words for the product's OS list (its stored form, tested by ASCII-case-free
/// containment). The site's keys decide the NT words: "NT4"/"NT3"/"NT 4"/"NT 3" when some key
/// mentions NT3 or NT4, else "NT".
std::vector<std::string>
OsTokens(std::string_view osList, std::span<const MappingPair> pairs, OsSelection selection);

} // namespace listrider::engine
