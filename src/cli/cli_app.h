// listrider-cli's front door: global options and dispatch to the commands.
#pragma once

#include <iosfwd>
#include <span>
#include <string>

namespace listrider::cli {

/// Runs listrider-cli with the arguments after the program name and returns the exit code.
/// `interactive` tells whether questions may be asked on the terminal.
int RunCli(std::span<const std::string> args,
           std::istream& in,
           std::ostream& out,
           std::ostream& err,
           bool interactive);

} // namespace listrider::cli
