#include "store/file_system.h"

#include <cerrno>
#include <cstring>

#include <sys/stat.h>

#include "store/ascii.h"
#include "store/date_time.h"
#include "store/file_io.h"

namespace listrider::store {

namespace fs = std::filesystem;

double FileDate(const fs::path& file)
{
    struct stat info
    {};

    if (::stat(file.c_str(), &info) != 0) {
        return 0;
    }
    return DateTimeNumberFromTime(info.st_mtime);
}

std::int64_t FileSizeOf(const fs::path& file)
{
    struct stat info
    {};

    if (::stat(file.c_str(), &info) != 0) {
        return -1;
    }
    return static_cast<std::int64_t>(info.st_size);
}

Result<void> ForceDirectories(const fs::path& path)
{
    if (!path.is_absolute()) {
        return MakeError(
            ErrorKind::Usage, "Cannot create directory " + path.string(), "the path is not absolute");
    }
    std::error_code ec;
    fs::create_directories(path, ec);
    if (ec) {
        return MakeError(ErrorKind::Io, "Cannot create directory " + path.string(), ec.message());
    }
    if (!fs::is_directory(path, ec)) {
        return MakeError(
            ErrorKind::Io, "Cannot create directory " + path.string(), "a file of that name exists");
    }
    return {};
}

bool IsPadFile(const fs::path& file)
{
    const LineList lines = LoadLines(file);
    std::string joined;
    for (std::string_view line : lines) {
        joined.append(line);
    }
    for (std::string_view word :
         {"Program_Name", "Program_Version", "XML_DIZ_INFO", "Company_Name", "Primary_Download_URL"}) {
        if (!ContainsNoCase(joined, word)) {
            return false;
        }
    }
    return true;
}

fs::path ResolveNoCase(const fs::path& directory, const fs::path& relative)
{
    fs::path current = directory;
    std::error_code ec;
    for (const fs::path& component : relative) {
        fs::path exact = current / component;
        if (fs::exists(exact, ec) || component == "." || component == "..") {
            current = std::move(exact);
            continue;
        }
        fs::path match;
        for (fs::directory_iterator it(current, ec), end; !ec && it != end; it.increment(ec)) {
            if (EqualsNoCase(it->path().filename().string(), component.string())) {
                match = it->path();
                break;
            }
        }
        current = match.empty() ? std::move(exact) : std::move(match);
    }
    return current;
}

} // namespace listrider::store
