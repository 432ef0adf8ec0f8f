#include "net/http_connection_pool.h"

#include <mutex>

#include "net/curl_context.h"

namespace listrider::net {
namespace detail {

void EnsureCurlInitialised()
{
    static std::once_flag once;
    std::call_once(once, [] { curl_global_init(CURL_GLOBAL_DEFAULT); });
}

void CurlContextDeleter::operator()(CurlContext* context) const
{
    if (context->multi != nullptr) {
        curl_multi_cleanup(context->multi);
    }
    if (context->easy != nullptr) {
        curl_easy_cleanup(context->easy);
    }
    delete context;
}

CurlContextPtr MakeCurlContext()
{
    EnsureCurlInitialised();
    CurlContextPtr context(new CurlContext);
    context->easy = curl_easy_init();
    context->multi = curl_multi_init();
    if (context->easy == nullptr || context->multi == nullptr) {
        return nullptr;
    }
    return context;
}

} // namespace detail

detail::CurlContextPtr HttpConnectionPool::Acquire()
{
    {
        std::lock_guard lock(m_mutex);
        if (!m_idle.empty()) {
            detail::CurlContextPtr context = std::move(m_idle.back());
            m_idle.pop_back();
            return context;
        }
    }
    return detail::MakeCurlContext();
}

void HttpConnectionPool::Release(detail::CurlContextPtr context)
{
    constexpr std::size_t kMaxIdle = 8;
    if (context == nullptr) {
        return;
    }
    std::lock_guard lock(m_mutex);
    if (m_idle.size() < kMaxIdle) {
        m_idle.push_back(std::move(context));
    }
}

} // namespace listrider::net
