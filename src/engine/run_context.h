// What the parts of a run share: the inputs, the Submit page's state, the view, the controls, the
// script language, the clients, the journal and the result folder; and the state of the current
// site.
#pragma once

#include <chrono>
#include <filesystem>
#include <memory>
#include <optional>
#include <string>

#include "engine/journal.h"
#include "engine/mail_submission.h"
#include "engine/request_composer.h"
#include "engine/run_control.h"
#include "engine/run_inputs.h"
#include "engine/run_script.h"
#include "engine/run_view.h"
#include "engine/search_settings.h"
#include "net/http_connection_pool.h"

namespace listrider::engine {

/// The state of the site being processed, reset at each site's start.
struct SiteState
{
    std::size_t position = 0; ///< in the selected list
    std::string name;
    int record = -1; ///< in the site table
    int step = 0;
    int requestNumber = 0;
    std::string actionText;
    std::string reason;
    std::string channel; ///< "HTTP", "EMAIL", "FTP" ... of the last step
    bool loginCaptured = false;
    bool emptyPage = false;
    bool searchActive = false;
    SearchSettings search; ///< the entry steps of this site's search verdict
    int httpErrorCode = 0;
    std::string httpErrorText;
    std::string stepFile;
    bool endedAfterWebRequest = false; ///< the script ended right after a request
    bool mailSkipped = false;          ///< a Skip during an e-mail step ended the site
};

/// Shared by the driver and the step runners of one run.
struct RunContext
{
    RunContext(RunInputs& inputs,
               SubmissionState& submission,
               RunPage& runPage,
               RunView& runView,
               RunControl& runControl,
               RunScript& runScript,
               RequestComposer& requestComposer,
               RunJournal& runJournal,
               SmtpSession& smtpSession,
               std::shared_ptr<net::HttpConnectionPool> connectionPool)
        : in(inputs)
        , state(submission)
        , page(runPage)
        , view(runView)
        , control(runControl)
        , script(runScript)
        , composer(requestComposer)
        , journal(runJournal)
        , smtp(smtpSession)
        , pool(std::move(connectionPool))
    {}

    RunInputs& in;
    SubmissionState& state;
    RunPage& page;
    RunView& view;
    RunControl& control;
    RunScript& script;
    RequestComposer& composer;
    RunJournal& journal;
    SmtpSession& smtp;
    std::shared_ptr<net::HttpConnectionPool> pool;
    std::filesystem::path resultFolder;
    std::string runDate; ///< the date-time number written as `Submitted`
    bool smtpInUse = false;
    long long total = 0;
    /// A journal or result file that could not be written: the run stops with it.
    std::optional<store::Error> fatal;

    /// The report counters as the run started (restored or zero).
    ReportCounters reportBase;
    std::chrono::steady_clock::time_point started = std::chrono::steady_clock::now();
    bool countElapsed = false; ///< the run clock runs for Step 1 runs
    /// The position the last journal write recorded; a site's start there needs no new write.
    std::optional<std::size_t> journalPosition;

    sites::SitesR& Record(const SiteState& site)
    {
        return in.table->sites[static_cast<std::size_t>(site.record)];
    }
};

} // namespace listrider::engine
