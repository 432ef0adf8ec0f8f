// The Errors list of the Step 4 page: one explained row per site whose submission did not end well.
#pragma once

#include <filesystem>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "engine/error_details.h"
#include "engine/result_rows.h"
#include "sites/site_index.h"
#include "sites/site_packages.h"
#include "store/site_text.h"

namespace listrider::engine {

/// The status bar text of the Step 4 page.
inline constexpr std::string_view kStep4Status =
    "Please, help us to support Listrider site database up-to-date - send us the Error Report.";

/// The information message about error reports (SpeedButton12Click).
inline constexpr std::string_view kErrorReportInfo =
    "Error reports are used by Korvane support to update Listrider site database faster and more frequently "
    "to keep submitter up-to-date all the time.\r\n\r\n"
    "The error report only includes information about submission status and public product data(which is "
    "available from your PAD files). \r\n\r\n"
    "Listrider is not sending logins and passwords for your accounts or any other private "
    "information.\r\n\r\n"
    "Sincerely yours, Listrider developers.";

/// One row of the Errors list (ErrorsListV).
struct ErrorsRow
{
    std::string site;
    ErrorTexts texts;

    friend bool operator==(const ErrorsRow&, const ErrorsRow&) = default;
};

/// What the diagnosis reads.
struct DiagnosisSources
{
    std::span<const DetailRow> rows;         ///< both pages' details rows, in the order they were made
    std::span<const std::string> httpErrors; ///< pairs of lines: site, message
    sites::SiteTable* table = nullptr;       ///< AccountKind and the error list of each site
    sites::SitePackages* packages = nullptr; ///< loads a site's package first; none: as the table holds it
    store::SiteKey key;                      ///< decodes the error lists
    std::filesystem::path resultFolder;      ///< the run's saved pages
};

/// Returns the Errors list: for each site in the order of its first row, a row built from its
/// last row unless that row's outcome is exactly "Done" or "Pending"; empty cells read "Unknown".
std::vector<ErrorsRow> BuildErrorsList(const DiagnosisSources& sources);

} // namespace listrider::engine
