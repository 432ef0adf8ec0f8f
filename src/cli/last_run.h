// The product's last submission run as a later program run finds it: its result folder and
// the lists it left there.
#pragma once

#include <filesystem>

#include "catalogue/product_editor.h"
#include "cli/catalogue_session.h"
#include "engine/run_lists.h"
#include "store/result.h"

namespace listrider::cli {

/// The last run of a product.
struct LastRun
{
    std::filesystem::path resultFolder;
    engine::SubmissionState state;
};

/// Returns the product's last run: the newest result folder of the last 31 days (a later program
/// run does not know the run's date) and its run lists; NotFound when there is none.
store::Result<LastRun> LoadLastRun(CatalogueSession& session, const catalogue::ProductEditor& editor);

} // namespace listrider::cli
