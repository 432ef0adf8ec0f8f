#include "engine/report_summary.h"

namespace listrider::engine {

SummaryList ClassifyOutcome(std::string_view outcome)
{
    if (outcome == "Exists" || outcome == "Abort") {
        return SummaryList::Skipped;
    }
    if (outcome == "Failed" || outcome == "Error" || outcome == "Timeout") {
        return SummaryList::Failed;
    }
    return SummaryList::Successful;
}

std::string_view SkippedReason(std::string_view outcome)
{
    if (outcome == "Exists") {
        return "Latest version was found.";
    }
    if (outcome == "Abort") {
        return "Site skipped by user.";
    }
    return {};
}

ReportSummary BuildReportSummary(std::span<const DetailRow> rows, const AccountLookup& accountOf)
{
    ReportSummary summary;
    const auto account = [&accountOf](std::string_view site) {
        return accountOf ? accountOf(site) : HistoryAccount{};
    };
    for (const SiteRows& site : RowsBySite(rows)) {
        const std::string_view outcome = site.rows.back()->result;
        const std::string name(site.site);
        switch (ClassifyOutcome(outcome)) {
        case SummaryList::Skipped:
            summary.skipped.push_back(SummaryRow{name, std::string(SkippedReason(outcome))});
            break;
        case SummaryList::Failed:
            summary.failed.push_back(SummaryRow{name, SiteHistory(site.rows, account(site.site))});
            break;
        case SummaryList::Successful:
            summary.successful.push_back(SummaryRow{name, SiteHistory(site.rows, account(site.site))});
            break;
        }
    }
    return summary;
}

} // namespace listrider::engine
