#include <gtest/gtest.h>

#include "store/unicode.h"

namespace listrider::store {
namespace {

TEST(UnicodeTest, ConvertsOneToFourByteSequences)
{
    const std::string utf8 = "A\xC3\xA9\xE4\xB8\xAD\xF0\x9F\x98\x80"; // A é 中 😀
    const std::u16string wide = u"A\u00E9\u4E2D\xD83D\xDE00";
    EXPECT_EQ(Utf8ToWide(utf8), wide);
    EXPECT_EQ(WideToUtf8(wide), utf8);
    EXPECT_EQ(Utf8ToWide(""), u"");
    EXPECT_TRUE(IsValidUtf8(utf8));
}

TEST(UnicodeTest, MalformedInputGivesTheEmptyText)
{
    const std::vector<std::string> malformed = {
        "abc\xC3",          // truncated
        "\x80",             // stray continuation byte
        "\xC0\xAF",         // overlong
        "\xE0\x80\xAF",     // overlong
        "\xED\xA0\x80",     // encoded surrogate
        "\xF4\x90\x80\x80", // above U+10FFFF
        "\xC3\x28",         // bad continuation
        "\xFF",
    };
    for (const std::string& text : malformed) {
        SCOPED_TRACE(text);
        EXPECT_EQ(Utf8ToWide(text), u"");
        EXPECT_FALSE(IsValidUtf8(text));
    }
}

TEST(UnicodeTest, UnpairedSurrogatesBecomeTheReplacementCharacter)
{
    EXPECT_EQ(WideToUtf8(std::u16string(1, char16_t(0xD800))), "\xEF\xBF\xBD");
    EXPECT_EQ(WideToUtf8(u"a\xDC00"
                         u"b"),
              "a\xEF\xBF\xBD"
              "b");
}

} // namespace
} // namespace listrider::store
