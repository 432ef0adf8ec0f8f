// The demo product's site categories, chosen through a fast category of the demo's sources.
#pragma once

#include <filesystem>
#include <string_view>

#include "cli/command.h"
#include "store/result.h"

namespace listrider::cli {

/// Gives every site with its own categories the category that the fast category `fctFile` (a
/// `.fct` list of the site source tree) names for it, and saves the product's site status.
/// Returns how many sites got one.
store::Result<int> ApplyDemoFastCategory(CommandContext& context,
                                         const std::filesystem::path& fctFile,
                                         std::string_view company,
                                         std::string_view product);

} // namespace listrider::cli
