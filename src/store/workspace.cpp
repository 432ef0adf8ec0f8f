#include "store/workspace.h"

#include <cstdlib>

#include "store/file_system.h"

namespace listrider::store {

namespace fs = std::filesystem;

Result<fs::path> ResolveWorkspaceDir(const std::optional<std::string>& option)
{
    fs::path directory;
    if (option && !option->empty()) {
        directory = *option;
    } else if (const char* env = std::getenv("LISTRIDER_WORKSPACE"); env != nullptr && *env != '\0') {
        directory = env;
    } else if (const char* xdg = std::getenv("XDG_DATA_HOME"); xdg != nullptr && *xdg == '/') {
        directory = fs::path(xdg) / "listrider";
    } else if (const char* home = std::getenv("HOME"); home != nullptr && *home != '\0') {
        directory = fs::path(home) / ".local" / "share" / "listrider";
    } else {
        return MakeError(ErrorKind::NotFound,
                         "No workspace directory: give --workspace DIR or set LISTRIDER_WORKSPACE");
    }
    std::error_code ec;
    fs::path absolute = fs::absolute(directory, ec);
    if (ec) {
        return MakeError(ErrorKind::Io, "Cannot use workspace directory " + directory.string(), ec.message());
    }
    return absolute.lexically_normal();
}

Result<fs::path> OpenWorkspaceDir(const std::optional<std::string>& option)
{
    Result<fs::path> directory = ResolveWorkspaceDir(option);
    if (!directory) {
        return directory;
    }
    if (Result<void> created = ForceDirectories(directory.Value()); !created) {
        return created.GetError();
    }
    return directory;
}

std::string WorkspaceText(const fs::path& directory)
{
    std::string text = directory.string();
    if (text.empty() || text.back() != '/') {
        text.push_back('/');
    }
    return text;
}

} // namespace listrider::store
