// The Step 4 and Step 5 pages of a finished run as 'submit' and 'report' show them, and the two
// HTML reports written from them.
#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "catalogue/product_editor.h"
#include "cli/catalogue_session.h"
#include "engine/report_sources.h"
#include "engine/run_lists.h"
#include "store/result.h"

namespace listrider::cli {

/// Both pages of a run.
struct RunReports
{
    engine::ReportProduct product;
    std::vector<engine::ErrorsRow> errors; ///< the Step 4 Errors list
    engine::Step5Page step5;               ///< the Step 5 lists and totals
};

/// Builds the Errors list and the Step 5 page of the run whose result folder is `resultFolder`;
/// with `maskPasswords` the histories name "****" for every password.
RunReports BuildRunReports(CatalogueSession& session,
                           const catalogue::ProductEditor& editor,
                           const engine::SubmissionState& state,
                           const std::filesystem::path& resultFolder,
                           bool maskPasswords);

/// Writes the HTML submission report to `target` (a file, or a folder that receives the
/// suggested name product_version_dd-mmm-yyyy.html) and returns the file written.
store::Result<std::filesystem::path> WriteSubmissionReport(CatalogueSession& session,
                                                           const RunReports& reports,
                                                           const std::filesystem::path& target);

/// Writes the HTML error report to `target` (a file, or a folder that receives the suggested
/// name product_version_errors_dd-mmm-yyyy.html) and returns the file written.
store::Result<std::filesystem::path>
WriteErrorReport(CatalogueSession& session, const RunReports& reports, const std::filesystem::path& target);

} // namespace listrider::cli
