#pragma once

#include <string_view>

namespace listrider::store {

/// The program's version, as the update check and the about texts compare and show it.
inline constexpr std::string_view kProgramVersion = "1.32";

} // namespace listrider::store
