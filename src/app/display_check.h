// Whether the window program can show a window at all.
#pragma once

#include <string>

namespace listrider::app {

/// Returns the one-line reason why no window can be shown, or an empty text when one can: a
/// platform chosen by QT_QPA_PLATFORM (offscreen, ...) always can; otherwise DISPLAY or
/// WAYLAND_DISPLAY must be set.
std::string MissingDisplayReason();

} // namespace listrider::app
