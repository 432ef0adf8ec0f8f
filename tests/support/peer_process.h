// A test peer (a Python server) started on loopback for one test and stopped with it.
#pragma once

#include <string>
#include <vector>

#include <sys/types.h>

namespace listrider::testsupport {

/// Runs Debian's /usr/bin/python3 with a script. The script binds 127.0.0.1 on an ephemeral
/// port, prints the port on its first line, and ends when its standard input closes (so a
/// crashed test never leaves it running).
class PeerProcess
{
public:
    PeerProcess(const std::string& script, const std::vector<std::string>& args);
    PeerProcess(const PeerProcess&) = delete;
    PeerProcess& operator=(const PeerProcess&) = delete;
    ~PeerProcess();

    /// The port printed by the script, or 0 when it did not start.
    int Port() const { return m_port; }

    /// The lines the script printed after the port, up to now (its transcript).
    std::vector<std::string> Lines();

private:
    pid_t m_pid = -1;
    int m_stdin = -1;
    int m_stdout = -1;
    int m_port = 0;
    std::string m_buffer;
};

} // namespace listrider::testsupport
