#include "app/display_check.h"

#include <cstdlib>
#include <string_view>

namespace listrider::app {

namespace {

bool IsSet(const char* name)
{
    const char* value = std::getenv(name);
    return value != nullptr && *value != '\0';
}

} // namespace

std::string MissingDisplayReason()
{
    if (const char* platform = std::getenv("QT_QPA_PLATFORM"); platform != nullptr) {
        const std::string_view name(platform);
        if (!name.empty() && !name.starts_with("xcb") && !name.starts_with("wayland")) {
            return {};
        }
    }
    if (IsSet("DISPLAY") || IsSet("WAYLAND_DISPLAY")) {
        return {};
    }
    return "listrider: no display to show the window on (DISPLAY and WAYLAND_DISPLAY are not set); "
           "use listrider-cli for the program without a window";
}

} // namespace listrider::app
