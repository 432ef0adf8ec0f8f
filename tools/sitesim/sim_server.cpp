#include "sim_server.h"

#include <httplib.h>

#include "sites/sites.h"

namespace sitesim {
namespace {

// Keep-alive connections of the client hold a worker each, and the slow site holds one for
// seconds: more workers than the library's default keep the other sites answering.
constexpr std::size_t kWorkers = 48;

// The headers a site's script decides; the rest are the client's own.
constexpr const char* kRecordedHeaders[] = {"Cookie", "Referer", "Content-Type"};

std::string SiteOfPath(const std::string& path)
{
    const std::size_t end = path.find('/', 1);
    return path.substr(1, end == std::string::npos ? std::string::npos : end - 1);
}

} // namespace

void Exchange::Page(const std::string& html)
{
    response.status = 200;
    response.set_content("<html><body>\r\n" + html + "\r\n</body></html>\r\n", "text/html");
}

SimServer::SimServer()
    : m_server(std::make_unique<httplib::Server>())
{
    m_server->new_task_queue = [] {
        return new httplib::ThreadPool(kWorkers);
    };
    m_server->set_keep_alive_timeout(2);
    m_server->Get(".*", [this](const httplib::Request& request, httplib::Response& response) {
        Dispatch("GET", request, response);
    });
    m_server->Post(".*", [this](const httplib::Request& request, httplib::Response& response) {
        Dispatch("POST", request, response);
    });
}

SimServer::~SimServer()
{
    Stop();
}

int SimServer::Bind(int port)
{
    if (port == 0) {
        m_port = m_server->bind_to_any_port("127.0.0.1");
    } else {
        m_port = m_server->bind_to_port("127.0.0.1", port) ? port : -1;
    }
    return m_port;
}

void SimServer::Run()
{
    m_server->listen_after_bind();
}

void SimServer::Stop()
{
    {
        std::lock_guard lock(m_stopMutex);
        m_stopped = true;
    }
    m_stopping.notify_all();
    m_server->stop();
}

bool SimServer::Wait(std::chrono::milliseconds delay)
{
    std::unique_lock lock(m_stopMutex);
    return !m_stopping.wait_for(lock, delay, [this] { return m_stopped; });
}

std::string SimServer::HostPort() const
{
    return "127.0.0.1:" + std::to_string(m_port);
}

void SimServer::Get(const std::string& site, const std::string& path, Handler handler)
{
    m_routes[{"GET", path}] = {site, std::move(handler)};
}

void SimServer::Post(const std::string& site, const std::string& path, Handler handler)
{
    m_routes[{"POST", path}] = {site, std::move(handler)};
}

void SimServer::Dispatch(const std::string& method,
                         const httplib::Request& request,
                         httplib::Response& response)
{
    const Form form = ReadForm(request);
    const auto route = m_routes.find({method, request.path});
    const bool internal = request.path.rfind("/_sim/", 0) == 0;
    if (!internal) {
        ReceivedRequest received;
        received.site = route != m_routes.end() ? route->second.first : SiteOfPath(request.path);
        received.method = request.method;
        received.path = request.path;
        for (const char* name : kRecordedHeaders) {
            if (request.has_header(name)) {
                received.headers.emplace_back(name, request.get_header_value(name));
            }
        }
        received.fields = form.fields;
        m_log.Add(std::move(received));
    }
    if (route == m_routes.end()) {
        response.status = 404;
        response.set_content("<html><body><h1>Not Found</h1></body></html>\r\n", "text/html");
        return;
    }
    Exchange exchange{request, form, response};
    route->second.second(exchange);
}

void AddAllSites(SimServer& server)
{
    AddFormSites(server);
    AddAccountSites(server);
    AddTokenSite(server);
    AddUploadSite(server);
    AddSearchSites(server);
    AddTroubleSites(server);
    AddVendorPages(server);
}

} // namespace sitesim
