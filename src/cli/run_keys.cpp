#include "cli/run_keys.h"

#include <csignal>
#include <cstdio>

#include <poll.h>
#include <pthread.h>
#include <termios.h>
#include <unistd.h>

namespace listrider::cli {
namespace {

termios g_savedTerminal{};

sigset_t InterruptSet()
{
    sigset_t set;
    sigemptyset(&set);
    sigaddset(&set, SIGINT);
    return set;
}

} // namespace

RunKeys::RunKeys(engine::RunControl& control, bool terminal, bool readEnter)
    : m_control(control)
    , m_terminal(terminal)
{
    // SIGINT is taken by the watching thread only, so the run never sees it mid-request.
    const sigset_t set = InterruptSet();
    pthread_sigmask(SIG_BLOCK, &set, nullptr);
    m_signals = std::thread([this] { WatchSignals(); });
    if (m_terminal && ::tcgetattr(STDIN_FILENO, &g_savedTerminal) == 0) {
        termios raw = g_savedTerminal;
        raw.c_lflag &= static_cast<tcflag_t>(~(ICANON | ECHO));
        m_rawMode = ::tcsetattr(STDIN_FILENO, TCSANOW, &raw) == 0;
    }
    if (m_terminal || readEnter) {
        m_keys = std::thread([this] { WatchKeys(); });
    }
}

RunKeys::~RunKeys()
{
    m_done = true;
    if (m_signals.joinable()) {
        m_signals.join();
    }
    if (m_keys.joinable()) {
        m_keys.join();
    }
    if (m_rawMode) {
        ::tcsetattr(STDIN_FILENO, TCSANOW, &g_savedTerminal);
    }
    const sigset_t set = InterruptSet();
    pthread_sigmask(SIG_UNBLOCK, &set, nullptr);
}

void RunKeys::WatchSignals()
{
    const sigset_t set = InterruptSet();
    const timespec wait{0, 100'000'000};
    while (!m_done) {
        if (sigtimedwait(&set, nullptr, &wait) != SIGINT) {
            continue;
        }
        if (m_interrupted.exchange(true)) {
            // A second Ctrl-C: the journal of the last site start is on disk; leave at once.
            if (m_rawMode) {
                ::tcsetattr(STDIN_FILENO, TCSANOW, &g_savedTerminal);
            }
            std::_Exit(130);
        }
        std::fputs("\nStopping (Ctrl-C again quits at once)...\n", stderr);
        m_control.RequestStop();
    }
}

void RunKeys::WatchKeys()
{
    while (!m_done) {
        pollfd fd{STDIN_FILENO, POLLIN, 0};
        if (::poll(&fd, 1, 100) <= 0) {
            continue;
        }
        char key = 0;
        if (::read(STDIN_FILENO, &key, 1) != 1) {
            return;
        }
        if (key == 'p' || key == 'P') {
            if (m_control.IsPaused()) {
                std::fputs("Resumed.\n", stderr);
                m_control.Resume();
            } else {
                std::fputs("Paused (p resumes).\n", stderr);
                m_control.RequestPause();
            }
        } else if (key == 's' || key == 'S') {
            std::fputs("Skipping the current site.\n", stderr);
            m_control.RequestSkip();
        } else if (key == '\n') {
            m_control.Resume();
        }
    }
}

} // namespace listrider::cli
