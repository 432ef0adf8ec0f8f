// The list of listrider-cli's commands.
#pragma once

#include <memory>
#include <string_view>
#include <vector>

#include "cli/command.h"

namespace listrider::cli {

/// Returns one instance of every command, in the order of the help text.
std::vector<std::unique_ptr<Command>> MakeCommands();

/// Returns the command with the given verb, or null.
Command* FindCommand(const std::vector<std::unique_ptr<Command>>& commands, std::string_view name);

} // namespace listrider::cli
