#include "support/recording_http_server.h"

#include <algorithm>
#include <condition_variable>
#include <map>
#include <mutex>
#include <stdexcept>
#include <thread>

#include <httplib.h>

namespace listrider::testsupport {
namespace {

bool SameNoCase(std::string_view a, std::string_view b)
{
    return std::equal(a.begin(), a.end(), b.begin(), b.end(), [](char x, char y) {
        return std::tolower(static_cast<unsigned char>(x)) == std::tolower(static_cast<unsigned char>(y));
    });
}

constexpr const char* kMultipartMark = "X-Recorded-Multipart-Type";

// Headers the server library adds to a request on its own.
bool IsServerHeader(std::string_view name)
{
    return name == "REMOTE_ADDR" || name == "REMOTE_PORT" || name == "LOCAL_ADDR" || name == "LOCAL_PORT";
}

} // namespace

std::string RecordedRequest::Header(std::string_view name) const
{
    for (const auto& [key, value] : headers) {
        if (SameNoCase(key, name)) {
            return value;
        }
    }
    return {};
}

bool RecordedRequest::HasHeader(std::string_view name) const
{
    return std::any_of(
        headers.begin(), headers.end(), [&](const auto& h) { return SameNoCase(h.first, name); });
}

std::vector<std::string> RecordedRequest::HeaderNames() const
{
    std::vector<std::string> names;
    for (const auto& header : headers) {
        names.push_back(header.first);
    }
    std::sort(names.begin(), names.end());
    return names;
}

struct RecordingHttpServer::Impl
{
    httplib::Server server;
    std::thread thread;
    int port = 0;
    mutable std::mutex mutex;
    std::condition_variable stopping;
    bool stopped = false;
    std::map<std::string, Handler> routes;
    std::vector<RecordedRequest> requests;

    void Serve(const httplib::Request& req, httplib::Response& res, std::string body)
    {
        RecordedRequest recorded;
        recorded.method = req.method;
        recorded.target = req.target;
        const std::string multipartType = req.get_header_value(kMultipartMark);
        for (const auto& [key, value] : req.headers) {
            if (IsServerHeader(key) || key == kMultipartMark) {
                continue;
            }
            const bool restore = SameNoCase(key, "Content-Type") && !multipartType.empty();
            recorded.headers.emplace_back(key, restore ? multipartType : value);
        }
        recorded.body = std::move(body);
        Handler handler;
        {
            std::lock_guard lock(mutex);
            requests.push_back(recorded);
            if (auto it = routes.find(req.path); it != routes.end()) {
                handler = it->second;
            }
        }
        Reply reply;
        if (handler) {
            reply = handler(recorded);
        } else {
            reply.status = 404;
            reply.body = "not found";
        }
        if (reply.delay.count() > 0) {
            std::unique_lock lock(mutex);
            stopping.wait_for(lock, reply.delay, [this] { return stopped; });
        }
        res.status = reply.status;
        for (const auto& [key, value] : reply.headers) {
            res.set_header(key, value);
        }
        res.set_content(reply.body, reply.contentType);
    }
};

RecordingHttpServer::RecordingHttpServer()
    : m_impl(std::make_unique<Impl>())
{
    Impl& impl = *m_impl;
    auto plain = [&impl](const httplib::Request& req, httplib::Response& res) {
        impl.Serve(req, res, req.body);
    };
    auto withBody =
        [&impl](const httplib::Request& req, httplib::Response& res, const httplib::ContentReader& reader) {
            std::string body;
            reader([&body](const char* data, std::size_t length) {
                body.append(data, length);
                return true;
            });
            impl.Serve(req, res, std::move(body));
        };
    // The server library would parse (and reject or consume) a multipart body; the tests want its
    // exact bytes, so such a body is read as an opaque one and its type restored when recorded.
    impl.server.set_pre_routing_handler([](const httplib::Request& req, httplib::Response&) {
        auto& editable = const_cast<httplib::Request&>(req);
        if (auto it = editable.headers.find("Content-Type");
            it != editable.headers.end() && it->second.rfind("multipart/", 0) == 0) {
            editable.headers.emplace(kMultipartMark, it->second);
            it->second = "application/octet-stream";
        }
        return httplib::Server::HandlerResponse::Unhandled;
    });
    impl.server.Get(".*", plain);
    impl.server.Delete(".*", plain);
    impl.server.Options(".*", plain);
    impl.server.Post(".*", withBody);
    impl.server.Put(".*", withBody);
    impl.port = impl.server.bind_to_any_port("127.0.0.1");
    if (impl.port <= 0) {
        throw std::runtime_error("cannot bind 127.0.0.1");
    }
    impl.thread = std::thread([&impl] { impl.server.listen_after_bind(); });
    for (int i = 0; i < 500 && !impl.server.is_running(); ++i) {
        std::this_thread::sleep_for(std::chrono::milliseconds(2));
    }
}

RecordingHttpServer::~RecordingHttpServer()
{
    {
        std::lock_guard lock(m_impl->mutex);
        m_impl->stopped = true;
    }
    m_impl->stopping.notify_all();
    m_impl->server.stop();
    m_impl->thread.join();
}

void RecordingHttpServer::Route(const std::string& path, Handler handler)
{
    std::lock_guard lock(m_impl->mutex);
    m_impl->routes[path] = std::move(handler);
}

int RecordingHttpServer::Port() const
{
    return m_impl->port;
}

std::string RecordingHttpServer::Url(std::string_view path) const
{
    return "http://" + HostPort() + std::string(path);
}

std::string RecordingHttpServer::HostPort() const
{
    return "127.0.0.1:" + std::to_string(m_impl->port);
}

std::vector<RecordedRequest> RecordingHttpServer::Requests() const
{
    std::lock_guard lock(m_impl->mutex);
    return m_impl->requests;
}

} // namespace listrider::testsupport
