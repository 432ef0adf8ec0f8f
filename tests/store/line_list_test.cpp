#include <gtest/gtest.h>

#include "store/line_list.h"

namespace listrider::store {
namespace {

struct SplitCase
{
    const char* name;
    std::string bytes;
    std::vector<std::string> lines;
};

TEST(LineListTest, SplitsByTheStoreRules)
{
    const std::vector<SplitCase> cases = {
        {"empty line between CR LF pairs", "a\r\n\r\nb\r\n", {"a", "", "b"}},
        {"lone LF is an ordinary byte", "a\nb", {"a\nb"}},
        {"lone CR is dropped", "a\rb", {"ab"}},
        {"last line without CR LF is kept", "x\r\ny", {"x", "y"}},
        {"trailing CR LF adds no line", "x\r\ny\r\n", {"x", "y"}},
        {"empty text", "", {}},
        {"only CR LF gives one empty line", "\r\n", {""}},
        {"LF after an ending LF ends a line too", "a\r\n\nb", {"a", "", "b"}},
        {"LF after a lone LF stays in the line", "a\n\nb", {"a\n\nb"}},
        {"CR CR LF ends one line", "a\r\r\nb", {"a", "b"}},
        {"CR inside a line is removed", "a\rb\r\nc", {"ab", "c"}},
        {"leading LF is ordinary", "\na\r\n", {"\na"}},
        {"final lone CR is dropped", "a\r", {"a"}},
        {"only a CR gives no line", "\r", {}},
        {"NUL bytes are kept", std::string("a\0b\r\n", 5), {std::string("a\0b", 3)}},
    };
    for (const SplitCase& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(LineList::FromText(c.bytes).ToStrings(), c.lines);
    }
}

TEST(LineListTest, JoinsWithCrLfBetweenLines)
{
    EXPECT_EQ(JoinLines(LineList{"x", "y"}), "x\r\ny");
    EXPECT_EQ(JoinLines(LineList{}), "");
    EXPECT_EQ(JoinLines(LineList{"", ""}), "\r\n");
}

TEST(LineListTest, EditsKeepOtherLinesIntact)
{
    LineList list = LineList::FromText("one\r\ntwo\r\nthree");
    list.Set(1, "TWO");
    list.Insert(0, "zero");
    list.push_back(std::string(5000, 'x')); // larger than one storage chunk
    list.Erase(3);
    for (int i = 0; i < 200; ++i) {
        list.push_back("filler"); // forces new storage chunks; earlier lines must stay valid
    }
    ASSERT_EQ(list.size(), 204u);
    EXPECT_EQ(list[0], "zero");
    EXPECT_EQ(list[1], "one");
    EXPECT_EQ(list[2], "TWO");
    EXPECT_EQ(list[3], std::string(5000, 'x'));
    EXPECT_EQ(list.back(), "filler");
}

TEST(LineListTest, CopiesAreIndependent)
{
    LineList original{"a", "b"};
    LineList copy = original;
    original.Set(0, "changed");
    original.clear();
    EXPECT_EQ(copy.ToStrings(), (std::vector<std::string>{"a", "b"}));
    LineList moved = std::move(copy);
    EXPECT_EQ(moved.ToStrings(), (std::vector<std::string>{"a", "b"}));
}

TEST(LineListTest, HasItemComparesExactly)
{
    const LineList list{"Alpha", "beta"};
    EXPECT_TRUE(ListHasItem(list, "beta"));
    EXPECT_FALSE(ListHasItem(list, "alpha"));
    EXPECT_FALSE(ListHasItem(list, "bet"));
}

} // namespace
} // namespace listrider::store
