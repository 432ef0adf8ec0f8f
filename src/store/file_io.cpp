#include "store/file_io.h"

#include <cerrno>
#include <cstring>
#include <random>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace listrider::store {
namespace {

namespace fs = std::filesystem;

class FileDescriptor
{
public:
    explicit FileDescriptor(int fd)
        : m_fd(fd)
    {}

    FileDescriptor(const FileDescriptor&) = delete;
    FileDescriptor& operator=(const FileDescriptor&) = delete;

    ~FileDescriptor()
    {
        if (m_fd >= 0) {
            ::close(m_fd);
        }
    }

    int Get() const { return m_fd; }

    int Release()
    {
        const int fd = m_fd;
        m_fd = -1;
        return fd;
    }

private:
    int m_fd;
};

Error WriteError(const fs::path& file, int error)
{
    return MakeError(ErrorKind::Io, "Cannot write file " + file.string(), std::strerror(error));
}

std::string TemporaryName(const fs::path& file)
{
    static thread_local std::mt19937 generator{std::random_device{}()};
    std::uniform_int_distribution<unsigned> digits(0, 999999);
    std::string name(".");
    name.append(file.filename().string()).append(".tmp").append(std::to_string(digits(generator)));
    return name;
}

bool WriteAll(int fd, std::string_view text)
{
    const char* data = text.data();
    std::size_t left = text.size();
    while (left > 0) {
        const ssize_t written = ::write(fd, data, left);
        if (written < 0) {
            if (errno == EINTR) {
                continue;
            }
            return false;
        }
        data += written;
        left -= static_cast<std::size_t>(written);
    }
    return true;
}

// Writing through a symbolic link replaces the file it points to, not the link.
fs::path WriteTarget(const fs::path& file)
{
    std::error_code ec;
    if (fs::is_symlink(file, ec)) {
        fs::path target = fs::canonical(file, ec);
        if (!ec) {
            return target;
        }
    }
    return file;
}

} // namespace

std::string LoadFileAsString(const fs::path& file)
{
    FileDescriptor fd(::open(file.c_str(), O_RDONLY | O_CLOEXEC));
    if (fd.Get() < 0) {
        return {};
    }

    struct stat info
    {};

    if (::fstat(fd.Get(), &info) != 0 || !S_ISREG(info.st_mode)) {
        return {};
    }
    std::string text;
    text.resize(static_cast<std::size_t>(info.st_size));
    std::size_t got = 0;
    while (true) {
        if (got == text.size()) {
            // The file may have grown since fstat; read on in blocks.
            text.resize(text.size() + 4096);
        }
        const ssize_t n = ::read(fd.Get(), text.data() + got, text.size() - got);
        if (n < 0) {
            if (errno == EINTR) {
                continue;
            }
            return {};
        }
        if (n == 0) {
            break;
        }
        got += static_cast<std::size_t>(n);
    }
    text.resize(got);
    return text;
}

Result<void>
SaveStringToFile(const fs::path& file, std::string_view text, FileAccess access, Durability durability)
{
    const fs::path target = WriteTarget(file);
    const fs::path directory = target.has_parent_path() ? target.parent_path() : fs::path(".");

    struct stat old
    {};

    const bool replacing = ::stat(target.c_str(), &old) == 0;
    if (replacing && S_ISDIR(old.st_mode)) {
        return WriteError(file, EISDIR);
    }

    fs::path temporary;
    int fd = -1;
    for (int attempt = 0; attempt < 16 && fd < 0; ++attempt) {
        temporary = directory / TemporaryName(target);
        const mode_t mode = access == FileAccess::Private ? 0600 : 0666;
        fd = ::open(temporary.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, mode);
        if (fd < 0 && errno != EEXIST) {
            return WriteError(file, errno);
        }
    }
    if (fd < 0) {
        return WriteError(file, EEXIST);
    }
    FileDescriptor out(fd);

    auto fail = [&](int error) -> Result<void> {
        ::unlink(temporary.c_str());
        return WriteError(file, error);
    };

    if (replacing) {
        if (::fchmod(out.Get(), old.st_mode & 07777) != 0) {
            return fail(errno);
        }
        // Keeping the owner is best effort: only a privileged user can give a file away.
        [[maybe_unused]] const int ignored = ::fchown(out.Get(), old.st_uid, old.st_gid);
    }
    if (!WriteAll(out.Get(), text)) {
        return fail(errno);
    }
    if (durability == Durability::Flushed && ::fsync(out.Get()) != 0) {
        return fail(errno);
    }
    if (::close(out.Release()) != 0) {
        return fail(errno);
    }
    if (::rename(temporary.c_str(), target.c_str()) != 0) {
        return fail(errno);
    }
    return {};
}

LineList LoadLines(const fs::path& file)
{
    return LineList::FromText(LoadFileAsString(file));
}

Result<void> SaveLines(const fs::path& file, LineSpan lines, FileAccess access)
{
    return SaveStringToFile(file, JoinLines(lines), access);
}

Result<void> SaveLines(const fs::path& file, const std::vector<std::string>& lines, FileAccess access)
{
    std::vector<std::string_view> views(lines.begin(), lines.end());
    return SaveLines(file, LineSpan(views), access);
}

} // namespace listrider::store
