// The run's lists kept in its result folder, so that the reports can be shown again by a later
// program run after the journal is gone.
#pragma once

#include <filesystem>

#include "engine/run_lists.h"
#include "store/result.h"

namespace listrider::engine {

/// The file of the result folder that keeps the run's lists.
inline constexpr const char* kRunListsFile = "RunLists.dat";

/// Writes the lists the reports read: the details and log rows of both run pages, the pending
/// and HTTP error lists, the report counters, the failed sites, the last outcome word and the
/// wizard page. Line breaks inside a text become spaces.
store::Result<void> SaveRunLists(const std::filesystem::path& resultFolder, const SubmissionState& state);

/// Reads what SaveRunLists wrote into a state (other fields keep their defaults). A missing file
/// is NotFound; a file of another shape is Malformed.
store::Result<SubmissionState> LoadRunLists(const std::filesystem::path& resultFolder);

/// Gives a state restored from the journal what the journal does not keep: the Step 1 details
/// rows when it has none, and the report counters when it was restored on the Step 2 page.
void CarryOverStep1(const SubmissionState& saved, SubmissionState& state);

} // namespace listrider::engine
