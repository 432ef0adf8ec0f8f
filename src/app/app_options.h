// The command line of the window program.
#pragma once

#include <optional>
#include <string>
#include <vector>

namespace listrider::app {

/// What the user asked for on the command line.
struct AppOptions
{
    std::optional<std::string> workspace;   ///< --workspace DIR
    bool demo = false;                      ///< --demo: the window on the demo workspace
    std::optional<std::string> screenshots; ///< --screenshot DIR: write the pages as PNG and quit
    bool help = false;
    bool version = false;
};

/// The options, or the usage error to print.
struct ParsedOptions
{
    AppOptions options;
    std::string error; ///< empty when the command line is good
};

/// Reads the arguments after the program name. Qt's own options (-platform ...) are left for
/// QApplication.
ParsedOptions ParseAppOptions(const std::vector<std::string>& args);

/// Returns the usage text.
std::string AppUsage();

} // namespace listrider::app
