#include "engine/web_step.h"

#include <algorithm>
#include <chrono>

#include "engine/result_folder.h"
#include "engine/run_updates.h"
#include "engine/search_verdict.h"
#include "engine/step_referrer.h"
#include "engine/success_test.h"
#include "sites/site_file_lines.h"
#include "store/ascii.h"
#include "store/file_system.h"
#include "store/text_helpers.h"

namespace listrider::engine {
namespace {

constexpr std::string_view kOutdated = "Search script is outdated.";
constexpr std::string_view kUnreachable = "Error connecting to host.";

bool IsSearchEntry(const SiteState& site)
{
    return store::ContainsNoCase(site.stepFile, ".150");
}

// The rule for a failed search entry step: the search is off for the site, and the run's error
// list learns that its script is outdated.
void SearchOutdated(RunContext& run, SiteState& site)
{
    site.searchActive = false;
    AddHttpError(run, site.name, std::string(kOutdated));
    run.control.SetOutcome(Outcome::Error);
}

std::string Referrer(RunContext& run, const SiteState& site)
{
    return StepReferrer(
        *run.in.table, run.Record(site), site.step, run.in.config.GetSiteKey(), run.script.Resolver());
}

void Trace(RunContext& run,
           const SiteState& site,
           const LoadedStep& step,
           const std::vector<std::string>& names,
           const std::vector<std::string>& values,
           const std::string& commandsResult)
{
    run_event::Trace trace;
    trace.fileName = "FileName: " + std::filesystem::path(site.stepFile).filename().string();
    const store::NarrowMacroResolver& resolve = run.script.Resolver();
    trace.url = "URL: " + store::DoubleAmpersands(store::SubstituteMacros(step.host + step.path, resolve));
    trace.onSuccess = step.onSuccess;
    trace.onFailure = step.onFailure;
    trace.commands = step.commands;
    trace.commandsResult = "Result of commands: " + commandsResult;
    for (std::size_t i = 0; i < std::max(names.size(), values.size()); ++i) {
        const std::string name = i < names.size() ? names[i] : std::string();
        const std::string value = i < values.size() ? values[i] : std::string();
        trace.source.push_back(name);
        trace.source.push_back(value);
        trace.expanded.push_back(store::SubstituteMacros(name, resolve));
        trace.expanded.push_back(store::SubstituteMacros(value, resolve));
    }
    const std::span<std::string> custom = run.script.Custom();
    for (std::size_t i = 0; i < custom.size(); ++i) {
        if (!custom[i].empty()) {
            trace.customs.push_back("Custom" + std::to_string(i + 1) + ": " + custom[i]);
        }
    }
    run.view.Apply(trace);
}

// Puts the site back ten places later when it was unreachable or timed out, at most three times.
bool Requeue(RunContext& run, SiteState& site, bool timedOut)
{
    std::vector<std::string>& requeue = run.state.requeue;
    if (std::count(requeue.begin(), requeue.end(), site.name) >= 3) {
        return false;
    }
    requeue.push_back(site.name);
    run.journalPosition.reset(); // the selected list changes
    auto removeTop = [&site](auto& rows) {
        const auto count = std::count_if(
            rows.begin(), rows.end(), [&site](const auto& row) { return row.site == site.name; });
        rows.erase(rows.begin(), rows.begin() + count);
        return static_cast<int>(count);
    };
    const int logRows = removeTop(run.page.log);
    const int detailRows = removeTop(run.page.details);
    run.view.Apply(run_event::Requeued{site.name, logRows, detailRows});
    ShowStatus(run,
               site.name +
                   (timedOut
                        ? " -  connection timed out. Listrider will retry after processing next 10 sites."
                        : " -  is unreachable. Listrider will retry after processing next 10 sites."));
    std::vector<std::string>& selected = run.state.selected;
    selected.erase(selected.begin() + static_cast<std::ptrdiff_t>(site.position));
    if (selected.size() > site.position + 10) {
        selected.insert(selected.begin() + static_cast<std::ptrdiff_t>(site.position + 10), site.name);
    } else {
        selected.push_back(site.name);
    }
    return true;
}

} // namespace

void StoreCapturedAccount(RunContext& run, const SiteState& site, std::string login, std::string password)
{
    if ((login.empty() && password.empty()) || run.in.accounts == nullptr) {
        return;
    }
    catalogue::AccountRow* row = run.in.accounts->FindExact(site.name);
    if (row == nullptr) {
        return;
    }
    if (!login.empty()) {
        row->login = std::move(login);
    }
    if (!password.empty()) {
        row->password = std::move(password);
    }
    run.in.accounts->copyToSiteList = true;
    if (run.in.saveAccounts) {
        if (store::Result<void> saved = run.in.saveAccounts(); !saved && !run.fatal) {
            run.fatal = saved.GetError();
        }
    }
}

WebStepEnd RunWebStep(RunContext& run, SiteState& site, LoadedStep& step)
{
    if (step.host.empty() && step.path.empty() && step.method.empty()) {
        --site.requestNumber;
    }
    std::vector<std::string>& names = step.names;
    std::vector<std::string>& values = step.values;

    std::string commandsResult = "none";
    StepCommandsOutcome commands;
    if (!step.commands.empty() && step.commands.size() % 2 == 0) {
        store::Result<StepCommandsOutcome> ran = run.script.RunCommands(step.commands, names, values);
        if (!ran) {
            site.step = kStepFailure;
            run.control.SetOutcome(Outcome::Error);
            site.reason = "Error Processing Site";
        } else {
            commands = std::move(ran.Value());
            commandsResult = commands.result;
            StoreCapturedAccount(run, site, commands.capturedLogin, commands.capturedPassword);
        }
    }
    if (commandsResult == "-1") {
        DetailsFailureWords(run, site);
        site.step = step.onFailure;
        ApplySearchVerdict(run, site);
        return WebStepEnd::NextStep;
    }
    if (site.step == kStepFailure) {
        site.endedAfterWebRequest = true;
        return WebStepEnd::NextStep; // nothing is sent after a processing error
    }
    if (commandsResult != "none" && !commands.path.empty()) {
        step.path += (commands.path.starts_with('/') ? "" : "/") + commands.path;
        if (step.method.empty()) {
            step.method = commands.method;
        }
    }
    if (names.size() != values.size()) {
        site.step = kStepFailure; // the request still goes out; the site ends with -2
    } else {
        run.script.ExpandOsMultiSelect(names, values);
    }
    if (run.in.tracing) {
        Trace(run, site, step, names, values, commandsResult);
        if (run.control.WaitForTrace() == Checkpoint::Stop) {
            return WebStepEnd::StopRun;
        }
    }
    std::string path = step.path;
    run.script.ExpandFields(names, values, path);
    if (std::optional<store::Error> failure = run.script.TakeFailure()) {
        // A value that could not be prepared ends the site before anything is sent.
        site.step = kStepFailure;
        run.control.SetOutcome(Outcome::Error);
        site.reason = failure->message;
        site.endedAfterWebRequest = true;
        return WebStepEnd::NextStep;
    }
    if (run.control.StopRequested()) {
        return WebStepEnd::StopRun;
    }
    const std::string referrer = Referrer(run, site);

    Outcome outcome = run.control.GetOutcome();
    if (outcome == Outcome::Abort) {
        return WebStepEnd::StopRun;
    }
    if (outcome != Outcome::Skip) {
        const bool upload = step.method == "POSTUPLOAD";
        run.control.BeginTransfer();
        if (!upload) {
            run.control.ArmWatchdog(
                run.in.requestTimeout.count() > 0
                    ? run.in.requestTimeout
                    : std::chrono::milliseconds(std::chrono::seconds(run.in.prefs.httpExpire)));
        }
        site.httpErrorCode = 0;
        site.httpErrorText.clear();
        run.composer.RecreateHTTP();
        run.composer.SetReferrer(referrer);
        site.emptyPage = false;
        StepRequest request{step.host,
                            path,
                            step.method,
                            names,
                            values,
                            SavedPagePath(run.resultFolder, site.name, site.requestNumber),
                            site.stepFile};
        const store::Result<bool> sent = run.composer.SendStepRequest(
            request, SiteFacts{site.name, run.Record(site).HasPrb}, run.in.uploadPaths);
        if (!sent || !sent.Value()) {
            site.step = kStepFailure;
        }
        run.control.DisarmWatchdog();
        run.script.RecordRequestPage(request.savedPage);
        site.httpErrorCode = run.composer.HttpErrorCode();
        site.httpErrorText = run.composer.HttpErrorText();
        if (!sent) {
            site.httpErrorText = sent.GetError().message;
        }
        site.endedAfterWebRequest = true;

        outcome = run.control.GetOutcome();
        if (outcome == Outcome::None && site.httpErrorCode != 0 && !site.httpErrorText.empty()) {
            AddHttpError(run, site.name, site.httpErrorText);
            run.control.SetOutcome(Outcome::Error);
        }
        bool outdatedApplied = false;
        if (run.control.GetOutcome() == Outcome::None && site.step == kStepFailure && IsSearchEntry(site)) {
            SearchOutdated(run, site);
            outdatedApplied = true;
        }
        outcome = run.control.GetOutcome();
        if (outcome == Outcome::Abort) {
            return WebStepEnd::StopRun;
        }
        const bool timedOut = run.control.TimedOut();
        if (outcome == Outcome::Skip) {
            site.step = kStepFailure;
            if (!timedOut) {
                return WebStepEnd::NextStep; // the user's Skip: never requeued
            }
        }
        site.emptyPage = store::FileSizeOf(request.savedPage) == 0;
        if (site.step >= 0) {
            const SuccessVerdict verdict =
                IsSuccessPage(request.savedPage, step.successText, step.failureText, run.script.Resolver());
            if (verdict.normalizedPage) {
                run.script.RecordSuccessPage(*verdict.normalizedPage);
            }
            if (verdict.success) {
                site.step = step.onSuccess;
                DetailsSuccessWords(run, site);
            } else {
                site.step = step.onFailure;
                DetailsFailureWords(run, site);
            }
        }
        if ((site.emptyPage && site.step == kStepFailure) || timedOut) {
            if (Requeue(run, site, timedOut)) {
                return WebStepEnd::Requeued;
            }
        }
        if (timedOut) {
            return WebStepEnd::NextStep; // closes as "Timeout"
        }
        if (site.step == kStepFailure && !site.emptyPage && IsSearchEntry(site) && !outdatedApplied) {
            SearchOutdated(run, site);
        } else if (site.step == kStepFailure && site.emptyPage) {
            site.searchActive = false;
            AddHttpError(run, site.name, std::string(kUnreachable));
            run.control.SetOutcome(Outcome::Error);
        }
        ApplySearchVerdict(run, site);
        return WebStepEnd::NextStep;
    }
    // The user's Skip came before the request.
    site.step = kStepFailure;
    site.endedAfterWebRequest = true;
    return WebStepEnd::NextStep;
}

} // namespace listrider::engine
