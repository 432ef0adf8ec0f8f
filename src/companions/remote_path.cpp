#include "companions/remote_path.h"

#include "store/ascii.h"

namespace listrider::companions {

std::string NormalizeRemoteDir(std::string_view text)
{
    std::string dir(text);
    for (char& c : dir) {
        if (c == '\\') {
            c = '/';
        }
    }
    if (!dir.starts_with('/')) {
        dir.insert(dir.begin(), '/');
    }
    return dir;
}

std::vector<std::string> RemoteDirComponents(std::string_view normalized)
{
    std::vector<std::string> components;
    std::size_t start = 0;
    while (start <= normalized.size()) {
        const std::size_t slash = normalized.find('/', start);
        const std::size_t end = slash == std::string_view::npos ? normalized.size() : slash;
        if (end > start) {
            components.emplace_back(normalized.substr(start, end - start));
        }
        if (slash == std::string_view::npos) {
            break;
        }
        start = slash + 1;
    }
    return components;
}

std::string RemoteFileName(std::string_view localFile, bool lowerCase)
{
    const std::size_t cut = localFile.find_last_of("/\\");
    const std::string_view name = cut == std::string_view::npos ? localFile : localFile.substr(cut + 1);
    return lowerCase ? store::AsciiLower(name) : std::string(name);
}

} // namespace listrider::companions
