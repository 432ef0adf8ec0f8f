#include "engine/result_rows.h"

#include <unordered_map>

namespace listrider::engine {

std::vector<SiteRows> RowsBySite(std::span<const ResultRow> rows)
{
    std::vector<SiteRows> groups;
    std::unordered_map<std::string_view, std::size_t> index;
    for (const ResultRow& row : rows) {
        const auto [it, added] = index.try_emplace(row.site, groups.size());
        if (added) {
            groups.push_back(SiteRows{row.site, {}});
        }
        groups[it->second].rows.push_back(&row);
    }
    return groups;
}

} // namespace listrider::engine
