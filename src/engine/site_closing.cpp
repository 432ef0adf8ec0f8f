#include "engine/site_closing.h"

#include "engine/result_folder.h"
#include "engine/run_updates.h"

namespace listrider::engine {

void CloseSite(RunContext& run, SiteState& site)
{
    sites::SitesR& record = run.Record(site);
    const Outcome outcome = run.control.GetOutcome();
    if (site.step == kStepFailure) {
        if (outcome == Outcome::Exists) {
            DetailsSuccessWords(run, site);
            ++run.page.counters.successful;
        } else {
            DetailsFailureWords(run, site);
            record.MustBeChecked = "YES";
            ++run.state.failedSites;
        }
        if (site.channel == "EMAIL") {
            site.reason = "Error sending e-mail.";
        } else if (outcome == Outcome::Skip) {
            site.reason = "User Abort";
        }
        LogRowFailure(run, site);
    } else if (site.step == kStepSuccess) {
        record.MustBeChecked.clear();
        DetailsSuccessWords(run, site);
        LogRowSuccess(run, site);
        record.Submitted = run.runDate;
        ++run.page.counters.successful;
    } else if (site.step == kStepPending) {
        run.state.pending.push_back(site.name);
        DetailsSuccessWords(run, site);
        if (!run.page.log.empty()) {
            run.page.log.front().result = "Pending";
            run.view.Apply(run_event::LogResult{run.page.log.front()});
        }
    }
    std::vector<PendingAppend> appends;
    if ((site.endedAfterWebRequest || site.mailSkipped) && !run.page.log.empty()) {
        const LogRow& row = run.page.log.front();
        appends.push_back(PendingAppend{run.resultFolder / kResultFile, ResultLine(row.site, row.result)});
    }
    SaveSiteStatus(run);
    --run.page.counters.left;
    ++run.page.counters.processed;
    std::erase(run.state.checked, site.name);
    run.view.Apply(run_event::SiteUnchecked{site.name});
    ShowProgress(run);
    // The site counts as closed once this journal is committed; a run killed later does not do
    // it again, and the result line reaches Result.txt exactly once.
    run.state.position = site.position + 1;
    run.state.lastOutcome = outcome;
    UpdateReportCounters(run);
    if (store::Result<void> saved = run.journal.Save(run.state, run.in.page, appends); !saved && !run.fatal) {
        run.fatal = saved.GetError();
    }
    run.journalPosition = run.state.position;
}

} // namespace listrider::engine
