#include "cli/last_run_errors.h"

namespace listrider::cli {

store::Result<std::vector<companions::ErrorReportEntry>>
LastRunErrors(CatalogueSession&, const catalogue::ProductEditor&, const std::filesystem::path& resultFolder)
{
    // The Errors list builder of the Step 4 page is not part of this build yet.
    return store::MakeError(store::ErrorKind::NotFound,
                            "The Errors list of the last run cannot be read yet",
                            resultFolder.string());
}

} // namespace listrider::cli
