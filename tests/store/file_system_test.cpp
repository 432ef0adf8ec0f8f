#include <gtest/gtest.h>

#include "store/date_time.h"
#include "store/file_system.h"
#include "support/result_matchers.h"
#include "support/temp_dir.h"

namespace listrider::store {
namespace {

namespace fs = std::filesystem;
using testsupport::TempDir;

TEST(FileSystemTest, FileFactsOfPresentAndMissingFiles)
{
    TempDir dir;
    const fs::path file = dir.Write("three.bin", "abc");
    EXPECT_EQ(FileSizeOf(file), 3);
    EXPECT_EQ(FileSizeOf(dir / "missing"), -1);
    EXPECT_EQ(FileDate(dir / "missing"), 0);
    EXPECT_EQ(DateOfNumber(FileDate(file)), Today());
}

TEST(FileSystemTest, ForceDirectoriesCreatesTheWholePath)
{
    TempDir dir;
    const fs::path deep = dir / "a" / "b" / "c";
    EXPECT_OK(ForceDirectories(deep));
    EXPECT_TRUE(fs::is_directory(deep));
    EXPECT_OK(ForceDirectories(deep)); // already there
    EXPECT_ERROR_KIND(ForceDirectories("relative/path"), ErrorKind::Usage);
    dir.Write("file", "x");
    EXPECT_ERROR_KIND(ForceDirectories(dir / "file" / "sub"), ErrorKind::Io);
    EXPECT_ERROR_KIND(ForceDirectories(dir / "file"), ErrorKind::Io);
}

TEST(FileSystemTest, PadFilesAreRecognisedByFiveWordsAcrossLines)
{
    TempDir dir;
    const fs::path pad =
        dir.Write("pad.xml",
                  "<XML_DIZ_INFO>\r\n<Company_Info><Company_Name>Co</Company_Name>\r\n"
                  "<program_name>P</program_name><Program_\r\nVersion>1</Program_Version>\r\n"
                  "<Primary_Download_URL>x</Primary_Download_URL>");
    EXPECT_TRUE(IsPadFile(pad)); // "Program_" CR LF "Version" joins to the word
    const fs::path partial =
        dir.Write("partial.xml", "<XML_DIZ_INFO><Program_Name/><Company_Name/><Program_Version/>");
    EXPECT_FALSE(IsPadFile(partial));
    EXPECT_FALSE(IsPadFile(dir / "missing.xml"));
}

TEST(FileSystemTest, ResolveNoCaseFindsNamesInAnotherCase)
{
    TempDir dir;
    dir.Write("Products/Acme/company.dat", "x");
    dir.Write("Sites/Foo.DAT", "y");
    EXPECT_EQ(ResolveNoCase(dir.Path(), "products/ACME/Company.dat"), dir / "Products/Acme/company.dat");
    EXPECT_EQ(ResolveNoCase(dir.Path(), "Sites/foo.dat"), dir / "Sites/Foo.DAT");
    EXPECT_EQ(ResolveNoCase(dir.Path(), "Sites/new.dat"), dir / "Sites/new.dat");
    EXPECT_EQ(ResolveNoCase(dir.Path(), "Missing/dir/x"), dir / "Missing/dir/x");
    // An exact name wins over another entry that differs only in case.
    dir.Write("Sites/foo.dat", "z");
    EXPECT_EQ(ResolveNoCase(dir.Path(), "Sites/foo.dat"), dir / "Sites/foo.dat");
}

} // namespace
} // namespace listrider::store
