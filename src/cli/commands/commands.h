// Factories of the commands; the registry lists them in help order.
#pragma once

#include <memory>

#include "cli/command.h"

namespace listrider::cli {

std::unique_ptr<Command> MakeConfigCommand();
std::unique_ptr<Command> MakePrefsCommand();
std::unique_ptr<Command> MakeNetCommand();
std::unique_ptr<Command> MakeSitedbCommand();

} // namespace listrider::cli
