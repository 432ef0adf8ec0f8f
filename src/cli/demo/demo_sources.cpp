#include "cli/demo/demo_sources.h"

#include <sstream>

#include "store/file_io.h"

namespace listrider::cli {

namespace fs = std::filesystem;

store::Result<void> CopyDemoSources(const fs::path& from, const fs::path& to, std::string_view hostPort)
{
    std::error_code ec;
    if (!fs::is_directory(from, ec)) {
        return store::MakeError(store::ErrorKind::NotFound, "The demo sources are missing", from.string());
    }
    fs::create_directories(to, ec);
    for (fs::recursive_directory_iterator it(from, ec), end; !ec && it != end; it.increment(ec)) {
        const fs::path target = to / fs::relative(it->path(), from);
        if (it->is_directory()) {
            fs::create_directories(target, ec);
            continue;
        }
        std::string bytes = store::LoadFileAsString(it->path());
        if (bytes.find('\0') == std::string::npos) {
            for (std::size_t at = 0; (at = bytes.find(kSitesimPlaceholder, at)) != std::string::npos;
                 at += hostPort.size()) {
                bytes.replace(at, kSitesimPlaceholder.size(), hostPort);
            }
        }
        if (store::Result<void> saved = store::SaveStringToFile(target, bytes); !saved) {
            return saved;
        }
    }
    if (ec) {
        return store::MakeError(store::ErrorKind::Io, "Cannot copy the demo sources", ec.message());
    }
    return {};
}

std::vector<std::string> SourceLines(const fs::path& file)
{
    std::vector<std::string> lines;
    std::istringstream text(store::LoadFileAsString(file));
    for (std::string line; std::getline(text, line);) {
        if (line.ends_with('\r')) {
            line.pop_back();
        }
        lines.push_back(line);
    }
    return lines;
}

} // namespace listrider::cli
