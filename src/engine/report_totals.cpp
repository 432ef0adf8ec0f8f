#include "engine/report_totals.h"

#include <array>
#include <cstdio>

namespace listrider::engine {

std::string FormatSubmissionTime(long long seconds)
{
    if (seconds < 0) {
        seconds = 0;
    }
    std::array<char, 32> text{};
    std::snprintf(
        text.data(), text.size(), "%02lld:%02lld:%02lld", seconds / 3600, seconds / 60 % 60, seconds % 60);
    return text.data();
}

ReportTotals MakeReportTotals(const ReportSummary& summary, const ReportCounters& counters)
{
    ReportTotals totals;
    const auto rows = [](const std::vector<SummaryRow>& list) {
        return static_cast<long long>(list.size());
    };
    totals.sitesSubmitted = rows(summary.successful) + rows(summary.failed) + rows(summary.skipped);
    totals.successful = rows(summary.successful) + rows(summary.skipped);
    totals.failed = rows(summary.failed);
    totals.submissionTime = FormatSubmissionTime(counters.elapsedSeconds);
    totals.percentage = std::to_string(ProgressPercent(totals.successful, totals.sitesSubmitted)) + "%";
    totals.emailsSent = counters.emailsSent;
    totals.httpRequests = counters.webRequests;
    totals.bytesReceived = counters.bytesReceived;
    totals.bytesSent = counters.bytesSent;
    return totals;
}

std::vector<std::pair<std::string_view, std::string>> TotalsLabels(const ReportTotals& totals)
{
    return {
        {"Sites Submitted:", std::to_string(totals.sitesSubmitted)},
        {"Successful Submissions:", std::to_string(totals.successful)},
        {"Failed Submissions:", std::to_string(totals.failed)},
        {"Submission Time:", totals.submissionTime},
        {"Percentage:", totals.percentage},
        {"Total E-Mails Sent:", std::to_string(totals.emailsSent)},
        {"Total HTTP Requests:", std::to_string(totals.httpRequests)},
        {"Total HTTP Bytes Received/Sent:",
         std::to_string(totals.bytesReceived) + " / " + std::to_string(totals.bytesSent)},
        {"Total FTP Bytes Received/Sent:", "0 / 0"},
        {"Total FTP Requests:", "0"},
    };
}

} // namespace listrider::engine
