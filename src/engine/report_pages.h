// What entering the Step 4 and Step 5 pages does beyond showing them, and completing the wizard.
#pragma once

#include <filesystem>

#include "catalogue/catalogue_context.h"
#include "catalogue/product_editor.h"
#include "engine/run_lists.h"
#include "sites/site_index.h"
#include "store/result.h"

namespace listrider::engine {

/// Enters the Step 4 or Step 5 page after a run (TabSheet15Show and TabSheet16Show steps 1 to 3
/// without the view): the product's submitted version becomes its version and the product is
/// saved, then the journal is deleted unless the run ended with the user's Abort. A product that
/// cannot be saved is an error; the journal is dealt with all the same.
store::Result<void> EnterReportPage(SubmissionState& state,
                                    WizardPage page,
                                    catalogue::ProductEditor& editor,
                                    const catalogue::CatalogueContext& context,
                                    const std::filesystem::path& journalFolder);

/// Completes the wizard ("&Complete Submission", Button39Click): both run pages, the run lists
/// and every counter (the submission time included) are emptied, resume mode ends, the wizard is
/// back at Step 1, and the per-product status of the sites is saved to `productFolder`.
store::Result<void> CompleteSubmission(SubmissionState& state,
                                       const sites::SiteTable& table,
                                       const std::filesystem::path& productFolder);

} // namespace listrider::engine
