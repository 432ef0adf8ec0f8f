#include "net/completion.h"

namespace listrider::net {

void Completion::Reset()
{
    std::lock_guard lock(m_mutex);
    m_set = false;
}

void Completion::Set()
{
    {
        std::lock_guard lock(m_mutex);
        m_set = true;
    }
    m_changed.notify_all();
}

bool Completion::IsSet() const
{
    std::lock_guard lock(m_mutex);
    return m_set;
}

bool Completion::WaitFor(std::chrono::milliseconds limit)
{
    std::unique_lock lock(m_mutex);
    return m_changed.wait_for(lock, limit, [this] { return m_set; });
}

} // namespace listrider::net
