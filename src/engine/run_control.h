// Pause, Resume, Skip, Stop and the request watchdog of a run: state that the controls set and
// the run's worker honours at its check points and inside its transfers.
#pragma once

#include <chrono>
#include <condition_variable>
#include <functional>
#include <mutex>
#include <optional>
#include <stop_token>
#include <string_view>
#include <thread>

#include "engine/outcome.h"
#include "net/transfer_control.h"

namespace listrider::engine {

/// The question the window asks before a Stop takes effect.
inline constexpr std::string_view kStopQuestion = "Are you sure you want to stop current submission?";

/// What a check point tells the worker.
enum class Checkpoint
{
    Continue,
    SkipSite,
    Stop,
};

/// Thread-safe. The front end calls RequestPause, Resume, RequestSkip and RequestStop from any
/// thread; the worker calls the rest. Skip and Stop abort the transfer in progress at once.
class RunControl
{
public:
    RunControl();
    RunControl(const RunControl&) = delete;
    RunControl& operator=(const RunControl&) = delete;
    ~RunControl();

    /// Stops the watchdog clock; the worker waits at its next check point.
    void RequestPause();

    /// Ends a pause (or the trace wait); the watchdog clock starts again when a request runs.
    void Resume();

    /// Abandons the current site: outcome "Skip", the transfer aborted, a pause ended.
    void RequestSkip();

    /// Ends the run: outcome "Abort", the transfer aborted, every wait released.
    void RequestStop();

    bool IsPaused() const;

    bool StopRequested() const;

    /// Blocks while the run is paused; returns what the worker is to do next.
    Checkpoint Check();

    /// Pauses the worker itself until Resume, Skip or Stop (the step trace).
    Checkpoint WaitForTrace();

    /// Waits up to `limit` unless Stop comes first; returns false when stopped.
    bool WaitFor(std::chrono::milliseconds limit);

    /// The outcome word of the current site.
    Outcome GetOutcome() const;

    /// Sets the outcome word from the worker. A Skip or Stop of the user is never overwritten.
    void SetOutcome(Outcome outcome);

    /// Starts a site: outcome "None" (unless the run is stopping), timeout flag cleared.
    void BeginSite();

    /// Whether the watchdog fired for the current request of this site.
    bool TimedOut() const;

    /// The abort hook the clients of the run watch.
    net::TransferControl& Transfer() { return m_transfer; }

    /// Clears the abort of the last transfer before the next one; a Skip or Stop already given
    /// aborts the new transfer at once.
    void BeginTransfer();

    /// Starts the watchdog for one request: after `limit` of unpaused time the site is marked
    /// timed out and "Skip", the transfer aborted, and `onTimeout` called (on the watchdog's thread).
    void ArmWatchdog(std::chrono::milliseconds limit);

    /// Stops the watchdog (the request ended).
    void DisarmWatchdog();

    /// Called when the watchdog fires; must not block.
    void SetTimeoutHandler(std::function<void()> onTimeout);

private:
    void WatchdogLoop(std::stop_token stop);
    void AbortLocked();

    mutable std::mutex m_mutex;
    std::condition_variable_any m_changed;
    net::TransferControl m_transfer;
    Outcome m_outcome = Outcome::None;
    bool m_paused = false;
    bool m_traceWait = false;
    bool m_stopped = false;
    bool m_timedOut = false;
    std::optional<std::chrono::milliseconds> m_watchLimit; ///< armed for the current request
    std::optional<std::chrono::steady_clock::time_point> m_deadline;
    std::function<void()> m_onTimeout;
    std::jthread m_watchdog;
};

} // namespace listrider::engine
