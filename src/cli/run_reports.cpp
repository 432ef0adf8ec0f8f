#include "cli/run_reports.h"

#include "engine/error_report.h"
#include "engine/submission_report.h"
#include "store/date_time.h"

namespace listrider::cli {

RunReports BuildRunReports(CatalogueSession& session,
                           const catalogue::ProductEditor& editor,
                           const engine::SubmissionState& state,
                           const std::filesystem::path& resultFolder,
                           bool maskPasswords)
{
    engine::Session& workspace = session.Workspace();
    RunReports reports;
    reports.product = {editor.product.program.name, editor.product.program.version};
    reports.errors = engine::BuildRunErrorsList(
        state, workspace.Sites(), &workspace.Packages(), workspace.Config().GetSiteKey(), resultFolder);
    reports.step5 = engine::BuildStep5Page(
        state, engine::RunAccounts(editor.accounts, editor.product.company.generalEmail, maskPasswords));
    return reports;
}

store::Result<std::filesystem::path> WriteSubmissionReport(CatalogueSession& session,
                                                           const RunReports& reports,
                                                           const std::filesystem::path& target)
{
    const std::filesystem::path file = engine::ReportTarget(
        target, session.ToUtf8(engine::SubmissionReportFileName(reports.product, store::Today())));
    if (store::Result<void> saved =
            engine::ExportSubmissionReport(file,
                                           reports.product,
                                           reports.step5,
                                           engine::ReportSites(session.Workspace().Sites()),
                                           store::LocalNow());
        !saved) {
        return saved.GetError();
    }
    return file;
}

store::Result<std::filesystem::path>
WriteErrorReport(CatalogueSession& session, const RunReports& reports, const std::filesystem::path& target)
{
    const std::filesystem::path file = engine::ReportTarget(
        target, session.ToUtf8(engine::ErrorReportFileName(reports.product, store::Today())));
    if (store::Result<void> saved =
            engine::ExportErrorReport(file,
                                      reports.product,
                                      reports.errors,
                                      engine::ReportSites(session.Workspace().Sites()),
                                      store::LocalNow());
        !saved) {
        return saved.GetError();
    }
    return file;
}

} // namespace listrider::cli
