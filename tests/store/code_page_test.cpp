#include <gtest/gtest.h>

#include "store/code_page.h"
#include "support/result_matchers.h"

namespace listrider::store {
namespace {

TEST(CodePageTest, Windows1252ConvertsBothWays)
{
    const CodePage page = CodePage::Default();
    EXPECT_EQ(page.ToUtf8("caf\xE9 \x80"), "caf\xC3\xA9 \xE2\x82\xAC");
    EXPECT_EQ(page.FromUtf8("caf\xC3\xA9 \xE2\x82\xAC"), "caf\xE9 \x80");
    EXPECT_EQ(page.ToWide("\x93x\x94"), u"\u201Cx\u201D");
    EXPECT_EQ(page.FromWide(u"\u201Cx\u201D"), "\x93x\x94");
}

TEST(CodePageTest, CharactersTheCodePageLacksBecomeTheReplacement)
{
    const CodePage page = CodePage::Default();
    EXPECT_EQ(page.FromUtf8("a\xE4\xB8\xAD"
                            "b\xF0\x9F\x98\x80"),
              "a?b?");
    EXPECT_EQ(page.FromUtf8("a\xFF"
                            "b"),
              "a?b"); // malformed byte
    EXPECT_EQ(page.FromWide(u"\u4E2D", '_'), "_");
    EXPECT_EQ(page.CountUnmappable(u"a\u4E2D\xD83D\xDE00\u00E9"), 2u);
}

TEST(CodePageTest, EveryByteSurvivesARoundTrip)
{
    for (const char* name : {"WINDOWS-1252", "CP1251", "ISO-8859-1"}) {
        SCOPED_TRACE(name);
        const Result<CodePage> page = CodePage::Open(name);
        ASSERT_OK(page);
        std::string all;
        for (int b = 1; b < 256; ++b) {
            all.push_back(static_cast<char>(b));
        }
        EXPECT_EQ(page.Value().FromUtf8(page.Value().ToUtf8(all)), all);
        EXPECT_EQ(page.Value().FromWide(page.Value().ToWide(all)), all);
    }
}

TEST(CodePageTest, Windows1251HoldsCyrillic)
{
    const Result<CodePage> page = CodePage::Open("CP1251");
    ASSERT_OK(page);
    EXPECT_EQ(page.Value().FromUtf8("\xD0\xB0\xD0\xB2\xD0\xB3"), "\xE0\xE2\xE3"); // авг
}

TEST(CodePageTest, RefusesUnknownAndMultiByteEncodings)
{
    EXPECT_ERROR_KIND(CodePage::Open("NO-SUCH-CODE-PAGE"), ErrorKind::Unsupported);
    EXPECT_ERROR_KIND(CodePage::Open("UTF-8"), ErrorKind::Unsupported);
    EXPECT_ERROR_KIND(CodePage::Open("SHIFT_JIS"), ErrorKind::Unsupported);
}

} // namespace
} // namespace listrider::store
