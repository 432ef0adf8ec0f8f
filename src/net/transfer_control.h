// The hook through which a run aborts the transfer in progress from another thread.
#pragma once

#include <atomic>
#include <condition_variable>
#include <cstdint>
#include <functional>
#include <map>
#include <mutex>

namespace listrider::net {

/// Shared by the run (which requests aborts: Skip, Stop, the request watchdog) and the clients
/// (which watch it while they transfer). An abort stays requested until Reset.
class TransferControl
{
public:
    /// Requests the abort of every transfer that watches this control and wakes them at once.
    void RequestAbort();

    /// Clears the abort request (before the next request of a run).
    void Reset();

    bool IsAbortRequested() const { return m_aborted.load(); }

    /// Registers how to wake a transfer; the waker is called at once when an abort is already
    /// requested. Returns the id for Unsubscribe.
    std::uint64_t Subscribe(std::function<void()> wake);

    /// Removes a waker; returns once no call of it is in progress, so its owner may go.
    void Unsubscribe(std::uint64_t id);

private:
    std::atomic<bool> m_aborted{false};
    std::mutex m_mutex;
    std::condition_variable m_idle;
    int m_waking = 0; ///< RequestAbort calls running their wakers
    std::uint64_t m_nextId = 1;
    std::map<std::uint64_t, std::function<void()>> m_wakers;
};

/// Keeps a waker registered for the lifetime of a transfer.
class TransferSubscription
{
public:
    TransferSubscription(TransferControl* control, std::function<void()> wake);
    TransferSubscription(const TransferSubscription&) = delete;
    TransferSubscription& operator=(const TransferSubscription&) = delete;
    ~TransferSubscription();

private:
    TransferControl* m_control;
    std::uint64_t m_id = 0;
};

} // namespace listrider::net
