// The alphabetical order of the lists of names: ASCII case ignored, then byte order.
#pragma once

#include <string_view>

namespace listrider::sites {

/// Returns whether `a` comes before `b` alphabetically.
bool AlphabeticalLess(std::string_view a, std::string_view b);

} // namespace listrider::sites
