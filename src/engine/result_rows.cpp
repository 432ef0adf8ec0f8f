#include "engine/result_rows.h"

#include <unordered_map>

namespace listrider::engine {

std::vector<DetailRow> CollectResultRows(const SubmissionState& state)
{
    std::vector<DetailRow> rows;
    rows.reserve(state.page1.details.size() + state.page3.details.size());
    for (const RunPage* page : {&state.page1, &state.page3}) {
        rows.insert(rows.end(), page->details.rbegin(), page->details.rend());
    }
    return rows;
}

std::vector<SiteRows> RowsBySite(std::span<const DetailRow> rows)
{
    std::vector<SiteRows> groups;
    std::unordered_map<std::string_view, std::size_t> index;
    for (const DetailRow& row : rows) {
        const auto [it, added] = index.try_emplace(row.site, groups.size());
        if (added) {
            groups.push_back(SiteRows{row.site, {}});
        }
        groups[it->second].rows.push_back(&row);
    }
    return groups;
}

} // namespace listrider::engine
