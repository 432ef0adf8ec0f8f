// The Errors list of a product's last submission run, as the error report carries it.
#pragma once

#include <filesystem>
#include <vector>

#include "catalogue/product_editor.h"
#include "cli/catalogue_session.h"
#include "companions/error_report_archive.h"
#include "store/result.h"

namespace listrider::cli {

/// Returns the Errors list of the run whose result folder is `resultFolder`.
store::Result<std::vector<companions::ErrorReportEntry>>
LastRunErrors(CatalogueSession& session,
              const catalogue::ProductEditor& editor,
              const std::filesystem::path& resultFolder);

} // namespace listrider::cli
