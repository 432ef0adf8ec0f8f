// The rows the reports read: the details rows of both run pages in the order they were made.
#pragma once

#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace listrider::engine {

/// One details row as the reports take it.
struct ResultRow
{
    std::string site;
    std::string action;
    std::string outcome; ///< the Result column ("Done", "Failed", "Error" ...)

    friend bool operator==(const ResultRow&, const ResultRow&) = default;
};

/// The rows of one site, in order.
struct SiteRows
{
    std::string_view site;
    std::vector<const ResultRow*> rows;
};

/// Returns the rows grouped by site (exact names), the sites in the order of their first row.
/// The groups point into `rows`.
std::vector<SiteRows> RowsBySite(std::span<const ResultRow> rows);

} // namespace listrider::engine
