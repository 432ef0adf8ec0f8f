// Transfer handles kept between HTTP clients, so that a recreated client reuses open connections.
#pragma once

#include <memory>
#include <mutex>
#include <vector>

namespace listrider::net {

namespace detail {
struct CurlContext;

struct CurlContextDeleter
{
    void operator()(CurlContext* context) const;
};

using CurlContextPtr = std::unique_ptr<CurlContext, CurlContextDeleter>;

/// Returns a new transfer handle with its own connection cache.
CurlContextPtr MakeCurlContext();
} // namespace detail

/// Lends transfer handles to HTTP clients. A handle keeps its connection cache, so a client that
/// is recreated before every request still reuses the previous request's connection; all other
/// request state is set anew for each request. Safe to use from any thread.
class HttpConnectionPool
{
public:
    /// Returns a handle; a new one when none is idle.
    detail::CurlContextPtr Acquire();

    /// Takes a handle back once its transfer has ended.
    void Release(detail::CurlContextPtr context);

private:
    std::mutex m_mutex;
    std::vector<detail::CurlContextPtr> m_idle;
};

} // namespace listrider::net
