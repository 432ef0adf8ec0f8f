#include "sites/blacklist.h"

#include <algorithm>

namespace listrider::sites {

bool IsBlacklisted(std::span<const std::string> blacklist, std::string_view name)
{
    return std::find(blacklist.begin(), blacklist.end(), name) != blacklist.end();
}

bool BlacklistSite(std::vector<std::string>& blacklist, std::string_view name)
{
    if (IsBlacklisted(blacklist, name)) {
        return false;
    }
    blacklist.emplace_back(name);
    return true;
}

std::size_t RemoveFromBlacklist(std::vector<std::string>& blacklist, std::span<const std::string> names)
{
    const auto kept = std::remove_if(blacklist.begin(), blacklist.end(), [names](const std::string& entry) {
        return std::find(names.begin(), names.end(), entry) != names.end();
    });
    const auto removed = static_cast<std::size_t>(blacklist.end() - kept);
    blacklist.erase(kept, blacklist.end());
    return removed;
}

} // namespace listrider::sites
