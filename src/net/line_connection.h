// A TCP connection that speaks a line protocol (SMTP, FTP): deadlines on every wait, an abort
// from another thread, and TLS when the protocol asks for it.
#pragma once

#include <atomic>
#include <chrono>
#include <memory>
#include <string>
#include <string_view>

#include "net/transfer_control.h"
#include "store/result.h"

namespace listrider::net {

/// One connection. Not copyable; Abort may be called from any thread.
class LineConnection
{
public:
    LineConnection();
    LineConnection(const LineConnection&) = delete;
    LineConnection& operator=(const LineConnection&) = delete;
    ~LineConnection();

    /// Connects to host:port, binding `localAddr` first unless it is empty or "0.0.0.0".
    store::Result<void> Connect(const std::string& host,
                                const std::string& port,
                                const std::string& localAddr,
                                std::chrono::milliseconds timeout);

    /// Takes over a socket that is already connected (an accepted data connection).
    void Adopt(int fd);

    /// Listens on an ephemeral port of the given local address (active FTP); returns the port.
    store::Result<int> Listen(const std::string& localAddr);

    /// Accepts one connection on the listening socket into `peer`.
    store::Result<void> Accept(LineConnection& peer, std::chrono::milliseconds timeout);

    /// Starts TLS on the connection, verifying the server's certificate for `serverName`.
    /// `caFile` adds a trusted certificate (empty: the system's store only).
    store::Result<void> StartTls(const std::string& serverName, const std::string& caFile);

    bool IsTls() const;

    /// Sends every byte.
    store::Result<void> Send(std::string_view bytes, std::chrono::milliseconds timeout);

    /// Returns the next line without its line end; a lone LF also ends a line.
    store::Result<std::string> ReadLine(std::chrono::milliseconds timeout);

    /// Returns up to `limit` bytes; an empty text at the end of the stream.
    store::Result<std::string> ReadSome(std::size_t limit, std::chrono::milliseconds timeout);

    /// Returns the local address the connection is bound to (for PORT).
    std::string LocalAddress() const;

    bool IsOpen() const { return m_fd >= 0; }

    void Close();

    /// Cancels the wait in progress and every later one until Close.
    void Abort();

    /// Aborts when the control requests it (for the lifetime of the subscription).
    void Watch(TransferControl* control);

private:
    store::Result<void> WaitFor(short events, std::chrono::milliseconds timeout);

    int m_fd = -1;
    int m_wake[2] = {-1, -1};
    std::atomic<bool> m_aborted{false};
    std::string m_buffer;
    struct Tls;
    std::unique_ptr<Tls> m_tls;
    std::unique_ptr<TransferSubscription> m_subscription;
};

} // namespace listrider::net
