#pragma once

namespace listrider::cli {

// The exit status of listrider-cli.
inline constexpr int kExitOk = 0;      ///< the command did what was asked
inline constexpr int kExitFailure = 1; ///< the command failed or was refused
inline constexpr int kExitUsage = 2;   ///< the command line was wrong

} // namespace listrider::cli
