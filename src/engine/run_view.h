// What a submission run shows: value events that a front end applies to its window (or prints).
#pragma once

#include <string>
#include <variant>
#include <vector>

#include "engine/run_lists.h"

namespace listrider::engine {

namespace run_event {

/// The six run buttons (Start, Skip, Stop of both run pages).
struct RunButtons
{
    bool enabled = false;
};

/// An error box with an OK button.
struct Message
{
    std::string text;
};

/// The page's three counters.
struct Counters
{
    PageCounters counters;
};

struct MailProgressShown
{
    bool shown = false;
};

/// The current-site label (the site name with "&" doubled).
struct CurrentSite
{
    std::string label;
};

/// A row inserted at the top of the log list.
struct LogRowAdded
{
    LogRow row;
};

/// A row inserted at the top of the details list.
struct DetailRowAdded
{
    DetailRow row;
};

/// The Action column of details row 0.
struct DetailAction
{
    std::string action;
};

/// The Result column of details row 0 (and the line appended to DetailResult.txt).
struct DetailResult
{
    DetailRow row;
};

/// The Result column of log row 0.
struct LogResult
{
    LogRow row;
};

/// The "HTTP Timeout!!!" label.
struct TimeoutLabel
{
    bool shown = false;
};

/// The three LEDs: "HTTP", "EMAIL" or "FTP" lights its own and darkens the others.
struct Leds
{
    std::string channel;
};

/// The action label ("HTTP operation", "Sending E-Mail", "FTP operation", byte counts).
struct ActionLabel
{
    std::string text;
};

/// The main status bar.
struct Status
{
    std::string text;
};

/// The site's row of the site list is unchecked.
struct SiteUnchecked
{
    std::string site;
};

/// The progress bar and "N% Complete".
struct Progress
{
    int percent = 0;
};

/// A site put back into the queue: its rows removed from the top of both lists.
struct Requeued
{
    std::string site;
    int logRowsRemoved = 0;
    int detailRowsRemoved = 0;
};

/// What the trace window shows before a web request.
struct Trace
{
    std::string fileName; ///< "FileName: " + the step file's file part
    std::string url;      ///< "URL: " + host and path, expanded, "&" doubled
    int onSuccess = 0;
    int onFailure = 0;
    std::vector<std::string> commands;
    std::string commandsResult;
    std::vector<std::string> source;   ///< name line, value line, as written
    std::vector<std::string> expanded; ///< the same with macros expanded
    std::vector<std::string> customs;  ///< "CustomN: value" for every non-empty custom value
};

/// A link checked by the link validator ("Passed", "Failed", "Skipped").
struct LinkChecked
{
    std::string label;
    std::string state;
};

/// The run has ended; `nextStep` is the wizard step it leads to (0 when it ended early).
struct RunFinished
{
    int nextStep = 0;
    bool crashed = false;
    std::string what; ///< what went wrong when crashed
};

} // namespace run_event

/// One window update of a run.
using RunEvent = std::variant<run_event::RunButtons,
                              run_event::Message,
                              run_event::Counters,
                              run_event::MailProgressShown,
                              run_event::CurrentSite,
                              run_event::LogRowAdded,
                              run_event::DetailRowAdded,
                              run_event::DetailAction,
                              run_event::DetailResult,
                              run_event::LogResult,
                              run_event::TimeoutLabel,
                              run_event::Leds,
                              run_event::ActionLabel,
                              run_event::Status,
                              run_event::SiteUnchecked,
                              run_event::Progress,
                              run_event::Requeued,
                              run_event::Trace,
                              run_event::LinkChecked,
                              run_event::RunFinished>;

/// The front end of a run. Apply is called on the run's worker (and the watchdog's timeout label
/// on the watchdog's thread) and returns once the update is applied; ShowProgress carries byte
/// counts and must not block.
class RunView
{
public:
    virtual ~RunView() = default;

    virtual void Apply(const RunEvent& event) = 0;

    /// "HTTP operation - N bytes received" and the like; posted without waiting.
    virtual void ShowProgress(const std::string& text) = 0;
};

} // namespace listrider::engine
