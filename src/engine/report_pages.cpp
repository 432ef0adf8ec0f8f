#include "engine/report_pages.h"

#include "catalogue/data_set.h"
#include "engine/submit_page.h"
#include "sites/site_status.h"

namespace listrider::engine {

store::Result<void> EnterReportPage(SubmissionState& state,
                                    WizardPage page,
                                    catalogue::ProductEditor& editor,
                                    const catalogue::CatalogueContext& context,
                                    const std::filesystem::path& journalFolder)
{
    editor.product.program.versionSubmitted = editor.product.program.version;
    store::Result<void> saved = catalogue::SaveProduct(editor, context);
    EnterWizardStep(state, page, journalFolder);
    return saved;
}

store::Result<void> CompleteSubmission(SubmissionState& state,
                                       const sites::SiteTable& table,
                                       const std::filesystem::path& productFolder)
{
    state.page1.Clear();
    state.page3.Clear();
    state.selected.clear();
    state.position = 0;
    state.requeue.clear();
    state.pending.clear();
    state.httpErrors.clear();
    state.report = ReportCounters{};
    state.failedSites = 0;
    state.lastOutcome = Outcome::None;
    state.resumeMode = false;
    state.page = WizardPage::MainSubmit;
    return sites::SaveSites(table, productFolder);
}

} // namespace listrider::engine
