// The three lists of the Step 5 page: every site of the run with its history, sorted by how it ended.
#pragma once

#include <functional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "engine/result_rows.h"
#include "engine/site_history.h"

namespace listrider::engine {

/// The status bar text of the Step 5 page.
inline constexpr std::string_view kStep5Status = "Congratulations! Submission is completed succesfully.";

/// The list of the Step 5 page a site goes to.
enum class SummaryList
{
    Successful, ///< columns "Site", "History"
    Failed,     ///< columns "Site", "Error"
    Skipped,    ///< columns "Site", "Reason"
};

/// One row of a Step 5 list: the site and its history, error or reason.
struct SummaryRow
{
    std::string site;
    std::string text;

    friend bool operator==(const SummaryRow&, const SummaryRow&) = default;
};

/// The three lists.
struct ReportSummary
{
    std::vector<SummaryRow> successful;
    std::vector<SummaryRow> failed;
    std::vector<SummaryRow> skipped;

    friend bool operator==(const ReportSummary&, const ReportSummary&) = default;
};

/// Returns the list a site whose last outcome is `outcome` goes to: "Exists" and "Abort" to
/// Skipped, "Failed", "Error" and "Timeout" to Failed, any other word to Successful.
SummaryList ClassifyOutcome(std::string_view outcome);

/// Returns the reason a Skipped row shows for an outcome ("Exists", "Abort"); empty otherwise.
std::string_view SkippedReason(std::string_view outcome);

/// The login and password of a site, as its history names them.
using AccountLookup = std::function<HistoryAccount(std::string_view site)>;

/// Returns the Step 5 lists: each site in the order of its first row, classified by its last.
ReportSummary BuildReportSummary(std::span<const DetailRow> rows, const AccountLookup& accountOf);

} // namespace listrider::engine
