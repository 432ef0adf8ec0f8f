#include "engine/report_sources.h"

#include "engine/error_report.h"
#include "engine/result_rows.h"
#include "engine/submission_report.h"

namespace listrider::engine {

std::vector<ErrorsRow> BuildRunErrorsList(const SubmissionState& state,
                                          sites::SiteTable& table,
                                          sites::SitePackages* packages,
                                          const store::SiteKey& key,
                                          const std::filesystem::path& resultFolder)
{
    const std::vector<DetailRow> rows = CollectResultRows(state);
    DiagnosisSources sources;
    sources.rows = rows;
    sources.httpErrors = state.httpErrors;
    sources.table = &table;
    sources.packages = packages;
    sources.key = key;
    sources.resultFolder = resultFolder;
    return BuildErrorsList(sources);
}

Step5Page BuildStep5Page(const SubmissionState& state, const AccountLookup& accountOf)
{
    const std::vector<DetailRow> rows = CollectResultRows(state);
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

std::filesystem::path ReportTarget(const std::filesystem::path& target, const std::string& suggestedName)
{
    std::error_code ec;
    return std::filesystem::is_directory(target, ec) ? target / suggestedName : target;
}

store::Result<void> ExportSubmissionReport(const std::filesystem::path& file,
                                           const ReportProduct& product,
                                           const Step5Page& page,
                                           const ReportSiteLookup& siteOf,
                                           const store::LocalDateTime& now)
{
    return SaveReport(file, SubmissionReportLines(product, page.totals, page.summary, siteOf, now));
}

store::Result<void> ExportErrorReport(const std::filesystem::path& file,
                                      const ReportProduct& product,
                                      const std::vector<ErrorsRow>& errors,
                                      const ReportSiteLookup& siteOf,
                                      const store::LocalDateTime& now)
{
    return SaveReport(file, ErrorReportLines(product, errors, siteOf, now));
}

} // namespace listrider::engine
