// The Step 4 and Step 5 pages built from a run's lists and the workspace's sites and accounts.
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
#include "store/site_text.h"

namespace listrider::engine {

/// What a report shows instead of a password that is not to be shared.
inline constexpr std::string_view kMaskedPassword = "****";

/// Returns the Errors list of the run (the Step 4 page); site packages are loaded as needed.
std::vector<ErrorsRow> ErrorsPage(const SubmissionState& state,
                                  sites::SiteTable& table,
                                  sites::SitePackages* packages,
                                  const store::SiteKey& key,
                                  const std::filesystem::path& resultFolder);

/// The Step 5 page.
struct Step5Page
{
    ReportSummary summary;
    ReportTotals totals;
};

/// Returns the Step 5 lists and totals of the run.
Step5Page ReportPage(const SubmissionState& state, const AccountLookup& accountOf);

/// Returns the login and password that the run used at each site (|SiteLogin|, |SitePassword|),
/// the password as "****" when `maskPasswords` is set.
AccountLookup
RunAccounts(const catalogue::AccountsList& accounts, std::string generalEmail, bool maskPasswords);

/// Returns each site's home address and the product's category there; "-" for a site the
/// table does not hold.
ReportSiteLookup ReportSites(const sites::SiteTable& table);

} // namespace listrider::engine
