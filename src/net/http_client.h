// The HTTP client: one request at a time, redirects followed by the client itself, events for
// cookies, redirects, the document and the bytes sent.
#pragma once

#include <atomic>
#include <cstddef>
#include <functional>
#include <memory>
#include <mutex>
#include <string>
#include <string_view>
#include <thread>

#include "net/byte_sink.h"
#include "net/http_connection_pool.h"
#include "net/transfer_control.h"
#include "store/result.h"

namespace listrider::net {

/// The handlers a caller may connect. They run on the thread that performs the transfer (the
/// client's own thread for GetAsync/PostAsync, the caller's for Head), one at a time.
struct HttpEvents
{
    std::function<void(std::string_view setCookie)> onCookie;    ///< one Set-Cookie value
    std::function<void(std::string& location)> onLocationChange; ///< before a redirect; may rewrite it
    std::function<void()> onDocBegin;                            ///< may call SetResponseStream
    std::function<void(std::size_t length)> onDocData;
    std::function<void()> onDocEnd;
    std::function<void(std::size_t length)> onSendData;
    std::function<void(const store::Result<void>& outcome)> onRequestDone;
};

/// What a request sends. Set while the client is idle.
struct HttpRequestOptions
{
    std::string url;
    std::string proxy; ///< empty: a direct connection (the environment's proxy is never used)
    std::string proxyPort;
    std::string proxyUsername;
    std::string proxyPassword;
    std::string agent;
    std::string accept;
    std::string acceptLanguage;
    std::string contentTypePost;
    bool noCache = false;
    std::string reference;  ///< the Referer header; empty sends none
    std::string cookie;     ///< the Cookie header of every request, redirected ones included
    std::string localAddr;  ///< address to bind; empty or "0.0.0.0": any
    std::string sendStream; ///< the request body of a POST
};

/// Redirects followed at most per request.
inline constexpr int kMaxRedirects = 20;

/// The default bound of a response body.
inline constexpr std::size_t kDefaultMaxResponseBytes = 32u << 20;

/// One HTTP client. Requests go out with exactly the headers of the options (no Expect, no
/// default Accept); 301, 302, 303, 307 and 308 are followed to http and https addresses only.
class HttpClient
{
public:
    /// Without a pool the client keeps its own connection cache.
    explicit HttpClient(std::shared_ptr<HttpConnectionPool> pool = {});
    HttpClient(const HttpClient&) = delete;
    HttpClient& operator=(const HttpClient&) = delete;
    /// Aborts a request in progress and waits for its thread.
    ~HttpClient();

    HttpRequestOptions options;
    HttpEvents events;

    /// Where the response body goes (not owned); may be set by the document-begin handler.
    void SetResponseStream(ByteSink* sink) { m_sink = sink; }

    /// Watches a run's abort requests during every request (not owned; may be null).
    void SetTransferControl(TransferControl* control) { m_control = control; }

    /// Bounds the response body; a longer body is cut there and the request fails.
    void SetMaxResponseBytes(std::size_t limit) { m_maxResponseBytes = limit; }

    /// Starts a GET and returns at once; fails only when it cannot start (busy, unusable URL).
    /// The outcome arrives through onRequestDone.
    store::Result<void> GetAsync();

    /// As GetAsync, for a POST of options.sendStream with options.contentTypePost.
    store::Result<void> PostAsync();

    /// As GetAsync, performed on the calling thread: returns once onRequestDone has run (the
    /// handlers run on this thread). Abort from another thread releases it at once.
    store::Result<void> Get();

    /// As Get, for a POST.
    store::Result<void> Post();

    /// Sends a HEAD and waits for it; fails on a transport failure, an abort or a status of 400
    /// or more.
    store::Result<void> Head();

    /// Cancels the request in progress; harmless when idle. Callable from any thread; the
    /// request then completes through onRequestDone with ErrorKind::Cancelled.
    void Abort();

    bool IsBusy() const { return m_busy.load(); }

    /// Of the last answer received.
    int StatusCode() const { return m_statusCode; }

    const std::string& ReasonPhrase() const { return m_reasonPhrase; }

    /// The location of the last redirect followed.
    const std::string& Location() const { return m_location; }

    /// Whether the last response body was cut at the bound.
    bool Truncated() const { return m_truncated; }

private:
    enum class Method
    {
        Get,
        Post,
        Head,
    };

    struct Hop;

    store::Result<void> Start(Method method);
    store::Result<void> Run(Method method);
    store::Result<void> Claim();
    store::Result<void> Perform(Method method);
    store::Result<void> PerformHop(Method method, Hop& hop, const std::string& url);
    void Wake();

    static std::size_t HeaderCallback(char* data, std::size_t size, std::size_t count, void* user);
    static std::size_t WriteCallback(char* data, std::size_t size, std::size_t count, void* user);
    static std::size_t ReadCallback(char* data, std::size_t size, std::size_t count, void* user);
    static int ProgressCallback(void* user, long long, long long, long long, long long);

    std::shared_ptr<HttpConnectionPool> m_pool;
    detail::CurlContextPtr m_ownContext;
    detail::CurlContext* m_active = nullptr; ///< guarded by m_wakeMutex
    std::mutex m_wakeMutex;
    TransferControl* m_control = nullptr;
    ByteSink* m_sink = nullptr;
    std::size_t m_maxResponseBytes = kDefaultMaxResponseBytes;

    std::thread m_thread;
    std::atomic<bool> m_busy{false};
    std::atomic<bool> m_aborted{false};

    int m_statusCode = 0;
    std::string m_reasonPhrase;
    std::string m_location;
    bool m_truncated = false;
    bool m_docBegun = false;
    std::size_t m_received = 0;
    std::size_t m_sendOffset = 0;
};

} // namespace listrider::net
