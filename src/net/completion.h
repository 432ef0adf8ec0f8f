// The event a worker waits on while a client finishes a request.
#pragma once

#include <chrono>
#include <condition_variable>
#include <mutex>

namespace listrider::net {

/// A manual-reset event: Reset before the request, Set by the request-done handler (or by an
/// abort), WaitFor in the worker.
class Completion
{
public:
    void Reset();
    void Set();
    bool IsSet() const;

    /// Returns true when the event was set within the limit.
    bool WaitFor(std::chrono::milliseconds limit);

private:
    mutable std::mutex m_mutex;
    std::condition_variable m_changed;
    bool m_set = false;
};

/// The longest a worker waits for one request.
inline constexpr std::chrono::milliseconds kRequestWaitLimit{999999};

} // namespace listrider::net
