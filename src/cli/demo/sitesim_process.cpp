#include "cli/demo/sitesim_process.h"

#include <cerrno>
#include <csignal>
#include <string>

#include <fcntl.h>
#include <poll.h>
#include <sys/prctl.h>
#include <sys/wait.h>
#include <unistd.h>

namespace listrider::cli {
namespace {

constexpr int kStartMilliseconds = 10000;

// Returns the first line the child writes, or "" when it writes none in time.
std::string FirstLine(int fd)
{
    std::string line;
    while (line.find('\n') == std::string::npos) {
        pollfd ready{fd, POLLIN, 0};
        if (::poll(&ready, 1, kStartMilliseconds) <= 0) {
            return {};
        }
        char buffer[64];
        const ssize_t got = ::read(fd, buffer, sizeof buffer);
        if (got <= 0) {
            return {};
        }
        line.append(buffer, static_cast<std::size_t>(got));
    }
    return line.substr(0, line.find('\n'));
}

} // namespace

SitesimProcess::SitesimProcess(pid_t pid, int port)
    : m_pid(pid)
    , m_port(port)
{}

store::Result<std::unique_ptr<SitesimProcess>> SitesimProcess::Start(const std::filesystem::path& program,
                                                                     int maxSeconds)
{
    if (::access(program.c_str(), X_OK) != 0) {
        return store::MakeError(
            store::ErrorKind::NotFound, "The simulated sites are missing", program.string());
    }
    int out[2];
    if (::pipe2(out, O_CLOEXEC) != 0) {
        return store::MakeError(store::ErrorKind::Io, "Cannot start the simulated sites", "pipe");
    }
    const pid_t parent = ::getpid();
    const std::string seconds = std::to_string(maxSeconds);
    const pid_t pid = ::fork();
    if (pid == 0) {
        // A demo that dies takes its sites along.
        ::prctl(PR_SET_PDEATHSIG, SIGTERM);
        if (::getppid() != parent) {
            ::_exit(1);
        }
        ::dup2(out[1], STDOUT_FILENO);
        const int nothing = ::open("/dev/null", O_RDONLY);
        ::dup2(nothing, STDIN_FILENO);
        ::execl(program.c_str(),
                program.c_str(),
                "--port",
                "0",
                "--max-seconds",
                seconds.c_str(),
                static_cast<char*>(nullptr));
        ::_exit(127);
    }
    ::close(out[1]);
    if (pid < 0) {
        ::close(out[0]);
        return store::MakeError(store::ErrorKind::Io, "Cannot start the simulated sites", "fork");
    }
    const std::string line = FirstLine(out[0]);
    ::close(out[0]);
    int port = 0;
    try {
        port = line.empty() ? 0 : std::stoi(line);
    } catch (const std::exception&) {
        port = 0;
    }
    std::unique_ptr<SitesimProcess> process(new SitesimProcess(pid, port));
    if (port <= 0 || port > 65535) {
        process->Stop();
        return store::MakeError(store::ErrorKind::Refused, "The simulated sites did not start", line);
    }
    return process;
}

SitesimProcess::~SitesimProcess()
{
    Stop();
}

bool SitesimProcess::Stop()
{
    if (m_pid <= 0) {
        return true;
    }
    ::kill(m_pid, SIGTERM);
    int status = 0;
    while (::waitpid(m_pid, &status, 0) < 0 && errno == EINTR) {
    }
    m_pid = -1;
    return WIFEXITED(status) && WEXITSTATUS(status) == 0;
}

std::filesystem::path SitesimBesideProgram()
{
    std::error_code ec;
    const std::filesystem::path self = std::filesystem::read_symlink("/proc/self/exe", ec);
    return (ec ? std::filesystem::path() : self.parent_path()) / "listrider-sitesim";
}

} // namespace listrider::cli
