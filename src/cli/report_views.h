// The Step 4 and Step 5 pages printed on the terminal or as JSON.
#pragma once

#include <ostream>
#include <span>

#include "cli/json_writer.h"
#include "engine/errors_list.h"
#include "engine/report_summary.h"
#include "engine/report_totals.h"
#include "store/code_page.h"

namespace listrider::cli {

/// Prints the Step 4 page: its title, the Errors list as tab-separated columns, the status text.
void PrintErrorsView(std::ostream& out,
                     const store::CodePage& codePage,
                     std::span<const engine::ErrorsRow> errors);

/// Prints the Step 5 page: its title, the Successful, Failed and Skipped lists and the totals.
void PrintReportView(std::ostream& out,
                     const store::CodePage& codePage,
                     const engine::ReportSummary& summary,
                     const engine::ReportTotals& totals);

/// Writes the Errors list as an array of objects (site, problem, reason, solution).
void WriteErrorsJson(JsonWriter& json,
                     const store::CodePage& codePage,
                     std::span<const engine::ErrorsRow> errors);

/// Writes the members successful, failed, skipped and totals of the Step 5 page.
void WriteReportJson(JsonWriter& json,
                     const store::CodePage& codePage,
                     const engine::ReportSummary& summary,
                     const engine::ReportTotals& totals);

} // namespace listrider::cli
