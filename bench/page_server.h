// One loopback HTTP server per benchmark program, answering GET /page with a fixed body.
#pragma once

#include <chrono>
#include <string>
#include <thread>

#include <httplib.h>
#include <netinet/in.h>
#include <netinet/tcp.h>
#include <sys/socket.h>

namespace listrider::bench {

class PageServer
{
public:
    explicit PageServer(std::string body)
    {
        m_server.set_keep_alive_max_count(100000);
        // Without TCP_NODELAY every answer waits for a delayed ACK and the loops measure 40 ms
        // of idle time per request instead of the clients.
        m_server.set_socket_options([](int sock) {
            int yes = 1;
            ::setsockopt(sock, SOL_SOCKET, SO_REUSEADDR, &yes, sizeof yes);
            ::setsockopt(sock, IPPROTO_TCP, TCP_NODELAY, &yes, sizeof yes);
        });
        m_server.Get("/page", [body = std::move(body)](const httplib::Request&, httplib::Response& res) {
            res.set_content(body, "text/html");
        });
        m_port = m_server.bind_to_any_port("127.0.0.1");
        m_thread = std::thread([this] { m_server.listen_after_bind(); });
        while (!m_server.is_running()) {
            std::this_thread::sleep_for(std::chrono::milliseconds(1));
        }
    }

    PageServer(const PageServer&) = delete;
    PageServer& operator=(const PageServer&) = delete;

    ~PageServer()
    {
        m_server.stop();
        m_thread.join();
    }

    std::string HostPort() const { return "127.0.0.1:" + std::to_string(m_port); }

private:
    httplib::Server m_server;
    std::thread m_thread;
    int m_port = 0;
};

} // namespace listrider::bench
