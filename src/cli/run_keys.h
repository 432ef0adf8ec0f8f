// The run's controls on a terminal: Ctrl-C stops (twice: exits at once), keys pause, resume, skip
// and continue a traced step.
#pragma once

#include <atomic>
#include <thread>

#include "engine/run_control.h"

namespace listrider::cli {

/// Watches SIGINT (and, on a terminal, the keys p, s and Enter) for the lifetime of a run.
class RunKeys
{
public:
    /// `readEnter` watches standard input for Enter also when it is no terminal (the step trace).
    RunKeys(engine::RunControl& control, bool terminal, bool readEnter);
    RunKeys(const RunKeys&) = delete;
    RunKeys& operator=(const RunKeys&) = delete;
    ~RunKeys();

    /// Returns whether Ctrl-C stopped the run.
    bool Interrupted() const { return m_interrupted.load(); }

private:
    void WatchSignals();
    void WatchKeys();

    engine::RunControl& m_control;
    bool m_terminal;
    std::atomic<bool> m_done{false};
    std::atomic<bool> m_interrupted{false};
    bool m_rawMode = false;
    std::thread m_signals;
    std::thread m_keys;
};

} // namespace listrider::cli
