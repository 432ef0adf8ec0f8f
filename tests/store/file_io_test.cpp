#include <csignal>
#include <filesystem>

#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

#include "store/file_io.h"
#include "support/result_matchers.h"
#include "support/temp_dir.h"

namespace listrider::store {
namespace {

namespace fs = std::filesystem;
using testsupport::ReadBytes;
using testsupport::TempDir;

mode_t ModeOf(const fs::path& file)
{
    struct stat info
    {};

    EXPECT_EQ(::stat(file.c_str(), &info), 0);
    return info.st_mode & 07777;
}

std::size_t EntriesIn(const fs::path& directory)
{
    return static_cast<std::size_t>(
        std::distance(fs::directory_iterator(directory), fs::directory_iterator()));
}

TEST(FileIoTest, SavesExactBytesAndReadsThemBack)
{
    TempDir dir;
    EXPECT_OK(SaveLines(dir / "list.txt", LineList{"x", "y"}));
    EXPECT_EQ(ReadBytes(dir / "list.txt"), "x\r\ny");

    EXPECT_OK(SaveLines(dir / "empty.txt", LineList{}));
    EXPECT_TRUE(fs::exists(dir / "empty.txt"));
    EXPECT_EQ(fs::file_size(dir / "empty.txt"), 0u);

    const std::string binary("\0\xff\r\n\x80", 5);
    EXPECT_OK(SaveStringToFile(dir / "binary", binary));
    EXPECT_EQ(LoadFileAsString(dir / "binary"), binary);
    EXPECT_EQ(LoadLines(dir / "list.txt").ToStrings(), (std::vector<std::string>{"x", "y"}));
}

TEST(FileIoTest, MissingOrUnreadableFilesReadEmpty)
{
    TempDir dir;
    EXPECT_EQ(LoadFileAsString(dir / "missing"), "");
    EXPECT_TRUE(LoadLines(dir / "missing").empty());
    EXPECT_EQ(LoadFileAsString(dir.Path()), ""); // a directory is not a store
}

TEST(FileIoTest, ReplacingKeepsPermissionsAndLeavesNoTemporaryFile)
{
    TempDir dir;
    const fs::path file = dir.Write("store.dat", "old");
    ASSERT_EQ(::chmod(file.c_str(), 0640), 0);
    EXPECT_OK(SaveStringToFile(file, "new", FileAccess::Private));
    EXPECT_EQ(ReadBytes(file), "new");
    EXPECT_EQ(ModeOf(file), 0640u); // an existing file keeps its mode even for a private store
    EXPECT_EQ(EntriesIn(dir.Path()), 1u);
}

TEST(FileIoTest, PrivateStoresAreCreatedForTheUserOnly)
{
    TempDir dir;
    EXPECT_OK(SaveStringToFile(dir / "Prefs.ini", "secret", FileAccess::Private));
    EXPECT_EQ(ModeOf(dir / "Prefs.ini"), 0600u);
}

TEST(FileIoTest, FailedSaveReportsAndKeepsTheOldFile)
{
    TempDir dir;
    const fs::path file = dir.Write("store.dat", "old contents");
    // A directory without write permission refuses the temporary file (root ignores modes,
    // so the full-disk case below covers root too).
    if (::geteuid() != 0) {
        fs::permissions(dir.Path(), fs::perms::owner_read | fs::perms::owner_exec);
        EXPECT_ERROR_KIND(SaveStringToFile(file, "new"), ErrorKind::Io);
        fs::permissions(dir.Path(), fs::perms::owner_all);
        EXPECT_EQ(ReadBytes(file), "old contents");
    }

    EXPECT_ERROR_KIND(SaveStringToFile(dir / "no-such-dir" / "x.dat", "text"), ErrorKind::Io);
    EXPECT_ERROR_KIND(SaveStringToFile(dir.Path(), "text"), ErrorKind::Io);
}

TEST(FileIoTest, DiskFullDuringSaveKeepsTheOldFile)
{
    TempDir dir;
    const fs::path file = dir.Write("store.dat", "old contents");

    // A file size limit makes write() fail part-way, as a full disk does.
    struct rlimit old
    {};

    ASSERT_EQ(::getrlimit(RLIMIT_FSIZE, &old), 0);
    struct rlimit limit = old;
    limit.rlim_cur = 1024;
    std::signal(SIGXFSZ, SIG_IGN);
    ASSERT_EQ(::setrlimit(RLIMIT_FSIZE, &limit), 0);
    const Result<void> saved = SaveStringToFile(file, std::string(100000, 'x'));
    ASSERT_EQ(::setrlimit(RLIMIT_FSIZE, &old), 0);
    std::signal(SIGXFSZ, SIG_DFL);

    EXPECT_ERROR_KIND(saved, ErrorKind::Io);
    EXPECT_EQ(ReadBytes(file), "old contents");
    EXPECT_EQ(EntriesIn(dir.Path()), 1u); // the partial temporary file is gone
}

TEST(FileIoTest, SavingThroughASymlinkReplacesItsTarget)
{
    TempDir dir;
    const fs::path target = dir.Write("real.dat", "old");
    fs::create_symlink(target, dir / "link.dat");
    EXPECT_OK(SaveStringToFile(dir / "link.dat", "new"));
    EXPECT_TRUE(fs::is_symlink(dir / "link.dat"));
    EXPECT_EQ(ReadBytes(target), "new");
}

} // namespace
} // namespace listrider::store
