#include "engine/report_sources.h"

#include "engine/result_rows.h"

namespace listrider::engine {

std::vector<ErrorsRow> ErrorsPage(const SubmissionState& state,
                                  sites::SiteTable& table,
                                  sites::SitePackages* packages,
                                  const store::SiteKey& key,
                                  const std::filesystem::path& resultFolder)
{
    const std::vector<ResultRow> rows = CollectResultRows(state);
    DiagnosisSources sources;
    sources.rows = rows;
    sources.httpErrors = state.httpErrors;
    sources.table = &table;
    sources.packages = packages;
    sources.key = key;
    sources.resultFolder = resultFolder;
    return BuildErrorsList(sources);
}

Step5Page ReportPage(const SubmissionState& state, const AccountLookup& accountOf)
{
    const std::vector<ResultRow> rows = CollectResultRows(state);
    Step5Page page;
    page.summary = BuildReportSummary(rows, accountOf);
    page.totals = MakeReportTotals(page.summary, state.report);
    return page;
}

AccountLookup
RunAccounts(const catalogue::AccountsList& accounts, std::string generalEmail, bool maskPasswords)
{
    return [&accounts, email = std::move(generalEmail), maskPasswords](std::string_view site) {
        catalogue::SiteAccount account = catalogue::SiteAccountForRun(accounts, site, email);
        return HistoryAccount{account.login,
                              maskPasswords ? std::string(kMaskedPassword) : std::move(account.password)};
    };
}

ReportSiteLookup ReportSites(const sites::SiteTable& table)
{
    return [&table](std::string_view site) {
        const int position = sites::FindDBIndex(table, site);
        if (position < 0) {
            return ReportSite{};
        }
        const sites::SitesR& record = table.sites[static_cast<std::size_t>(position)];
        return ReportSite{record.Url, record.Category};
    };
}

} // namespace listrider::engine
