// The totals of the Step 5 page and of the submission report.
#pragma once

#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "engine/report_summary.h"
#include "engine/run_lists.h"

namespace listrider::engine {

/// The figures of a finished run as the Step 5 page shows them.
struct ReportTotals
{
    long long sitesSubmitted = 0; ///< rows of Successful + Failed + Skipped
    long long successful = 0;     ///< rows of Successful + Skipped
    long long failed = 0;         ///< rows of Failed
    std::string submissionTime;   ///< hh:mm:ss
    std::string percentage;       ///< "67%"
    long long emailsSent = 0;
    long long httpRequests = 0;
    long long bytesReceived = 0;
    long long bytesSent = 0;

    friend bool operator==(const ReportTotals&, const ReportTotals&) = default;
};

/// Returns the seconds as hours, minutes and seconds joined by ":", each at least two digits.
std::string FormatSubmissionTime(long long seconds);

/// Returns the totals of the Step 5 page: the site counts from the three lists, the figures and
/// the submission time from the run's report counters, the percentage rounded halves to even
/// ("0%" when no site was submitted). Showing them changes no counter.
ReportTotals MakeReportTotals(const ReportSummary& summary, const ReportCounters& counters);

/// Returns the page's ten totals labels with their values, in page order.
std::vector<std::pair<std::string_view, std::string>> TotalsLabels(const ReportTotals& totals);

} // namespace listrider::engine
