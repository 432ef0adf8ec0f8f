// The demo's run: a fresh workspace submitting the sample product to the simulated sites, from
// the site database build to the reports.
#pragma once

#include <filesystem>
#include <iosfwd>
#include <string>

namespace listrider::cli {

/// Where the demo runs.
struct DemoSetup
{
    std::filesystem::path workspace; ///< an empty directory
    std::filesystem::path demoDir;   ///< the demo's sources (demo/ of the source tree)
    std::string sitesimHost;         ///< the simulated sites, "127.0.0.1:<port>"
};

/// Runs the demo with the commands of the program, in-process, and prints what each step
/// shows. Returns 0 when every site ended as it is built to, 1 otherwise (naming the sites).
int RunDemo(const DemoSetup& setup, std::ostream& out, std::ostream& err);

} // namespace listrider::cli
