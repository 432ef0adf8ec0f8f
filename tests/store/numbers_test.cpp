// Runs under two locales (see tests/CMakeLists.txt): the C locale and a decimal-comma one.
#include <cstdlib>

#include <gtest/gtest.h>

#include "store/date_time.h"
#include "store/numbers.h"

namespace listrider::store {
namespace {

TEST(NumbersTest, ProbeFindsTheLocalesDecimalMark)
{
    const char* expected = std::getenv("LISTRIDER_EXPECT_DECIMAL");
    ASSERT_NE(expected, nullptr) << "run through ctest, which sets the locale";
    EXPECT_EQ(LocaleDecimalSeparator(), expected[0]);
}

TEST(NumbersTest, NormalizeNumberRewritesInTheShortestForm)
{
    struct Case
    {
        std::string text;
        char mark;
        std::string expected;
    };

    const std::vector<Case> cases = {
        {"1.50", '.', "1.5"},     {"1.50", ',', "1,5"},  // read again with the point made a comma
        {"1,50", ',', "1,5"},     {"1,50", '.', "1,50"}, // not a number where the mark is a point
        {"2.0", '.', "2"},        {"2.", '.', "2"},
        {".5", '.', "0.5"},       {"-0.50", '.', "-0.5"},
        {" 7 ", '.', "7"},        {"1e3", '.', "1000"},
        {"0.00001", '.', "1E-5"}, {"123456789012345678", '.', "1.23456789012346E17"},
        {"1.2.3", '.', "1.2.3"},  {"1.2.3", ',', "1.2.3"},
        {"abc", '.', "abc"},      {"", '.', ""},
        {"-", '.', "-"},          {"1,000.5", '.', "1,000.5"},
        {"inf", '.', "inf"},      {"0x10", '.', "0x10"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text + " with " + c.mark);
        EXPECT_EQ(NormalizeNumber(c.text, c.mark), c.expected);
    }
}

TEST(NumbersTest, ToLocaleDecimalUsesTheLocalesMark)
{
    EXPECT_EQ(ToLocaleDecimal("1,5", '.'), "1.5");
    EXPECT_EQ(ToLocaleDecimal("1.5", ','), "1,5");
    EXPECT_EQ(ToLocaleDecimal("1.5"), LocaleDecimalSeparator() == ',' ? "1,5" : "1.5");
    EXPECT_EQ(NormalizeNumber("2.50"), LocaleDecimalSeparator() == ',' ? "2,5" : "2.5");
}

TEST(NumbersTest, DateTimeNumbersAreWrittenWithTheLocalesMark)
{
    const double noon = DateTimeNumber(CivilDate{2005, 8, 18}, 12);
    const std::string written = FormatDateTimeNumber(noon, LocaleDecimalSeparator());
    EXPECT_EQ(written, LocaleDecimalSeparator() == ',' ? "38582,5" : "38582.5");
    EXPECT_EQ(ParseDateTimeNumber(written), noon);
    // A file written under the other locale still reads.
    EXPECT_EQ(ParseDateTimeNumber("38582,5"), noon);
    EXPECT_EQ(ParseDateTimeNumber("38582.5"), noon);
    EXPECT_EQ(ParseDateTimeNumber("x"), std::nullopt);
}

} // namespace
} // namespace listrider::store
