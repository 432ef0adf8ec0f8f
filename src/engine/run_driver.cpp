#include "engine/run_driver.h"

#include <exception>

#include "engine/connection_test.h"
#include "engine/link_validator.h"
#include "engine/mail_step.h"
#include "engine/result_folder.h"
#include "engine/run_updates.h"
#include "engine/site_closing.h"
#include "engine/web_step.h"
#include "sites/site_status.h"
#include "store/date_time.h"
#include "store/file_system.h"
#include "store/numbers.h"
#include "store/text_helpers.h"

namespace listrider::engine {
namespace {

// The byte counts of the main client, posted to the run's view without waiting.
class ProgressForwarder final : public RequestView
{
public:
    explicit ProgressForwarder(RunView& view)
        : m_view(view)
    {}

    void ShowHttpAction(const std::string& text) override { m_view.ShowProgress(text); }

private:
    RunView& m_view;
};

bool IsEndCode(int step)
{
    return step == kStepSuccess || step == kStepFailure || step == kStepPending;
}

std::string ActionLabelOf(const std::string& channel)
{
    if (channel == "HTTP") {
        return "HTTP operation";
    }
    if (channel == "EMAIL") {
        return "Sending E-Mail";
    }
    if (channel == "FTP") {
        return "FTP operation";
    }
    return {};
}

} // namespace

int NextWizardStep(const SubmissionState& state, WizardPage runPage)
{
    if (runPage == WizardPage::MainSubmit && !state.pending.empty()) {
        return 2;
    }
    return state.failedSites > 0 ? 4 : 5;
}

TProgressWindow::TProgressWindow(
    RunInputs& inputs, SubmissionState& state, RunView& view, RunControl& control, RunScript& script)
    : m_in(inputs)
    , m_state(state)
    , m_view(view)
    , m_control(control)
    , m_script(script)
    , m_pool(std::make_shared<net::HttpConnectionPool>())
{}

TProgressWindow::~TProgressWindow() = default;

void TProgressWindow::Execute()
{
    try {
        if (!SetUp()) {
            EndRun(true);
            return;
        }
        const std::size_t iterations = m_state.selected.size();
        std::size_t position = 0;
        for (std::size_t done = 0; done < iterations && position < m_state.selected.size();) {
            const SiteEnd end = RunSite(position);
            if (end == SiteEnd::StopRun || Fatal()) {
                EndRun(true);
                return;
            }
            if (end == SiteEnd::Requeued) {
                continue; // the site now at this position goes next
            }
            ++position;
            ++done;
        }
        EndRun(false);
    } catch (const std::exception& e) {
        m_view.Apply(run_event::RunFinished{0, true, e.what()});
    } catch (...) {
        m_view.Apply(run_event::RunFinished{0, true, "unknown error"});
    }
}

bool TProgressWindow::SetUp()
{
    RunPage& page = m_state.RunPageOf(m_in.page);
    m_state.selected = m_state.checked;
    m_state.position = 0;
    m_state.requeue.clear();

    const store::CivilDate runDate =
        m_state.resumeMode ? GetNowDate(m_in.workspace, m_in.productName, m_in.today) : m_in.today;
    const double dateNumber =
        runDate == store::Today() ? store::NowDateTimeNumber() : store::DateTimeNumber(runDate);

    m_composer = std::make_unique<RequestComposer>(m_pool);
    m_journal = std::make_unique<RunJournal>(m_in.productFolder / "Resume");
    m_smtp = std::make_unique<SmtpSession>();
    m_run = std::make_unique<RunContext>(
        m_in, m_state, page, m_view, m_control, m_script, *m_composer, *m_journal, *m_smtp, m_pool);
    m_run->resultFolder = ResultFolder(m_in.workspace, m_in.productName, runDate);
    m_run->runDate = store::FormatDateTimeNumber(dateNumber, store::LocaleDecimalSeparator());
    m_run->smtpInUse = SmtpInUse(m_in.prefs);
    RunContext& run = *m_run;
    run.countElapsed = m_in.page == WizardPage::MainSubmit;

    if (store::Result<void> made = store::ForceDirectories(run.resultFolder / "Debug"); !made) {
        m_view.Apply(run_event::Message{made.GetError().message + "\r\nSubmission stopped."});
        return false;
    }
    m_view.Apply(run_event::RunButtons{false});
    m_control.SetTimeoutHandler([this] { m_view.Apply(run_event::TimeoutLabel{true}); });
    const ConnectionTestResult connection = RunConnectionTest(m_in.workspace,
                                                              m_in.config.connectionTestHost,
                                                              m_in.localAddresses,
                                                              HttpProxyFromPrefs(m_in.prefs),
                                                              m_pool,
                                                              &m_control.Transfer());
    if (!connection.passed) {
        m_view.Apply(run_event::Message{std::string(kNoConnectionMessage) + "\r\nSubmission stopped."});
        return false;
    }
    if (m_in.prefs.validateLinks) {
        TValidator validator(m_control, m_view, HttpProxyFromPrefs(m_in.prefs), m_pool);
        validator.SetTimeout(m_in.linkCheckLimit);
        if (!validator.Execute(ProductLinks(m_in.values)).allPassed) {
            return false;
        }
        m_control.BeginSite();
    }
    m_view.Apply(run_event::RunButtons{true});
    m_state.pending.clear();

    if (m_state.resumeMode) {
        run.total = page.counters.left + page.counters.processed;
    } else {
        m_state.httpErrors.clear();
        page.counters.processed = 0;
        page.counters.successful = 0;
        run.total = page.counters.left;
    }
    run.reportBase = m_state.report;
    m_composer->SetRunLog(run.resultFolder / "Debug" / "Log.txt");
    m_composer->SetProxy(HttpProxyFromPrefs(m_in.prefs));
    m_composer->SetTransferControl(&m_control.Transfer());
    m_composer->SetMacroResolver(m_script.Resolver());
    m_progress = std::make_unique<ProgressForwarder>(m_view);
    m_composer->SetView(m_progress.get());

    if (store::Result<void> saved = m_journal->Save(m_state, m_in.page); !saved) {
        run.fatal = saved.GetError();
        return !Fatal();
    }
    m_script.StartRun(m_in.values, connection.localAddress);
    m_state.failedSites = 0;
    if (store::Result<void> saved = m_journal->Save(m_state, m_in.page); !saved) {
        run.fatal = saved.GetError();
        return !Fatal();
    }
    return true;
}

TProgressWindow::SiteEnd TProgressWindow::RunSite(std::size_t position)
{
    RunContext& run = *m_run;
    if (m_control.Check() == Checkpoint::Stop) {
        return SiteEnd::StopRun;
    }
    SiteState site;
    site.position = position;
    site.name = m_state.selected[position];
    site.record = sites::FindDBIndex(*m_in.table, site.name);
    if (site.record < 0) {
        return SiteEnd::Closed;
    }
    if (m_in.packages != nullptr) {
        m_in.packages->LoadCurrentSite(*m_in.table, site.name);
    }
    m_state.position = position;
    // Right after the last site's closing the journal already holds this start.
    if (run.journalPosition != position) {
        UpdateReportCounters(run);
        if (store::Result<void> saved = m_journal->Save(m_state, m_in.page); !saved) {
            run.fatal = saved.GetError();
            return SiteEnd::StopRun;
        }
        run.journalPosition = position;
    }
    m_control.BeginSite();
    m_composer->ClearCookie();
    ShowCounters(run);
    m_view.Apply(run_event::MailProgressShown{false});
    m_view.Apply(run_event::CurrentSite{store::DoubleAmpersands(site.name)});

    m_script.StartSite(site.record, m_in.accounts != nullptr ? *m_in.accounts : catalogue::AccountsList{});
    AddLogRow(run, site.name);

    const sites::SitesR& record = run.Record(site);
    site.searchActive = !record.Sss.empty();
    // Each site starts from its own search settings: a site whose settings cannot be read does not
    // enter its submission at the previous site's steps.
    site.search = SearchSettings{};
    if (site.searchActive) {
        if (std::optional<SearchSettings> read =
                ReadSearchSettings(*m_in.table, site.name, m_in.config.GetSiteKey())) {
            site.search = *read;
        }
    }
    const SiteEnd end = StepLoop(site);
    if (end != SiteEnd::Closed) {
        return end;
    }
    CloseSite(run, site);
    return SiteEnd::Closed;
}

TProgressWindow::SiteEnd TProgressWindow::StepLoop(SiteState& site)
{
    RunContext& run = *m_run;
    const store::SiteKey key = m_in.config.GetSiteKey();
    while (true) {
        m_view.Apply(run_event::TimeoutLabel{false});
        if (IsEndCode(site.step) || Fatal()) {
            return SiteEnd::Closed;
        }
        const Checkpoint check = m_control.Check();
        if (check == Checkpoint::Stop) {
            return SiteEnd::StopRun;
        }
        if (check == Checkpoint::SkipSite) {
            site.step = kStepFailure;
            return SiteEnd::Closed;
        }
        AddDetailRow(run, site.name);
        ++site.requestNumber;
        site.endedAfterWebRequest = false;
        site.stepFile = StepFileName(m_in.scratchDir, site.name, site.step, site.searchActive);

        if (site.loginCaptured || site.name == "ShareMe") {
            const store::NarrowMacroResolver& resolve = m_script.Resolver();
            std::string login = store::SubstituteMacros(
                run.Record(site).AccountKind == "MAILPASSWORD" ? "|SiteEMailLogin|" : "|SiteLogin|", resolve);
            std::string password = store::SubstituteMacros("|SitePassword|", resolve);
            site.loginCaptured = false;
            StoreCapturedAccount(run, site, std::move(login), std::move(password));
        }

        const StepSources sources{*m_in.table, key, m_script.Resolver()};
        store::Result<LoadedStep> loaded = LoadStep(site.stepFile, sources, m_script.Categories());
        if (!loaded) {
            site.step = kStepFailure;
            m_control.SetOutcome(Outcome::Error);
            site.reason = "Error Loading Site";
        } else {
            site.actionText = loaded.Value().actionText;
            site.channel = loaded.Value().channel;
            if (const std::string label = ActionLabelOf(site.channel); !label.empty()) {
                m_view.Apply(run_event::Leds{site.channel});
                m_view.Apply(run_event::ActionLabel{label});
            }
            SetDetailAction(run, site.actionText);
        }
        if (site.step == kStepFailure || site.step == kStepPending) {
            return SiteEnd::Closed;
        }
        LoadedStep& step = loaded.Value();
        m_script.PrepareStep();

        if (site.channel == "HTTP") {
            const WebStepEnd end = RunWebStep(run, site, step);
            if (end == WebStepEnd::StopRun) {
                return SiteEnd::StopRun;
            }
            if (end == WebStepEnd::Requeued) {
                return SiteEnd::Requeued;
            }
            continue;
        }
        if (site.channel == "EMAIL") {
            return RunMailStep(run, site, step) == MailStepEnd::StopRun ? SiteEnd::StopRun : SiteEnd::Closed;
        }
        // An FTP step sends nothing and an unknown channel names no way of sending: such a site
        // is a failure, never a success.
        site.step = kStepFailure;
        m_control.SetOutcome(Outcome::Error);
        site.reason = "The \"" + site.channel + "\" channel is not supported";
        site.httpErrorText = site.reason;
        AddHttpError(run, site.name, site.reason);
        return SiteEnd::Closed;
    }
}

bool TProgressWindow::Fatal()
{
    return m_run != nullptr && m_run->fatal.has_value();
}

void TProgressWindow::EndRun(bool early)
{
    m_control.DisarmWatchdog();
    m_control.SetTimeoutHandler({});
    if (m_run == nullptr) {
        m_view.Apply(run_event::RunFinished{0, false, {}});
        return;
    }
    RunContext& run = *m_run;
    UpdateReportCounters(run);
    if (run.fatal) {
        m_view.Apply(run_event::Message{"Cannot write " + run.fatal->message + " (" + run.fatal->detail +
                                        ")\r\nSubmission stopped."});
    }
    ShowCounters(run);
    m_state.lastOutcome = m_control.GetOutcome();
    // The status and the journal written during the run reach the disk now.
    (void)sites::SaveSites(*m_in.table, m_in.productFolder);
    (void)m_journal->Flush();
    if (early) {
        m_view.Apply(run_event::RunFinished{0, false, {}});
        return;
    }
    m_view.Apply(run_event::RunFinished{NextWizardStep(m_state, m_in.page), false, {}});
}

} // namespace listrider::engine
