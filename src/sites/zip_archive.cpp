#include "sites/zip_archive.h"

#include <algorithm>
#include <array>
#include <cerrno>
#include <cstring>
#include <memory>
#include <random>

#include <fcntl.h>
#include <unistd.h>
#include <zip.h>

#include "store/ascii.h"

namespace listrider::sites {
namespace {

namespace fs = std::filesystem;

struct ArchiveCloser
{
    void operator()(zip_t* archive) const { zip_discard(archive); }
};

using ArchivePtr = std::unique_ptr<zip_t, ArchiveCloser>;

struct FileCloser
{
    void operator()(zip_file_t* file) const { zip_fclose(file); }
};

std::string OpenErrorText(int code)
{
    zip_error_t error;
    zip_error_init_with_code(&error, code);
    std::string text = zip_error_strerror(&error);
    zip_error_fini(&error);
    return text;
}

store::Result<ArchivePtr> OpenForReading(const fs::path& archive)
{
    int code = 0;
    zip_t* opened = zip_open(archive.c_str(), ZIP_RDONLY, &code);
    if (opened == nullptr) {
        const store::ErrorKind kind =
            code == ZIP_ER_NOENT ? store::ErrorKind::NotFound : store::ErrorKind::Malformed;
        return store::MakeError(kind, "Cannot open archive " + archive.string(), OpenErrorText(code));
    }
    return ArchivePtr(opened);
}

enum class ReadOutcome
{
    Read,
    TooLarge,
    Failed,
};

// Reads at most `limit` bytes; the sizes in the archive are not trusted.
ReadOutcome ReadMember(zip_t* archive, zip_uint64_t index, std::uint64_t limit, std::string& bytes)
{
    std::unique_ptr<zip_file_t, FileCloser> file(zip_fopen_index(archive, index, 0));
    if (!file) {
        return ReadOutcome::Failed;
    }
    std::array<char, 65536> buffer{};
    while (true) {
        const zip_int64_t n = zip_fread(file.get(), buffer.data(), buffer.size());
        if (n < 0) {
            return ReadOutcome::Failed;
        }
        if (n == 0) {
            return ReadOutcome::Read;
        }
        if (bytes.size() + static_cast<std::uint64_t>(n) > limit) {
            return ReadOutcome::TooLarge;
        }
        bytes.append(buffer.data(), static_cast<std::size_t>(n));
    }
}

std::string RawName(zip_t* archive, zip_uint64_t index)
{
    const char* name = zip_get_name(archive, index, ZIP_FL_ENC_RAW);
    return name == nullptr ? std::string() : std::string(name);
}

store::Error WriteError(const fs::path& file, int error)
{
    return store::MakeError(store::ErrorKind::Io, "Cannot write file " + file.string(), std::strerror(error));
}

store::Result<void> WriteNewFile(const fs::path& file, std::string_view bytes)
{
    // Removing first means a planted symbolic link is replaced rather than written through.
    if (::unlink(file.c_str()) != 0 && errno != ENOENT) {
        return WriteError(file, errno);
    }
    const int fd = ::open(file.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0666);
    if (fd < 0) {
        return WriteError(file, errno);
    }
    std::size_t done = 0;
    while (done < bytes.size()) {
        const ssize_t n = ::write(fd, bytes.data() + done, bytes.size() - done);
        if (n < 0 && errno == EINTR) {
            continue;
        }
        if (n < 0) {
            const int error = errno;
            ::close(fd);
            return WriteError(file, error);
        }
        done += static_cast<std::size_t>(n);
    }
    if (::close(fd) != 0) {
        return WriteError(file, errno);
    }
    return {};
}

std::string TemporaryArchiveName(const fs::path& archive)
{
    static thread_local std::mt19937 generator{std::random_device{}()};
    return "." + archive.filename().string() + ".new" + std::to_string(generator() % 1000000);
}

} // namespace

bool IsSafeMemberName(std::string_view name)
{
    return !name.empty() && name != "." && name != ".." &&
           name.find_first_of(std::string_view("/\\\0", 3)) == name.npos;
}

std::int64_t CountZipMembers(const fs::path& archive)
{
    int code = 0;
    zip_t* opened = zip_open(archive.c_str(), ZIP_RDONLY, &code);
    if (opened == nullptr) {
        return 0;
    }
    const zip_int64_t count = zip_get_num_entries(opened, 0);
    zip_discard(opened);
    return std::max<zip_int64_t>(count, 0);
}

store::Result<ZipContents>
ReadZipMembers(const fs::path& archive, const ZipLimits& limits, std::optional<std::string_view> onlyMember)
{
    store::Result<ArchivePtr> opened = OpenForReading(archive);
    if (!opened) {
        return opened.GetError();
    }
    zip_t* za = opened.Value().get();
    const zip_int64_t count = zip_get_num_entries(za, 0);
    if (count < 0 || static_cast<std::uint64_t>(count) > limits.maxMembers) {
        return store::MakeError(store::ErrorKind::Malformed,
                                "Archive " + archive.string() + " has too many members",
                                std::to_string(count));
    }

    std::vector<zip_uint64_t> chosen;
    if (onlyMember) {
        std::optional<zip_uint64_t> caseless;
        for (zip_uint64_t i = 0; i < static_cast<zip_uint64_t>(count); ++i) {
            const std::string name = RawName(za, i);
            if (name == *onlyMember) {
                chosen = {i};
                break;
            }
            if (!caseless && store::EqualsNoCase(name, *onlyMember)) {
                caseless = i;
            }
        }
        if (chosen.empty() && caseless) {
            chosen = {*caseless};
        }
    } else {
        for (zip_uint64_t i = 0; i < static_cast<zip_uint64_t>(count); ++i) {
            chosen.push_back(i);
        }
    }

    ZipContents contents;
    std::uint64_t total = 0;
    for (const zip_uint64_t index : chosen) {
        const std::string name = RawName(za, index);
        if (!IsSafeMemberName(name)) {
            // Directory entries ("dir/") land here too: nothing of them is extracted.
            contents.skipped.push_back(name + ": the name has a directory part or is not a file name");
            continue;
        }
        zip_stat_t stat;
        zip_stat_init(&stat);
        if (zip_stat_index(za, index, 0, &stat) != 0) {
            return store::MakeError(
                store::ErrorKind::Malformed, "Archive " + archive.string() + " is damaged", zip_strerror(za));
        }
        if ((stat.valid & ZIP_STAT_SIZE) != 0 && stat.size > limits.maxMemberSize) {
            contents.skipped.push_back(name + ": " + std::to_string(stat.size) + " bytes is too large");
            continue;
        }
        if ((stat.valid & ZIP_STAT_SIZE) != 0) {
            total += stat.size;
        }
        if (total > limits.maxTotalSize) {
            return store::MakeError(store::ErrorKind::Malformed,
                                    "Archive " + archive.string() + " is too large to extract",
                                    std::to_string(total) + " bytes");
        }
        ZipMember member{name, {}};
        switch (ReadMember(za, index, limits.maxMemberSize, member.bytes)) {
        case ReadOutcome::Read:
            contents.members.push_back(std::move(member));
            break;
        case ReadOutcome::TooLarge:
            contents.skipped.push_back(name + ": more than " + std::to_string(limits.maxMemberSize) +
                                       " bytes");
            break;
        case ReadOutcome::Failed:
            return store::MakeError(store::ErrorKind::Malformed,
                                    "Archive " + archive.string() + " is damaged",
                                    name + ": " + zip_strerror(za));
        }
    }
    return contents;
}

store::Result<std::size_t> WriteMemberFiles(const fs::path& directory, const std::vector<ZipMember>& members)
{
    std::size_t written = 0;
    for (const ZipMember& member : members) {
        if (!IsSafeMemberName(member.name)) {
            continue;
        }
        if (store::Result<void> saved = WriteNewFile(directory / member.name, member.bytes); !saved) {
            return saved.GetError();
        }
        ++written;
    }
    return written;
}

store::Result<void>
WriteZip(const fs::path& archive, const std::vector<ZipMember>& members, const StoredMemberTest& stored)
{
    std::error_code ec;
    if (members.empty()) {
        fs::remove(archive, ec);
        if (ec) {
            return store::MakeError(store::ErrorKind::Io, "Cannot remove " + archive.string(), ec.message());
        }
        return {};
    }
    const fs::path directory = archive.has_parent_path() ? archive.parent_path() : fs::path(".");
    const fs::path temporary = directory / TemporaryArchiveName(archive);
    int code = 0;
    zip_t* za = zip_open(temporary.c_str(), ZIP_CREATE | ZIP_TRUNCATE, &code);
    if (za == nullptr) {
        return store::MakeError(
            store::ErrorKind::Io, "Cannot create archive " + archive.string(), OpenErrorText(code));
    }
    auto fail = [&](const std::string& detail) -> store::Result<void> {
        zip_discard(za);
        fs::remove(temporary, ec);
        return store::MakeError(store::ErrorKind::Io, "Cannot write archive " + archive.string(), detail);
    };
    for (const ZipMember& member : members) {
        // The buffers stay alive until zip_close, which reads them.
        zip_source_t* source = zip_source_buffer(za, member.bytes.data(), member.bytes.size(), 0);
        if (source == nullptr) {
            return fail(zip_strerror(za));
        }
        const zip_int64_t index = zip_file_add(za, member.name.c_str(), source, ZIP_FL_OVERWRITE);
        if (index < 0) {
            zip_source_free(source);
            return fail(member.name + ": " + zip_strerror(za));
        }
        const bool keep = stored && stored(member.name);
        if (zip_set_file_compression(
                za, static_cast<zip_uint64_t>(index), keep ? ZIP_CM_STORE : ZIP_CM_DEFLATE, keep ? 0 : 9) !=
            0) {
            return fail(zip_strerror(za));
        }
    }
    if (zip_close(za) != 0) {
        const std::string detail = zip_strerror(za);
        return fail(detail);
    }
    fs::rename(temporary, archive, ec);
    if (ec) {
        fs::remove(temporary, ec);
        return store::MakeError(
            store::ErrorKind::Io, "Cannot write archive " + archive.string(), ec.message());
    }
    return {};
}

} // namespace listrider::sites
