// listrider-sitesim: simulated download sites on 127.0.0.1 for the demo and the tests.
#include <cerrno>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <iostream>
#include <string>
#include <thread>

#include <time.h>

#include "sim_server.h"

namespace {

constexpr const char* kUsage =
    "Usage: listrider-sitesim [--port N] [--max-seconds S]\n"
    "\n"
    "Serves simulated download sites on 127.0.0.1, port N (default 0: an ephemeral one), and\n"
    "prints the port on the first line of its output. It stops on SIGTERM or SIGINT, or after S\n"
    "seconds (default 3600). GET /_sim/received?site=NAME lists what a site received;\n"
    "GET /_sim/mail?site=NAME the accounts it mailed.\n";

bool ReadNumber(const char* text, long& value)
{
    char* end = nullptr;
    value = std::strtol(text, &end, 10);
    return end != text && *end == '\0' && value >= 0;
}

} // namespace

int main(int argc, char** argv)
{
    long port = 0;
    long maxSeconds = 3600;
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        if (arg == "--help" || arg == "-h") {
            std::cout << kUsage;
            return 0;
        }
        const bool hasValue = i + 1 < argc;
        if (arg == "--port" && hasValue && ReadNumber(argv[i + 1], port) && port < 65536) {
            ++i;
        } else if (arg == "--max-seconds" && hasValue && ReadNumber(argv[i + 1], maxSeconds) &&
                   maxSeconds > 0) {
            ++i;
        } else {
            std::cerr << "listrider-sitesim: bad argument " << arg << "\n" << kUsage;
            return 2;
        }
    }

    // The signals are taken by the main thread alone, so every server thread inherits the mask.
    sigset_t signals;
    sigemptyset(&signals);
    sigaddset(&signals, SIGTERM);
    sigaddset(&signals, SIGINT);
    pthread_sigmask(SIG_BLOCK, &signals, nullptr);

    sitesim::SimServer server;
    sitesim::AddAllSites(server);
    const int bound = server.Bind(static_cast<int>(port));
    if (bound <= 0) {
        std::cerr << "listrider-sitesim: cannot bind 127.0.0.1:" << port << "\n";
        return 1;
    }
    std::thread serving([&server] { server.Run(); });
    std::cout << bound << std::endl;

    timespec limit{};
    limit.tv_sec = maxSeconds;
    while (sigtimedwait(&signals, nullptr, &limit) < 0 && errno == EINTR) {
    }
    server.Stop();
    serving.join();
    return 0;
}
