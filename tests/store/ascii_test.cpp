#include <gtest/gtest.h>

#include "store/ascii.h"

namespace listrider::store {
namespace {

TEST(AsciiTest, ContainsAndPosIgnoreOnlyAsciiCase)
{
    struct Case
    {
        std::string text;
        std::string part;
        int pos;
    };

    const std::vector<Case> cases = {
        {"Hello World", "world", 7},
        {"Hello World", "HELLO", 1},
        {"abc", "", -1},
        {"ab", "abc", -1},
        {"", "a", -1},
        {"aaaab", "aab", 3},
        {"\xE9t\xE9", "\xC9T\xC9", -1}, // é/É differ outside ASCII
        {"\xE9t\xE9", "T\xE9", 2},
        {"xyz<Tag>", "<tag>", 4},
        {"aAaAaAb", "AAB", 5},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text + " / " + c.part);
        EXPECT_EQ(PosNoCase(c.text, c.part), c.pos);
        EXPECT_EQ(ContainsNoCase(c.text, c.part), c.pos > 0);
    }
}

TEST(AsciiTest, FindNoCaseStartsAtTheGivenOffset)
{
    EXPECT_EQ(FindNoCase("abcABC", "abc", 1), 3u);
    EXPECT_EQ(FindNoCase("abcABC", "abc", 4), std::string_view::npos);
    EXPECT_EQ(FindNoCase("abc", "c", 3), std::string_view::npos);
}

TEST(AsciiTest, CaseConversionsTouchOnlyLetters)
{
    EXPECT_EQ(AsciiUpper("abc-\xE9z"), "ABC-\xE9Z");
    EXPECT_EQ(AsciiLower("ABC-\xC9Z"), "abc-\xC9z");
    EXPECT_TRUE(EqualsNoCase("Site_Name", "SITE_NAME"));
    EXPECT_FALSE(EqualsNoCase("Site", "Sites"));
    EXPECT_TRUE(StartsWithNoCase("HTTPS://x", "https://"));
    EXPECT_FALSE(StartsWithNoCase("ht", "http"));
}

} // namespace
} // namespace listrider::store
