// The Step 4 and Step 5 pages of a run, built from its lists (SubmissionState) and the
// workspace's sites and accounts, and the two HTML reports written from them. This is the entry
// point for every front end and companion that needs the run's Errors list or final report.
#pragma once

#include <filesystem>
#include <string>
#include <vector>

#include "catalogue/accounts.h"
#include "engine/errors_list.h"
#include "engine/report_markup.h"
#include "engine/report_summary.h"
#include "engine/report_totals.h"
#include "engine/run_lists.h"
#include "sites/site_index.h"
#include "sites/site_packages.h"
#include "store/result.h"
#include "store/site_text.h"

namespace listrider::engine {

/// What a report shows instead of a password that is not to be shared.
inline constexpr std::string_view kMaskedPassword = "****";

/// Returns the Errors list of the run (the Step 4 page, TabSheet15Show steps 4 to 8) from both
/// pages' details rows and the HTTP error list; `resultFolder` is the run's result folder, whose
/// saved pages the sites' error patterns are matched against. Site packages are loaded as needed.
std::vector<ErrorsRow> BuildRunErrorsList(const SubmissionState& state,
                                          sites::SiteTable& table,
                                          sites::SitePackages* packages,
                                          const store::SiteKey& key,
                                          const std::filesystem::path& resultFolder);

/// The Step 5 page: the Successful, Failed and Skipped lists and the totals.
struct Step5Page
{
    ReportSummary summary;
    ReportTotals totals;
};

/// Returns the Step 5 page of the run (TabSheet16Show steps 3 to 5).
Step5Page BuildStep5Page(const SubmissionState& state, const AccountLookup& accountOf);

/// Returns the login and password that the run used at each site (|SiteLogin|, |SitePassword|),
/// the password as "****" when `maskPasswords` is set.
AccountLookup
RunAccounts(const catalogue::AccountsList& accounts, std::string generalEmail, bool maskPasswords);

/// Returns each site's home address and the product's category there; no address and "-" for a
/// site the table does not hold. The lookup refers to `table`, which must outlive it.
ReportSiteLookup ReportSites(const sites::SiteTable& table);

/// Returns where a report goes when the user names `target`: the file itself, or the suggested
/// name inside `target` when it is an existing folder.
std::filesystem::path ReportTarget(const std::filesystem::path& target, const std::string& suggestedName);

/// Writes the HTML submission report (Button38Click) of the Step 5 page to `file`.
store::Result<void> ExportSubmissionReport(const std::filesystem::path& file,
                                           const ReportProduct& product,
                                           const Step5Page& page,
                                           const ReportSiteLookup& siteOf,
                                           const store::LocalDateTime& now);

/// Writes the HTML error report (BitBtn13Click) of the Errors list to `file`.
store::Result<void> ExportErrorReport(const std::filesystem::path& file,
                                      const ReportProduct& product,
                                      const std::vector<ErrorsRow>& errors,
                                      const ReportSiteLookup& siteOf,
                                      const store::LocalDateTime& now);

} // namespace listrider::engine
