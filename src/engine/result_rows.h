// The rows the reports read: the details rows of both run pages in the order they were made.
#pragma once

#include <span>
#include <string_view>
#include <vector>

#include "engine/run_lists.h"

namespace listrider::engine {

/// The rows of one site, in order.
struct SiteRows
{
    std::string_view site;
    std::vector<const DetailRow*> rows;
};

/// Returns the details rows of the run in the order they were made: the Step 1 list from its
/// last row to its first (new rows go to the top), then the Step 3 list likewise.
std::vector<DetailRow> CollectResultRows(const SubmissionState& state);

/// Returns the rows grouped by site (exact names), the sites in the order of their first row.
/// The groups point into `rows`.
std::vector<SiteRows> RowsBySite(std::span<const DetailRow> rows);

} // namespace listrider::engine
