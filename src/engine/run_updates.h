// The window updates a run makes on the model and the view, with the rules of their words.
#pragma once

#include <string>

#include "engine/run_context.h"

namespace listrider::engine {

/// Returns the time of day as the lists show it (hh:mm:ss).
std::string TimeOfDay();

/// Inserts the log row (time, site, " ") at the top.
void AddLogRow(RunContext& run, const std::string& site);

/// Inserts the details row (time, site, " ", " ") at the top.
void AddDetailRow(RunContext& run, const std::string& site);

/// Sets the Action column of details row 0.
void SetDetailAction(RunContext& run, const std::string& action);

/// The details success words: "Exists" or "Done", the record's Skipped, the login capture; and
/// the line of DetailResult.txt.
void DetailsSuccessWords(RunContext& run, SiteState& site);

/// The details failure words: "Timeout", "Abort", "Error" or "Failed"; and the line of
/// DetailResult.txt.
void DetailsFailureWords(RunContext& run, SiteState& site);

/// Log row 0 "Done", the success status, the report counters, the submitted version.
void LogRowSuccess(RunContext& run, SiteState& site);

/// Log row 0 by the failure table, with its status text.
void LogRowFailure(RunContext& run, SiteState& site);

/// Shows the page's counters.
void ShowCounters(RunContext& run);

/// Moves the progress bar: processed × 100 / total, halves to even.
void ShowProgress(RunContext& run);

/// Shows the status bar text.
void ShowStatus(RunContext& run, std::string text);

/// Saves the site table's status of the product (after every site); a failure stops the run.
void SaveSiteStatus(RunContext& run);

/// Brings the report counters up to date: elapsed seconds, web requests and bytes.
void UpdateReportCounters(RunContext& run);

/// Adds a line pair to the run's HTTP error list.
void AddHttpError(RunContext& run, const std::string& site, const std::string& reason);

} // namespace listrider::engine
