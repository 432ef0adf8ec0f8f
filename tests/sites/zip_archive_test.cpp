#include <gtest/gtest.h>

#include "sites/site_fixtures.h"
#include "sites/zip_archive.h"
#include "support/result_matchers.h"
#include "support/temp_dir.h"

namespace listrider::sites {
namespace {

namespace fs = std::filesystem;

TEST(ZipArchiveTest, WritesAndReadsMembersByteForByte)
{
    testsupport::TempDir dir;
    const std::vector<ZipMember> members = {
        {"Site.sub", std::string("line\r\nwith \0 and \xFF", 18)},
        {"Site.prb", ""},
        {"Caf\xE9.cat", "code page name"},
    };
    ASSERT_OK(WriteZip(dir / "a.dat", members));
    EXPECT_EQ(CountZipMembers(dir / "a.dat"), 3);
    const store::Result<ZipContents> read = ReadZipMembers(dir / "a.dat");
    ASSERT_OK(read);
    ASSERT_EQ(read.Value().members.size(), 3u);
    for (std::size_t i = 0; i < members.size(); ++i) {
        EXPECT_EQ(read.Value().members[i].name, members[i].name);
        EXPECT_EQ(read.Value().members[i].bytes, members[i].bytes);
    }
    const store::Result<ZipContents> one = ReadZipMembers(dir / "a.dat", {}, "site.SUB");
    ASSERT_OK(one);
    ASSERT_EQ(one.Value().members.size(), 1u);
    EXPECT_EQ(one.Value().members[0].name, "Site.sub");

    ASSERT_OK(WriteZip(dir / "a.dat", {}));
    EXPECT_FALSE(fs::exists(dir / "a.dat"));
}

TEST(ZipArchiveTest, MembersThatWouldLeaveTheDirectoryAreSkipped)
{
    testsupport::TempDir dir;
    ASSERT_OK(WriteZip(dir / "evil.dat",
                       {{"../escape.txt", "x"},
                        {"/tmp/absolute.txt", "x"},
                        {"sub/inner.txt", "x"},
                        {"back\\slash.txt", "x"},
                        {"..", "x"},
                        {"good.txt", "kept"}}));
    const store::Result<ZipContents> read = ReadZipMembers(dir / "evil.dat");
    ASSERT_OK(read);
    ASSERT_EQ(read.Value().members.size(), 1u);
    EXPECT_EQ(read.Value().members[0].name, "good.txt");
    EXPECT_EQ(read.Value().skipped.size(), 5u);

    fs::create_directories(dir / "out");
    ASSERT_OK(WriteMemberFiles(dir / "out", read.Value().members));
    EXPECT_EQ(FilesIn(dir / "out"), std::vector<std::string>{"good.txt"});
    EXPECT_FALSE(fs::exists(dir / "escape.txt"));
}

TEST(ZipArchiveTest, SizeLimitsSkipAMemberOrRefuseTheArchive)
{
    testsupport::TempDir dir;
    ASSERT_OK(WriteZip(dir / "big.dat", {{"small", "12345"}, {"large", std::string(5000, 'x')}}));

    ZipLimits perMember;
    perMember.maxMemberSize = 100;
    const store::Result<ZipContents> read = ReadZipMembers(dir / "big.dat", perMember);
    ASSERT_OK(read);
    ASSERT_EQ(read.Value().members.size(), 1u);
    EXPECT_EQ(read.Value().members[0].name, "small");
    ASSERT_EQ(read.Value().skipped.size(), 1u);

    ZipLimits total;
    total.maxTotalSize = 1000;
    EXPECT_ERROR_KIND(ReadZipMembers(dir / "big.dat", total), store::ErrorKind::Malformed);

    ZipLimits count;
    count.maxMembers = 1;
    EXPECT_ERROR_KIND(ReadZipMembers(dir / "big.dat", count), store::ErrorKind::Malformed);
}

TEST(ZipArchiveTest, DamagedArchivesYieldNothing)
{
    testsupport::TempDir dir;
    ASSERT_OK(WriteZip(dir / "good.dat", {{"first", std::string(20000, 'a')}, {"second", "b"}}));
    std::string bytes = testsupport::ReadBytes(dir / "good.dat");
    // A byte of the first member's compressed data, just after its local header.
    bytes[30 + 5 + 4] = static_cast<char>(bytes[30 + 5 + 4] ^ 0x55);
    dir.Write("flipped.dat", bytes);
    dir.Write("garbage.dat", "this is not an archive at all, just text");
    dir.Write("truncated.dat", testsupport::ReadBytes(dir / "good.dat").substr(0, 40));

    for (const char* name : {"flipped.dat", "garbage.dat", "truncated.dat", "missing.dat"}) {
        SCOPED_TRACE(name);
        const store::Result<ZipContents> read = ReadZipMembers(dir / name);
        EXPECT_FALSE(read.HasValue());
    }
    EXPECT_EQ(CountZipMembers(dir / "garbage.dat"), 0);
    EXPECT_EQ(CountZipMembers(dir / "missing.dat"), 0);
    EXPECT_EQ(CountZipMembers(dir / "flipped.dat"), 2); // counting reads only the directory
}

TEST(ZipArchiveTest, ExtractionReplacesALinkInsteadOfWritingThroughIt)
{
    testsupport::TempDir dir;
    const fs::path outside = dir.Write("outside.txt", "untouched");
    fs::create_directories(dir / "out");
    fs::create_symlink(outside, dir / "out" / "member.txt");
    ASSERT_OK(WriteMemberFiles(dir / "out", {{"member.txt", "new"}}));
    EXPECT_EQ(testsupport::ReadBytes(outside), "untouched");
    EXPECT_FALSE(fs::is_symlink(dir / "out" / "member.txt"));
    EXPECT_EQ(testsupport::ReadBytes(dir / "out" / "member.txt"), "new");
}

} // namespace
} // namespace listrider::sites
