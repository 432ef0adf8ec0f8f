#include <vector>

#include <gtest/gtest.h>

#include "store/wide_text.h"

namespace listrider::store {
namespace {

TEST(WideTextTest, CountEditCharsIgnoresLineBreaks)
{
    const std::vector<std::string> narrow = {"ab", "", "c"};
    const std::vector<std::u16string> wide = {u"\u4E2D\u6587", u"x"};
    EXPECT_EQ(CountEditChars(narrow), 3u);
    EXPECT_EQ(CountEditChars(wide), 3u);
    EXPECT_EQ(CountEditChars(std::vector<std::string>{}), 0u);
}

TEST(WideTextTest, FirstItemsKeepsTheFirstItemsOfAList)
{
    struct Case
    {
        std::u16string text;
        int count;
        std::u16string expected;
    };

    const std::vector<Case> cases = {
        {u"a, b, c, d", 3, u"a, b"},
        {u"a, b, c, d", 2, u"a"},
        {u"a, b, c, d", 1, u"a"},
        {u"abc, d", 1, u"a"},
        {u"a, b", 5, u"a, b"},
        {u"a, b, ", 3, u"a, b"},
        {u"a,b,c", 3, u"a,b"},
        {u"", 3, u""},
        {u"a, b", 0, u""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.count);
        EXPECT_EQ(FirstItems(c.text, c.count), c.expected);
    }
}

TEST(WideTextTest, CollapseSpacesKeepsOneOfEachRun)
{
    EXPECT_EQ(CollapseSpaces(u"  a   b  "), u" a b ");
    EXPECT_EQ(CollapseSpaces(u"a\t\tb"), u"a\t\tb");
    EXPECT_EQ(CollapseSpaces(u""), u"");
}

} // namespace
} // namespace listrider::store
