// Where the program keeps its files.
#pragma once

#include <filesystem>
#include <optional>
#include <string>

#include "store/result.h"

namespace listrider::store {

/// Returns the workspace directory as an absolute path: the given option, else
/// $LISTRIDER_WORKSPACE, else $XDG_DATA_HOME/listrider, else ~/.local/share/listrider.
Result<std::filesystem::path> ResolveWorkspaceDir(const std::optional<std::string>& option);

/// Returns the resolved workspace directory after creating it when it is missing.
Result<std::filesystem::path> OpenWorkspaceDir(const std::optional<std::string>& option);

/// Returns the directory as the program's texts write it: ending with '/'.
std::string WorkspaceText(const std::filesystem::path& directory);

} // namespace listrider::store
