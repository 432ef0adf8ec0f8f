#include "net/line_connection.h"

#include <cerrno>
#include <cstring>

#include <arpa/inet.h>
#include <fcntl.h>
#include <netdb.h>
#include <netinet/in.h>
#include <openssl/err.h>
#include <openssl/ssl.h>
#include <openssl/x509v3.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

namespace listrider::net {

using store::ErrorKind;
using store::MakeError;

struct LineConnection::Tls
{
    SSL_CTX* context = nullptr;
    SSL* ssl = nullptr;

    ~Tls()
    {
        if (ssl != nullptr) {
            SSL_free(ssl);
        }
        if (context != nullptr) {
            SSL_CTX_free(context);
        }
    }
};

namespace {

std::string SystemError(const char* what)
{
    return std::string(what) + ": " + std::strerror(errno);
}

void SetNonBlocking(int fd)
{
    ::fcntl(fd, F_SETFL, ::fcntl(fd, F_GETFL) | O_NONBLOCK);
}

bool BindsSomething(const std::string& localAddr)
{
    return !localAddr.empty() && localAddr != "0.0.0.0";
}

} // namespace

LineConnection::LineConnection()
{
    if (::pipe(m_wake) == 0) {
        SetNonBlocking(m_wake[0]);
        SetNonBlocking(m_wake[1]);
    }
}

LineConnection::~LineConnection()
{
    m_subscription.reset();
    Close();
    for (const int fd : m_wake) {
        if (fd >= 0) {
            ::close(fd);
        }
    }
}

void LineConnection::Watch(TransferControl* control)
{
    m_subscription = std::make_unique<TransferSubscription>(control, [this] { Abort(); });
}

void LineConnection::Abort()
{
    m_aborted = true;
    const char byte = 1;
    [[maybe_unused]] const ssize_t written = ::write(m_wake[1], &byte, 1);
}

void LineConnection::Close()
{
    m_tls.reset();
    if (m_fd >= 0) {
        ::close(m_fd);
        m_fd = -1;
    }
    m_buffer.clear();
    m_aborted = false;
    char drain[16];
    while (::read(m_wake[0], drain, sizeof drain) > 0) {
    }
}

store::Result<void> LineConnection::WaitFor(short events, std::chrono::milliseconds timeout)
{
    pollfd fds[2] = {{m_fd, events, 0}, {m_wake[0], POLLIN, 0}};
    while (true) {
        if (m_aborted) {
            return MakeError(ErrorKind::Cancelled, "Aborted");
        }
        const int ready = ::poll(fds, 2, static_cast<int>(timeout.count()));
        if (ready < 0 && errno == EINTR) {
            continue;
        }
        if (ready < 0) {
            return MakeError(ErrorKind::Io, SystemError("poll"));
        }
        if (m_aborted || (fds[1].revents & POLLIN) != 0) {
            return MakeError(ErrorKind::Cancelled, "Aborted");
        }
        if (ready == 0) {
            return MakeError(ErrorKind::Timeout, "No answer in time");
        }
        return {};
    }
}

store::Result<void> LineConnection::Connect(const std::string& host,
                                            const std::string& port,
                                            const std::string& localAddr,
                                            std::chrono::milliseconds timeout)
{
    Close();
    addrinfo hints{};
    hints.ai_family = BindsSomething(localAddr) ? AF_INET : AF_UNSPEC;
    hints.ai_socktype = SOCK_STREAM;
    addrinfo* found = nullptr;
    if (const int rc = ::getaddrinfo(host.c_str(), port.c_str(), &hints, &found); rc != 0) {
        return MakeError(ErrorKind::NotFound, "Unknown host", host + ": " + ::gai_strerror(rc));
    }
    store::Error last = MakeError(ErrorKind::Refused, "Connection refused", host + ":" + port);
    for (const addrinfo* a = found; a != nullptr; a = a->ai_next) {
        m_fd = ::socket(a->ai_family, a->ai_socktype | SOCK_CLOEXEC, a->ai_protocol);
        if (m_fd < 0) {
            continue;
        }
        if (BindsSomething(localAddr)) {
            sockaddr_in local{};
            local.sin_family = AF_INET;
            if (::inet_pton(AF_INET, localAddr.c_str(), &local.sin_addr) != 1 ||
                ::bind(m_fd, reinterpret_cast<sockaddr*>(&local), sizeof local) != 0) {
                last = MakeError(ErrorKind::Io, "Cannot bind the local address", localAddr);
                Close();
                continue;
            }
        }
        SetNonBlocking(m_fd);
        if (::connect(m_fd, a->ai_addr, a->ai_addrlen) != 0 && errno != EINPROGRESS) {
            last = MakeError(ErrorKind::Refused, "Connection refused", SystemError("connect"));
            Close();
            continue;
        }
        if (store::Result<void> writable = WaitFor(POLLOUT, timeout); !writable) {
            last = writable.GetError();
            Close();
            if (last.kind == ErrorKind::Cancelled) {
                break;
            }
            continue;
        }
        int error = 0;
        socklen_t length = sizeof error;
        ::getsockopt(m_fd, SOL_SOCKET, SO_ERROR, &error, &length);
        if (error != 0) {
            errno = error;
            last = MakeError(ErrorKind::Refused, "Connection refused", SystemError("connect"));
            Close();
            continue;
        }
        ::freeaddrinfo(found);
        return {};
    }
    ::freeaddrinfo(found);
    return last;
}

void LineConnection::Adopt(int fd)
{
    Close();
    m_fd = fd;
    SetNonBlocking(m_fd);
}

store::Result<int> LineConnection::Listen(const std::string& localAddr)
{
    Close();
    m_fd = ::socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
    sockaddr_in local{};
    local.sin_family = AF_INET;
    if (m_fd < 0 || ::inet_pton(AF_INET, localAddr.c_str(), &local.sin_addr) != 1 ||
        ::bind(m_fd, reinterpret_cast<sockaddr*>(&local), sizeof local) != 0 || ::listen(m_fd, 1) != 0) {
        Close();
        return MakeError(ErrorKind::Io, "Cannot listen for the data connection", localAddr);
    }
    SetNonBlocking(m_fd);
    socklen_t length = sizeof local;
    ::getsockname(m_fd, reinterpret_cast<sockaddr*>(&local), &length);
    return static_cast<int>(ntohs(local.sin_port));
}

store::Result<void> LineConnection::Accept(LineConnection& peer, std::chrono::milliseconds timeout)
{
    if (store::Result<void> ready = WaitFor(POLLIN, timeout); !ready) {
        return ready;
    }
    const int fd = ::accept4(m_fd, nullptr, nullptr, SOCK_CLOEXEC);
    if (fd < 0) {
        return MakeError(ErrorKind::Io, SystemError("accept"));
    }
    peer.Adopt(fd);
    return {};
}

store::Result<void> LineConnection::StartTls(const std::string& serverName, const std::string& caFile)
{
    auto tls = std::make_unique<Tls>();
    tls->context = SSL_CTX_new(TLS_client_method());
    if (tls->context == nullptr) {
        return MakeError(ErrorKind::Internal, "Cannot start TLS");
    }
    SSL_CTX_set_default_verify_paths(tls->context);
    if (!caFile.empty() && SSL_CTX_load_verify_locations(tls->context, caFile.c_str(), nullptr) != 1) {
        return MakeError(ErrorKind::Io, "Cannot read the trusted certificate", caFile);
    }
    SSL_CTX_set_verify(tls->context, SSL_VERIFY_PEER, nullptr);
    tls->ssl = SSL_new(tls->context);
    SSL_set_fd(tls->ssl, m_fd);
    SSL_ctrl(tls->ssl,
             SSL_CTRL_SET_TLSEXT_HOSTNAME,
             TLSEXT_NAMETYPE_host_name,
             const_cast<char*>(serverName.c_str())); // NOLINT: the macro casts
    in6_addr probe{};
    const bool isAddress = ::inet_pton(AF_INET, serverName.c_str(), &probe) == 1 ||
                           ::inet_pton(AF_INET6, serverName.c_str(), &probe) == 1;
    X509_VERIFY_PARAM* verify = SSL_get0_param(tls->ssl);
    if (isAddress) {
        X509_VERIFY_PARAM_set1_ip_asc(verify, serverName.c_str());
    } else {
        X509_VERIFY_PARAM_set1_host(verify, serverName.c_str(), 0);
    }
    // The bytes already read belong to the plain-text part of the dialog.
    m_buffer.clear();
    while (true) {
        const int rc = SSL_connect(tls->ssl);
        if (rc == 1) {
            break;
        }
        const int error = SSL_get_error(tls->ssl, rc);
        if (error != SSL_ERROR_WANT_READ && error != SSL_ERROR_WANT_WRITE) {
            const long result = SSL_get_verify_result(tls->ssl);
            return MakeError(ErrorKind::Refused,
                             "TLS handshake failed",
                             result != X509_V_OK ? X509_verify_cert_error_string(result) : "handshake");
        }
        if (store::Result<void> ready =
                WaitFor(error == SSL_ERROR_WANT_READ ? POLLIN : POLLOUT, std::chrono::milliseconds(15000));
            !ready) {
            return ready;
        }
    }
    m_tls = std::move(tls);
    return {};
}

bool LineConnection::IsTls() const
{
    return m_tls != nullptr;
}

store::Result<void> LineConnection::Send(std::string_view bytes, std::chrono::milliseconds timeout)
{
    while (!bytes.empty()) {
        if (m_aborted) {
            return MakeError(ErrorKind::Cancelled, "Aborted");
        }
        ssize_t sent = 0;
        short wanted = POLLOUT;
        if (m_tls != nullptr) {
            const int rc = SSL_write(m_tls->ssl, bytes.data(), static_cast<int>(bytes.size()));
            if (rc <= 0) {
                const int error = SSL_get_error(m_tls->ssl, rc);
                if (error != SSL_ERROR_WANT_READ && error != SSL_ERROR_WANT_WRITE) {
                    return MakeError(ErrorKind::Io, "TLS write failed");
                }
                wanted = error == SSL_ERROR_WANT_READ ? POLLIN : POLLOUT;
            }
            sent = rc > 0 ? rc : 0;
        } else {
            sent = ::send(m_fd, bytes.data(), bytes.size(), MSG_NOSIGNAL);
            if (sent < 0 && errno != EAGAIN && errno != EWOULDBLOCK && errno != EINTR) {
                return MakeError(ErrorKind::Io, SystemError("send"));
            }
            sent = std::max<ssize_t>(sent, 0);
        }
        bytes.remove_prefix(static_cast<std::size_t>(sent));
        if (!bytes.empty() && sent == 0) {
            if (store::Result<void> ready = WaitFor(wanted, timeout); !ready) {
                return ready;
            }
        }
    }
    return {};
}

store::Result<std::string> LineConnection::ReadSome(std::size_t limit, std::chrono::milliseconds timeout)
{
    if (!m_buffer.empty()) {
        std::string out = m_buffer.substr(0, limit);
        m_buffer.erase(0, out.size());
        return out;
    }
    std::string chunk(limit, '\0');
    while (true) {
        if (m_aborted) {
            return MakeError(ErrorKind::Cancelled, "Aborted");
        }
        short wanted = POLLIN;
        if (m_tls != nullptr) {
            const int rc = SSL_read(m_tls->ssl, chunk.data(), static_cast<int>(chunk.size()));
            if (rc > 0) {
                chunk.resize(static_cast<std::size_t>(rc));
                return chunk;
            }
            const int error = SSL_get_error(m_tls->ssl, rc);
            if (error == SSL_ERROR_ZERO_RETURN) {
                return std::string();
            }
            if (error != SSL_ERROR_WANT_READ && error != SSL_ERROR_WANT_WRITE) {
                return MakeError(ErrorKind::Io, "TLS read failed");
            }
            wanted = error == SSL_ERROR_WANT_READ ? POLLIN : POLLOUT;
        } else {
            const ssize_t n = ::recv(m_fd, chunk.data(), chunk.size(), 0);
            if (n >= 0) {
                chunk.resize(static_cast<std::size_t>(n));
                return chunk;
            }
            if (errno != EAGAIN && errno != EWOULDBLOCK && errno != EINTR) {
                return MakeError(ErrorKind::Io, SystemError("recv"));
            }
        }
        if (store::Result<void> ready = WaitFor(wanted, timeout); !ready) {
            return ready.GetError();
        }
    }
}

store::Result<std::string> LineConnection::ReadLine(std::chrono::milliseconds timeout)
{
    while (true) {
        if (const std::size_t lf = m_buffer.find('\n'); lf != std::string::npos) {
            std::string line = m_buffer.substr(0, lf);
            m_buffer.erase(0, lf + 1);
            if (!line.empty() && line.back() == '\r') {
                line.pop_back();
            }
            return line;
        }
        std::string pending = std::move(m_buffer);
        m_buffer.clear();
        store::Result<std::string> more = ReadSome(4096, timeout);
        if (!more) {
            m_buffer = std::move(pending);
            return more.GetError();
        }
        if (more.Value().empty()) {
            return MakeError(ErrorKind::Io, "Connection closed by the server");
        }
        m_buffer = std::move(pending) + more.Value();
    }
}

std::string LineConnection::LocalAddress() const
{
    sockaddr_in local{};
    socklen_t length = sizeof local;
    char text[INET_ADDRSTRLEN] = {};
    if (::getsockname(m_fd, reinterpret_cast<sockaddr*>(&local), &length) != 0 ||
        local.sin_family != AF_INET || ::inet_ntop(AF_INET, &local.sin_addr, text, sizeof text) == nullptr) {
        return "127.0.0.1";
    }
    return text;
}

} // namespace listrider::net
