#include <gtest/gtest.h>

#include "engine/custom_value_cleaning.h"

namespace listrider::engine {
namespace {

std::vector<std::string> Cleaned(std::vector<std::string> values, const store::LineList& replacements)
{
    CleanCustomValues(values, replacements);
    return values;
}

TEST(CustomValueCleaningTest, ReplacementPairs)
{
    using Values = std::vector<std::string>;
    // Every comma goes; each value is trimmed after the pair.
    EXPECT_EQ(Cleaned({" 1,234,567 ", "12"}, {",", ""}), (Values{"1234567", "12"}));
    // Letters compare after UpperCyrillic: the replacement keeps its own case.
    EXPECT_EQ(Cleaned({"Version 2.0", "version"}, {"VERSION", "v"}), (Values{"v 2.0", "v"}));
    // Found again from the start until none is left: "aab" -> "ab" -> "b".
    EXPECT_EQ(Cleaned({"aaab"}, {"ab", "b"}), (Values{"b"}));
    // Pairs apply in order; an odd last line is ignored.
    EXPECT_EQ(Cleaned({"a-b_c"}, {"-", "_", "_", " ", "c"}), (Values{"a b c"}));
    // A replacement holding its own search text: one left-to-right pass, no endless loop.
    EXPECT_EQ(Cleaned({"1 x 2 x"}, {"x", "[X]"}), (Values{"1 [X] 2 [X]"}));
    // An empty search text is skipped.
    EXPECT_EQ(Cleaned({" a "}, {"", "zz"}), (Values{" a "}));
}

TEST(CustomValueCleaningTest, AGrowingReplacementStops)
{
    // "ab" -> "bba" moves every a past the b's and doubles them; unchecked it would not end.
    std::vector<std::string> values = {std::string(40, 'a') + "b"};
    CleanCustomValues(values, store::LineList{"ab", "bba"});
    EXPECT_FALSE(values[0].empty());
}

TEST(CustomValueCleaningTest, StatsSumJoinsTexts)
{
    std::vector<std::string> values = {"", "1,", "", "", "", "234", "", "5", "9", "10"};
    ApplyStatsSum(values, "2,3");
    EXPECT_EQ(values[1], "1,2345"); // joined, not added

    std::vector<std::string> guarded = {"a", "", "", "", "", "6", "7", "8", "9", "10"};
    CalculateStatsSum(guarded, 1, 99); // stops at value 10
    EXPECT_EQ(guarded[0], "a678910");
    for (const auto& [a, b] : {std::pair<long long, long long>{0, 2}, {11, 2}, {3, 0}, {3, -4}}) {
        std::vector<std::string> same = guarded;
        CalculateStatsSum(same, a, b);
        EXPECT_EQ(same, guarded) << a << "," << b;
    }
    ApplyStatsSum(guarded, "x,y"); // both read as 0
    ApplyStatsSum(guarded, "12");  // no comma
    EXPECT_EQ(guarded[0], "a678910");
}

} // namespace
} // namespace listrider::engine
