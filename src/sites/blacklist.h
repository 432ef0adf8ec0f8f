// The blacklist: site names the site list never shows, kept in the preferences.
#pragma once

#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace listrider::sites {

/// Returns whether the name is blacklisted (exact comparison).
bool IsBlacklisted(std::span<const std::string> blacklist, std::string_view name);

/// Appends the name ("&Blacklist selected site"); false when it is there already.
bool BlacklistSite(std::vector<std::string>& blacklist, std::string_view name);

/// Removes every entry equal to one of the names ("&Remove from list"); returns how many went.
std::size_t RemoveFromBlacklist(std::vector<std::string>& blacklist, std::span<const std::string> names);

} // namespace listrider::sites
