// The HTML submission report of the Step 5 page ("&Export Submission Report").
#pragma once

#include <string>

#include "engine/report_markup.h"
#include "engine/report_summary.h"
#include "engine/report_totals.h"

namespace listrider::engine {

/// The save dialog's title.
inline constexpr std::string_view kSubmissionReportTitle = "Exporting Submission Report";

/// Returns the suggested file name: name_version_dd-mmm-yyyy.html.
std::string SubmissionReportFileName(const ReportProduct& product, const store::CivilDate& today);

/// Returns the report's lines: head, headline, product line, the totals table, the SUCCESSFUL,
/// FAILED and SKIPPED sections (each only when its list has rows) and the footer. Every text
/// taken from the product, the sites or the run is escaped; only web and FTP addresses are links.
ReportLines SubmissionReportLines(const ReportProduct& product,
                                  const ReportTotals& totals,
                                  const ReportSummary& summary,
                                  const ReportSiteLookup& siteOf,
                                  const store::LocalDateTime& now);

} // namespace listrider::engine
