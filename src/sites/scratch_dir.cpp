#include "sites/scratch_dir.h"

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <cstring>
#include <random>
#include <vector>

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace listrider::sites {
namespace {

namespace fs = std::filesystem;

constexpr int kMaxDraws = 1000;

std::mt19937& Generator()
{
    // Seeded from the clock as well, so two instances started together still differ.
    static std::mt19937 generator(static_cast<std::mt19937::result_type>(
        std::random_device{}() ^
        static_cast<unsigned>(std::chrono::steady_clock::now().time_since_epoch().count()) ^
        static_cast<unsigned>(::getpid())));
    return generator;
}

bool IsScratchName(const std::string& name)
{
    if (name.size() != 9 || name.compare(0, 4, "Temp") != 0) {
        return false;
    }
    return std::all_of(name.begin() + 4, name.end(), [](char c) { return c >= '0' && c <= '9'; });
}

} // namespace

ScratchDir::ScratchDir(fs::path workspace)
    : m_workspace(std::move(workspace))
{
    Draw();
}

ScratchDir::~ScratchDir()
{
    if (m_lock >= 0) {
        ::close(m_lock);
    }
}

void ScratchDir::Draw()
{
    std::uniform_int_distribution<int> digit(0, 9);
    m_digits.clear();
    for (int i = 0; i < 5; ++i) {
        m_digits.push_back(static_cast<char>('0' + digit(Generator())));
    }
    m_path = m_workspace / ("Temp" + m_digits);
}

bool ScratchDir::TryClaim(const fs::path& directory)
{
    if (::mkdir(directory.c_str(), 0777) != 0 && errno != EEXIST) {
        return false;
    }
    const int fd = ::open(directory.c_str(), O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC);
    if (fd < 0) {
        return false; // a file or a link of that name: not ours
    }
    if (::flock(fd, LOCK_EX | LOCK_NB) != 0) {
        ::close(fd); // another running instance works there
        return false;
    }
    m_lock = fd;
    m_path = directory;
    m_digits = directory.filename().string().substr(4);
    // Whatever an ended run left there must not be read as a member of the next load.
    Clear();
    return true;
}

store::Result<fs::path> ScratchDir::Ensure()
{
    if (m_lock >= 0) {
        return m_path;
    }
    // Directories that ended runs left behind are taken again first, so they do not pile up.
    std::vector<fs::path> left;
    std::error_code ec;
    for (fs::directory_iterator it(m_workspace, ec), end; !ec && it != end; it.increment(ec)) {
        std::error_code kind;
        if (IsScratchName(it->path().filename().string()) && it->is_directory(kind)) {
            left.push_back(it->path());
        }
    }
    std::sort(left.begin(), left.end());
    for (const fs::path& directory : left) {
        if (TryClaim(directory)) {
            return m_path;
        }
    }
    for (int attempt = 0; attempt < kMaxDraws; ++attempt) {
        if (attempt > 0) {
            Draw();
        }
        if (TryClaim(m_path)) {
            return m_path;
        }
    }
    return store::MakeError(store::ErrorKind::Io,
                            "Cannot find a free scratch directory in " + m_workspace.string());
}

void ScratchDir::Clear()
{
    if (m_lock < 0) {
        return;
    }
    std::error_code ec;
    for (fs::directory_iterator it(m_path, ec), end; !ec && it != end; it.increment(ec)) {
        std::error_code kind;
        if (it->symlink_status(kind).type() != fs::file_type::directory) {
            std::error_code removed;
            fs::remove(it->path(), removed);
        }
    }
}

void ScratchDir::Remove()
{
    if (m_lock < 0) {
        return;
    }
    Clear();
    std::error_code ec;
    // Only an empty directory goes; one holding subdirectories is left as it is.
    fs::remove(m_path, ec);
    ::close(m_lock);
    m_lock = -1;
}

} // namespace listrider::sites
