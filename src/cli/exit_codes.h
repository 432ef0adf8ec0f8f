#pragma once

namespace listrider::cli {

/// The exit status of listrider-cli.
enum ExitCode : int
{
    kExitOk = 0,      ///< the command did what was asked
    kExitFailure = 1, ///< the command failed or was refused
    kExitUsage = 2,   ///< the command line was wrong
};

} // namespace listrider::cli
