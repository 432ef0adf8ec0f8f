#include "engine/run_updates.h"

#include <ctime>

#include "engine/result_folder.h"
#include "sites/site_status.h"
#include "store/ascii.h"

namespace listrider::engine {
namespace {

void AppendDetailResult(RunContext& run)
{
    const DetailRow& row = run.page.details.front();
    if (store::Result<void> appended = AppendResultLine(run.resultFolder / kDetailResultFile,
                                                        DetailResultLine(row.site, row.action, row.result));
        !appended && !run.fatal) {
        run.fatal = appended.GetError();
    }
}

void SetDetailResult(RunContext& run, std::string result)
{
    if (run.page.details.empty()) {
        return;
    }
    run.page.details.front().result = std::move(result);
    run.view.Apply(run_event::DetailResult{run.page.details.front()});
    AppendDetailResult(run);
}

void SetLogResult(RunContext& run, std::string result)
{
    if (run.page.log.empty()) {
        return;
    }
    run.page.log.front().result = std::move(result);
    run.view.Apply(run_event::LogResult{run.page.log.front()});
}

std::string LogSite(const RunContext& run)
{
    return run.page.log.empty() ? std::string() : run.page.log.front().site;
}

} // namespace

std::string TimeOfDay()
{
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    char text[16];
    std::strftime(text, sizeof text, "%H:%M:%S", &local);
    return text;
}

void AddLogRow(RunContext& run, const std::string& site)
{
    run.page.log.push_front(LogRow{TimeOfDay(), site, " "});
    run.view.Apply(run_event::LogRowAdded{run.page.log.front()});
}

void AddDetailRow(RunContext& run, const std::string& site)
{
    run.page.details.push_front(DetailRow{TimeOfDay(), site, " ", " "});
    run.view.Apply(run_event::DetailRowAdded{run.page.details.front()});
}

void SetDetailAction(RunContext& run, const std::string& action)
{
    if (run.page.details.empty()) {
        return;
    }
    run.page.details.front().action = action;
    run.view.Apply(run_event::DetailAction{action});
}

void DetailsSuccessWords(RunContext& run, SiteState& site)
{
    const bool exists = run.control.GetOutcome() == Outcome::Exists;
    run.Record(site).Skipped = exists;
    if (store::ContainsNoCase(site.actionText, "entering login")) {
        site.loginCaptured = true;
    }
    SetDetailResult(run, exists ? "Exists" : "Done");
}

void DetailsFailureWords(RunContext& run, SiteState& site)
{
    const Outcome outcome = run.control.GetOutcome();
    std::string result = "Failed";
    if (outcome == Outcome::Skip || outcome == Outcome::Abort) {
        result = run.control.TimedOut() ? "Timeout" : "Abort";
    } else if (outcome == Outcome::Error) {
        result = "Error";
    }
    run.Record(site).Skipped = false;
    if (store::ContainsNoCase(site.actionText, "entering login")) {
        site.loginCaptured = false;
    }
    SetDetailResult(run, std::move(result));
}

void LogRowSuccess(RunContext& run, SiteState& site)
{
    SetLogResult(run, "Done");
    ShowStatus(run, "Submission successful to " + LogSite(run));
    ++run.state.report.sitesFinished;
    ++run.state.report.sitesSuccessful;
    run.Record(site).VersionSubmitted = sites::CutText(run.in.productVersion, sites::kShortTextLength);
}

void LogRowFailure(RunContext& run, SiteState& site)
{
    ++run.state.report.sitesFinished;
    const std::string name = LogSite(run);
    const Outcome outcome = run.control.GetOutcome();
    switch (outcome) {
    case Outcome::Skip:
    case Outcome::Abort:
        if (run.control.TimedOut()) {
            ShowStatus(run, "Submission failed to " + name + "  -  Connection timed out");
            SetLogResult(run, "Timeout");
        } else {
            ShowStatus(run, "Submission failed to " + name + "  -  User abort");
            SetLogResult(run, "Abort");
        }
        return;
    case Outcome::Error:
        ShowStatus(run,
                   site.httpErrorText.empty()
                       ? "Submission failed to " + name
                       : "Submission failed to " + name + "  -  " + site.httpErrorText);
        SetLogResult(run, "Error");
        return;
    case Outcome::Exists:
        if (!site.httpErrorText.empty()) {
            ShowStatus(run, "Submission cancelled to " + name + "  -  Latest version is already listed");
        } else {
            SetLogResult(run, "Exists");
        }
        return;
    case Outcome::None:
        break;
    }
    ShowStatus(run, "Submission failed to " + name);
    SetLogResult(run, "Failed");
}

void ShowCounters(RunContext& run)
{
    run.view.Apply(run_event::Counters{run.page.counters});
}

void ShowProgress(RunContext& run)
{
    run.page.counters.progress = ProgressPercent(run.page.counters.processed, run.total);
    run.view.Apply(run_event::Progress{run.page.counters.progress});
}

void ShowStatus(RunContext& run, std::string text)
{
    run.view.Apply(run_event::Status{std::move(text)});
}

void SaveSiteStatus(RunContext& run)
{
    // Rewritten after every site so the file is always current; replaced atomically, flushed to
    // the disk at the end of the run.
    if (store::Result<void> saved =
            sites::SaveSites(*run.in.table, run.in.productFolder, store::Durability::Ordered);
        !saved && !run.fatal) {
        run.fatal = saved.GetError();
    }
}

void UpdateReportCounters(RunContext& run)
{
    ReportCounters& report = run.state.report;
    if (run.countElapsed) {
        report.elapsedSeconds =
            run.reportBase.elapsedSeconds +
            std::chrono::duration_cast<std::chrono::seconds>(std::chrono::steady_clock::now() - run.started)
                .count();
    }
    const RequestCounters& counters = run.composer.Counters();
    report.webRequests = run.reportBase.webRequests + counters.webRequests;
    report.bytesSent = run.reportBase.bytesSent + counters.bytesSent;
    report.bytesReceived = run.reportBase.bytesReceived + counters.bytesReceived;
}

void AddHttpError(RunContext& run, const std::string& site, const std::string& reason)
{
    run.state.httpErrors.push_back(site);
    run.state.httpErrors.push_back(reason);
}

} // namespace listrider::engine
