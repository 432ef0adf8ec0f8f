#include "net/transfer_control.h"

#include <vector>

namespace listrider::net {

void TransferControl::RequestAbort()
{
    std::vector<std::function<void()>> wakers;
    {
        std::lock_guard lock(m_mutex);
        m_aborted = true;
        for (const auto& [id, wake] : m_wakers) {
            wakers.push_back(wake);
        }
        ++m_waking;
    }
    // The wakers run outside the lock (they take their clients' locks); Unsubscribe waits for
    // them, so a waker never runs after its transfer has gone.
    for (const auto& wake : wakers) {
        wake();
    }
    {
        std::lock_guard lock(m_mutex);
        --m_waking;
    }
    m_idle.notify_all();
}

void TransferControl::Reset()
{
    m_aborted = false;
}

std::uint64_t TransferControl::Subscribe(std::function<void()> wake)
{
    std::uint64_t id = 0;
    {
        std::lock_guard lock(m_mutex);
        id = m_nextId++;
        m_wakers.emplace(id, wake);
    }
    if (m_aborted) {
        wake();
    }
    return id;
}

void TransferControl::Unsubscribe(std::uint64_t id)
{
    std::unique_lock lock(m_mutex);
    m_wakers.erase(id);
    m_idle.wait(lock, [this] { return m_waking == 0; });
}

TransferSubscription::TransferSubscription(TransferControl* control, std::function<void()> wake)
    : m_control(control)
{
    if (m_control != nullptr) {
        m_id = m_control->Subscribe(std::move(wake));
    }
}

TransferSubscription::~TransferSubscription()
{
    if (m_control != nullptr) {
        m_control->Unsubscribe(m_id);
    }
}

} // namespace listrider::net
