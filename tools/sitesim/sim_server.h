// The simulated download sites: one HTTP server on 127.0.0.1 whose path prefixes are sites.
#pragma once

#include <chrono>
#include <condition_variable>
#include <functional>
#include <map>
#include <memory>
#include <mutex>
#include <string>
#include <utility>

#include "form_reader.h"
#include "received_log.h"
#include "site_state.h"

namespace httplib {
class Server;
struct Request;
struct Response;
} // namespace httplib

namespace sitesim {

/// What a site handler gets: the request, its fields already read, and the answer to fill.
struct Exchange
{
    const httplib::Request& request;
    const Form& form;
    httplib::Response& response;

    /// Answers 200 with an HTML page.
    void Page(const std::string& html);
};

class SimServer
{
public:
    using Handler = std::function<void(Exchange&)>;

    SimServer();
    SimServer(const SimServer&) = delete;
    SimServer& operator=(const SimServer&) = delete;
    ~SimServer();

    /// Binds 127.0.0.1 on the port (0: an ephemeral one). Returns the port, or -1.
    int Bind(int port);

    /// Serves until Stop.
    void Run();

    /// Stops serving and cuts short every slow answer; callable from any thread.
    void Stop();

    /// Waits up to `delay` unless the server stops first; returns false when it stopped.
    bool Wait(std::chrono::milliseconds delay);

    /// Returns "127.0.0.1:<port>".
    std::string HostPort() const;

    /// Serves GET (and HEAD) or POST requests of one path; each is recorded for `site` first.
    void Get(const std::string& site, const std::string& path, Handler handler);
    void Post(const std::string& site, const std::string& path, Handler handler);

    ReceivedLog& Log() { return m_log; }

    SiteState& State() { return m_state; }

private:
    void Dispatch(const std::string& method, const httplib::Request& request, httplib::Response& response);

    std::unique_ptr<httplib::Server> m_server;
    int m_port = -1;
    std::map<std::pair<std::string, std::string>, std::pair<std::string, Handler>> m_routes;
    ReceivedLog m_log;
    SiteState m_state;
    std::mutex m_stopMutex;
    std::condition_variable m_stopping;
    bool m_stopped = false;
};

/// Adds every simulated site, the vendor's pages and the record queries.
void AddAllSites(SimServer& server);

} // namespace sitesim
