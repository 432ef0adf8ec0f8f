// The submission run (TProgressWindow): the product's checked sites walked one after another,
// step by step, on the run's worker thread.
#pragma once

#include <memory>

#include "engine/run_context.h"

namespace listrider::engine {

/// Returns the wizard step a finished run leads to (GoToNextStep): 2 when sites are pending
/// (after a Step 1 run), 4 when a site failed, else 5.
int NextWizardStep(const SubmissionState& state, WizardPage runPage);

/// One run. Execute is the worker's whole job; it never throws, and it ends with RunFinished.
class TProgressWindow
{
public:
    TProgressWindow(
        RunInputs& inputs, SubmissionState& state, RunView& view, RunControl& control, RunScript& script);
    TProgressWindow(const TProgressWindow&) = delete;
    TProgressWindow& operator=(const TProgressWindow&) = delete;
    ~TProgressWindow();

    /// Runs the set-up, the site loop and the end of the run over the state's checked sites; in
    /// resume mode it continues the run that the journal restored into the state.
    void Execute();

private:
    enum class SiteEnd
    {
        Closed,
        Requeued,
        StopRun,
    };

    bool SetUp();
    SiteEnd RunSite(std::size_t position);
    SiteEnd StepLoop(SiteState& site);
    void EndRun(bool early);
    bool Fatal();

    RunInputs& m_in;
    SubmissionState& m_state;
    RunView& m_view;
    RunControl& m_control;
    RunScript& m_script;
    std::shared_ptr<net::HttpConnectionPool> m_pool;
    std::unique_ptr<RequestView> m_progress;
    std::unique_ptr<RequestComposer> m_composer;
    std::unique_ptr<RunJournal> m_journal;
    std::unique_ptr<SmtpSession> m_smtp;
    std::unique_ptr<RunContext> m_run;
};

} // namespace listrider::engine
