// The HTML error report of the Step 4 page ("&Export Error Report").
#pragma once

#include <span>
#include <string>

#include "engine/errors_list.h"
#include "engine/report_markup.h"

namespace listrider::engine {

/// The save dialog's title.
inline constexpr std::string_view kErrorReportTitle = "Exporting Error Report";

/// Returns the suggested file name: name_version_errors_dd-mmm-yyyy.html.
std::string ErrorReportFileName(const ReportProduct& product, const store::CivilDate& today);

/// Returns the report's lines: head, headline, product line, the table of the Errors list and
/// the footer. Every text is escaped; only web and FTP addresses are links.
ReportLines ErrorReportLines(const ReportProduct& product,
                             std::span<const ErrorsRow> errors,
                             const ReportSiteLookup& siteOf,
                             const store::LocalDateTime& now);

} // namespace listrider::engine
