#include "support/peer_process.h"

#include <cerrno>
#include <chrono>
#include <csignal>
#include <string_view>

#include <fcntl.h>
#include <poll.h>
#include <sys/wait.h>
#include <unistd.h>

namespace listrider::testsupport {
namespace {

// Reads what is available (waiting up to `ms` for the first byte) and appends it.
bool ReadSome(int fd, std::string& buffer, int ms)
{
    pollfd p{fd, POLLIN, 0};
    if (::poll(&p, 1, ms) <= 0) {
        return false;
    }
    char chunk[4096];
    const ssize_t n = ::read(fd, chunk, sizeof chunk);
    if (n <= 0) {
        return false;
    }
    buffer.append(chunk, static_cast<std::size_t>(n));
    return true;
}

} // namespace

PeerProcess::PeerProcess(const std::string& script, const std::vector<std::string>& args)
{
    int in[2];
    int out[2];
    if (::pipe(in) != 0 || ::pipe(out) != 0) {
        return;
    }
    m_pid = ::fork();
    if (m_pid == 0) {
        ::dup2(in[0], 0);
        ::dup2(out[1], 1);
        ::close(in[1]);
        ::close(out[0]);
        std::vector<std::string> all = {"/usr/bin/python3", "-u", script};
        all.insert(all.end(), args.begin(), args.end());
        std::vector<char*> argv;
        for (std::string& a : all) {
            argv.push_back(a.data());
        }
        argv.push_back(nullptr);
        ::execv(argv[0], argv.data());
        ::_exit(127);
    }
    ::close(in[0]);
    ::close(out[1]);
    m_stdin = in[1];
    m_stdout = out[0];
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(20);
    while (m_buffer.find('\n') == std::string::npos && std::chrono::steady_clock::now() < deadline) {
        if (!ReadSome(m_stdout, m_buffer, 200)) {
            int status = 0;
            if (::waitpid(m_pid, &status, WNOHANG) == m_pid) {
                m_pid = -1;
                return;
            }
        }
    }
    const std::size_t end = m_buffer.find('\n');
    if (end != std::string::npos) {
        m_port = std::atoi(m_buffer.substr(0, end).c_str());
        m_buffer.erase(0, end + 1);
    }
}

PeerProcess::~PeerProcess()
{
    if (m_stdin >= 0) {
        ::close(m_stdin);
    }
    if (m_pid > 0) {
        int status = 0;
        for (int i = 0; i < 100 && ::waitpid(m_pid, &status, WNOHANG) == 0; ++i) {
            if (i == 20) {
                ::kill(m_pid, SIGTERM);
            }
            ::usleep(10000);
        }
        if (::waitpid(m_pid, &status, WNOHANG) == 0) {
            ::kill(m_pid, SIGKILL);
            ::waitpid(m_pid, &status, 0);
        }
    }
    if (m_stdout >= 0) {
        ::close(m_stdout);
    }
}

std::vector<std::string> PeerProcess::Lines()
{
    while (m_stdout >= 0 && ReadSome(m_stdout, m_buffer, 50)) {
    }
    std::vector<std::string> lines;
    std::size_t start = 0;
    for (std::size_t end; (end = m_buffer.find('\n', start)) != std::string::npos; start = end + 1) {
        lines.push_back(m_buffer.substr(start, end - start));
    }
    return lines;
}

} // namespace listrider::testsupport
