// An HTTP server on 127.0.0.1 for tests: records every request and answers from a script.
#pragma once

#include <chrono>
#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace listrider::testsupport {

/// One request as the server received it.
struct RecordedRequest
{
    std::string method;
    std::string target; ///< path and query as sent
    std::vector<std::pair<std::string, std::string>> headers;
    std::string body; ///< the exact body bytes

    /// Returns the value of the header (ASCII case ignored), or "" when absent.
    std::string Header(std::string_view name) const;
    bool HasHeader(std::string_view name) const;
    /// Returns the header names the client sent, sorted.
    std::vector<std::string> HeaderNames() const;
};

/// What the server answers.
struct Reply
{
    int status = 200;
    std::vector<std::pair<std::string, std::string>> headers;
    std::string body;
    std::string contentType = "text/html";
    std::chrono::milliseconds delay{0}; ///< waited before answering (cut short when the server stops)
};

/// Serves on an ephemeral port of 127.0.0.1 until destroyed.
class RecordingHttpServer
{
public:
    using Handler = std::function<Reply(const RecordedRequest&)>;

    RecordingHttpServer();
    RecordingHttpServer(const RecordingHttpServer&) = delete;
    RecordingHttpServer& operator=(const RecordingHttpServer&) = delete;
    ~RecordingHttpServer();

    /// Answers requests whose path (without query) is `path`; unknown paths get 404.
    void Route(const std::string& path, Handler handler);

    int Port() const;

    /// Returns "http://127.0.0.1:<port>" + path.
    std::string Url(std::string_view path = "") const;

    /// Returns "127.0.0.1:<port>".
    std::string HostPort() const;

    std::vector<RecordedRequest> Requests() const;

private:
    struct Impl;
    std::unique_ptr<Impl> m_impl;
};

} // namespace listrider::testsupport
