// The simulated download sites (listrider-sitesim) as a child process of the demo.
#pragma once

#include <filesystem>
#include <memory>
#include <string>

#include <sys/types.h>

#include "store/result.h"

namespace listrider::cli {

/// A running listrider-sitesim on an ephemeral port of 127.0.0.1; stopped when destroyed.
class SitesimProcess
{
public:
    /// Starts the program and waits for the port it prints. It ends by itself after
    /// `maxSeconds`, and when this process dies.
    static store::Result<std::unique_ptr<SitesimProcess>> Start(const std::filesystem::path& program,
                                                                int maxSeconds);

    SitesimProcess(const SitesimProcess&) = delete;
    SitesimProcess& operator=(const SitesimProcess&) = delete;
    ~SitesimProcess();

    int Port() const { return m_port; }

    /// Returns "127.0.0.1:<port>".
    std::string HostPort() const { return "127.0.0.1:" + std::to_string(m_port); }

    /// Sends SIGTERM and waits for the program to end; returns whether it ended cleanly.
    bool Stop();

private:
    SitesimProcess(pid_t pid, int port);

    pid_t m_pid = -1;
    int m_port = 0;
};

/// Returns the listrider-sitesim that stands beside the running program.
std::filesystem::path SitesimBesideProgram();

} // namespace listrider::cli
