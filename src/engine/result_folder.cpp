#include "engine/result_folder.h"

#include <cerrno>
#include <cstring>

#include <fcntl.h>
#include <unistd.h>

#include "store/text_helpers.h"

namespace listrider::engine {

namespace fs = std::filesystem;

fs::path ResultFolder(const fs::path& workspace, std::string_view productName, const store::CivilDate& date)
{
    return workspace / "Submits" / (store::RIS(productName) + "_" + store::FormatDayMonthYear(date));
}

store::CivilDate
GetNowDate(const fs::path& workspace, std::string_view productName, const store::CivilDate& today)
{
    const std::int64_t todayDays = store::DaysSince1899(today);
    for (int back = 0; back <= 30; ++back) {
        const store::CivilDate date = store::DateFromDays(todayDays - back);
        std::error_code ec;
        if (fs::is_directory(ResultFolder(workspace, productName, date), ec)) {
            return date;
        }
    }
    return today;
}

fs::path SavedPagePath(const fs::path& resultFolder, std::string_view site, int requestNumber)
{
    return resultFolder / (std::string(site) + ".htm" + std::to_string(requestNumber));
}

store::Result<void> AppendResultLine(const fs::path& file, std::string_view line)
{
    const std::string bytes = std::string(line) + "\r\n";
    const int fd = ::open(file.c_str(), O_WRONLY | O_CREAT | O_APPEND | O_CLOEXEC, 0666);
    if (fd < 0) {
        return store::MakeError(store::ErrorKind::Io, "Cannot write " + file.string(), std::strerror(errno));
    }
    std::size_t done = 0;
    int error = 0;
    while (done < bytes.size()) {
        const ssize_t n = ::write(fd, bytes.data() + done, bytes.size() - done);
        if (n < 0 && errno == EINTR) {
            continue;
        }
        if (n <= 0) {
            error = n < 0 ? errno : ENOSPC;
            break;
        }
        done += static_cast<std::size_t>(n);
    }
    if (::close(fd) != 0 && error == 0) {
        error = errno;
    }
    if (error != 0) {
        return store::MakeError(store::ErrorKind::Io, "Cannot write " + file.string(), std::strerror(error));
    }
    return {};
}

std::string DetailResultLine(std::string_view site, std::string_view action, std::string_view result)
{
    return std::string(site) + " - " + std::string(action) + " - " + std::string(result);
}

std::string ResultLine(std::string_view site, std::string_view result)
{
    return std::string(site) + " - " + std::string(result);
}

} // namespace listrider::engine
