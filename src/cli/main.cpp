#include <exception>
#include <iostream>
#include <string>
#include <vector>

#include <unistd.h>

#include "cli/cli_app.h"
#include "store/numbers.h"

int main(int argc, char** argv)
{
    // The number rules follow the user's numeric locale, read once at start.
    listrider::store::LocaleDecimalSeparator();
    std::vector<std::string> args(argv + 1, argv + argc);
    const bool interactive = ::isatty(STDIN_FILENO) == 1 && ::isatty(STDOUT_FILENO) == 1;
    try {
        return listrider::cli::RunCli(args, std::cin, std::cout, std::cerr, interactive);
    } catch (const std::exception& e) {
        std::cerr << "listrider-cli: internal error: " << e.what() << "\n";
    } catch (...) {
        std::cerr << "listrider-cli: internal error\n";
    }
    return 1;
}
