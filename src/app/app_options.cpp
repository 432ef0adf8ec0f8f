#include "app/app_options.h"

namespace listrider::app {

ParsedOptions ParseAppOptions(const std::vector<std::string>& args)
{
    ParsedOptions parsed;
    AppOptions& options = parsed.options;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& arg = args[i];
        auto value = [&](std::string_view name) -> std::optional<std::string> {
            const std::string prefix = std::string(name) + "=";
            if (arg.starts_with(prefix)) {
                return arg.substr(prefix.size());
            }
            if (i + 1 < args.size()) {
                return args[++i];
            }
            parsed.error = std::string(name) + " needs a value";
            return std::nullopt;
        };
        if (arg == "--help" || arg == "-h") {
            options.help = true;
        } else if (arg == "--version") {
            options.version = true;
        } else if (arg == "--demo") {
            options.demo = true;
        } else if (arg == "--workspace" || arg.starts_with("--workspace=")) {
            options.workspace = value("--workspace");
        } else if (arg == "--screenshot" || arg.starts_with("--screenshot=")) {
            options.screenshots = value("--screenshot");
        } else if (arg.starts_with("--")) {
            parsed.error = "unknown option " + arg;
        }
        // Single-dash arguments belong to Qt (-platform, -style ...).
        if (!parsed.error.empty()) {
            break;
        }
    }
    return parsed;
}

std::string AppUsage()
{
    return "Usage: listrider [--workspace DIR] [--demo] [--screenshot DIR]\n"
           "       listrider --help | --version\n"
           "\n"
           "  --workspace DIR   the workspace (else $LISTRIDER_WORKSPACE, else the XDG data directory)\n"
           "  --demo            the window on a demo workspace with simulated download sites\n"
           "  --screenshot DIR  write a picture of each main page into DIR and quit\n"
           "\n"
           "The program without a window is listrider-cli.\n";
}

} // namespace listrider::app
