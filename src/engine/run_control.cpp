#include "engine/run_control.h"

namespace listrider::engine {

RunControl::RunControl()
    : m_watchdog([this](std::stop_token stop) { WatchdogLoop(stop); })
{}

RunControl::~RunControl()
{
    m_watchdog.request_stop();
    m_changed.notify_all();
}

void RunControl::RequestPause()
{
    {
        std::lock_guard lock(m_mutex);
        m_paused = true;
        m_deadline.reset();
    }
    m_changed.notify_all();
}

void RunControl::Resume()
{
    {
        std::lock_guard lock(m_mutex);
        m_paused = false;
        m_traceWait = false;
        // The request timer starts again with its whole interval, as a timer switched on anew.
        if (m_watchLimit) {
            m_deadline = std::chrono::steady_clock::now() + *m_watchLimit;
        }
    }
    m_changed.notify_all();
}

void RunControl::AbortLocked()
{
    // Called with the lock held: a transfer begun after this sees the abort at its start.
    m_transfer.RequestAbort();
}

void RunControl::RequestSkip()
{
    {
        std::lock_guard lock(m_mutex);
        if (m_outcome != Outcome::Abort) {
            m_outcome = Outcome::Skip;
        }
        m_paused = false;
        m_traceWait = false;
        AbortLocked();
    }
    m_changed.notify_all();
}

void RunControl::RequestStop()
{
    {
        std::lock_guard lock(m_mutex);
        m_outcome = Outcome::Abort;
        m_stopped = true;
        m_paused = false;
        m_traceWait = false;
        m_deadline.reset();
        AbortLocked();
    }
    m_changed.notify_all();
}

bool RunControl::IsPaused() const
{
    std::lock_guard lock(m_mutex);
    return m_paused;
}

bool RunControl::StopRequested() const
{
    std::lock_guard lock(m_mutex);
    return m_stopped;
}

Checkpoint RunControl::Check()
{
    std::unique_lock lock(m_mutex);
    m_changed.wait(lock, [this] { return !(m_paused || m_traceWait) || m_stopped; });
    if (m_stopped || m_outcome == Outcome::Abort) {
        return Checkpoint::Stop;
    }
    return m_outcome == Outcome::Skip ? Checkpoint::SkipSite : Checkpoint::Continue;
}

Checkpoint RunControl::WaitForTrace()
{
    {
        std::lock_guard lock(m_mutex);
        if (!m_stopped && m_outcome != Outcome::Skip) {
            m_traceWait = true;
        }
    }
    return Check();
}

bool RunControl::WaitFor(std::chrono::milliseconds limit)
{
    std::unique_lock lock(m_mutex);
    m_changed.wait_for(lock, limit, [this] { return m_stopped; });
    return !m_stopped;
}

Outcome RunControl::GetOutcome() const
{
    std::lock_guard lock(m_mutex);
    return m_outcome;
}

void RunControl::SetOutcome(Outcome outcome)
{
    std::lock_guard lock(m_mutex);
    if (m_outcome == Outcome::Skip || m_outcome == Outcome::Abort) {
        return;
    }
    m_outcome = outcome;
}

void RunControl::BeginSite()
{
    std::lock_guard lock(m_mutex);
    if (!m_stopped) {
        m_outcome = Outcome::None;
    }
    m_timedOut = false;
}

bool RunControl::TimedOut() const
{
    std::lock_guard lock(m_mutex);
    return m_timedOut;
}

void RunControl::BeginTransfer()
{
    std::lock_guard lock(m_mutex);
    m_transfer.Reset();
    if (m_outcome == Outcome::Skip || m_outcome == Outcome::Abort) {
        AbortLocked();
    }
}

void RunControl::ArmWatchdog(std::chrono::milliseconds limit)
{
    {
        std::lock_guard lock(m_mutex);
        m_watchLimit = limit;
        m_deadline.reset();
        if (!m_paused && !m_traceWait) {
            m_deadline = std::chrono::steady_clock::now() + limit;
        }
    }
    m_changed.notify_all();
}

void RunControl::DisarmWatchdog()
{
    {
        std::lock_guard lock(m_mutex);
        m_watchLimit.reset();
        m_deadline.reset();
    }
    m_changed.notify_all();
}

void RunControl::SetTimeoutHandler(std::function<void()> onTimeout)
{
    std::lock_guard lock(m_mutex);
    m_onTimeout = std::move(onTimeout);
}

void RunControl::WatchdogLoop(std::stop_token stop)
{
    std::unique_lock lock(m_mutex);
    while (!stop.stop_requested()) {
        if (!m_deadline) {
            m_changed.wait(lock, stop, [this] { return m_deadline.has_value(); });
            continue;
        }
        const auto deadline = *m_deadline;
        if (m_changed.wait_until(
                lock, stop, deadline, [this, deadline] { return !m_deadline || *m_deadline != deadline; })) {
            continue; // disarmed, paused or re-armed
        }
        if (stop.stop_requested()) {
            break;
        }
        // One shot per request.
        m_deadline.reset();
        m_watchLimit.reset();
        m_timedOut = true;
        if (m_outcome != Outcome::Abort) {
            m_outcome = Outcome::Skip;
        }
        AbortLocked();
        std::function<void()> onTimeout = m_onTimeout;
        lock.unlock();
        if (onTimeout) {
            onTimeout();
        }
        lock.lock();
    }
}

} // namespace listrider::engine
