#include <gtest/gtest.h>

#include "store/code_page.h"
#include "store/date_time.h"

namespace listrider::store {
namespace {

TEST(DateTimeTest, DaysCountFromTheThirtiethOfDecember1899)
{
    const std::vector<std::pair<CivilDate, std::int64_t>> cases = {
        {{1899, 12, 30}, 0},
        {{1899, 12, 29}, -1},
        {{1900, 1, 1}, 2},
        {{2000, 1, 1}, 36526},
        {{2005, 8, 18}, 38582},
        {{2026, 12, 10}, 46366},
        {{9999, 12, 31}, 2958465},
    };
    for (const auto& [date, days] : cases) {
        SCOPED_TRACE(FormatDayMonthYear(date));
        EXPECT_EQ(DaysSince1899(date), days);
        EXPECT_EQ(DateFromDays(days), date);
    }
    for (std::int64_t days = -1000; days < 80000; days += 37) {
        EXPECT_EQ(DaysSince1899(DateFromDays(days)), days);
    }
}

TEST(DateTimeTest, TheTimeOfDayIsTheFraction)
{
    EXPECT_DOUBLE_EQ(DateTimeNumber({2005, 8, 18}, 12), 38582.5);
    EXPECT_DOUBLE_EQ(DateTimeNumber({2005, 8, 18}, 6, 0, 0), 38582.25);
    EXPECT_EQ(DateOfNumber(38582.99), (CivilDate{2005, 8, 18}));
    const double now = NowDateTimeNumber();
    EXPECT_EQ(DateOfNumber(now), Today());
    EXPECT_EQ(DateOfNumber(DateTimeNumberFromTime(std::time(nullptr))), Today());
}

TEST(DateTimeTest, ValidDatesFollowTheGregorianCalendar)
{
    EXPECT_TRUE(IsValidDate({2024, 2, 29}));
    EXPECT_FALSE(IsValidDate({2023, 2, 29}));
    EXPECT_FALSE(IsValidDate({1900, 2, 29}));
    EXPECT_TRUE(IsValidDate({2000, 2, 29}));
    EXPECT_FALSE(IsValidDate({2005, 13, 1}));
    EXPECT_FALSE(IsValidDate({2005, 4, 31}));
    EXPECT_FALSE(IsValidDate({0, 1, 1}));
}

TEST(DateTimeTest, FormatsDayMonthYear)
{
    EXPECT_EQ(FormatDayMonthYear({2005, 8, 1}), "01-08-2005");
    EXPECT_EQ(FormatDayMonthYear({2005, 8, 1}, '.'), "01.08.2005");
}

TEST(DateTimeTest, ParsesDayMonthYearWithNumbersOrMonthNames)
{
    const CodePage cyrillic = CodePage::Open("CP1251").Value();
    const std::string august = cyrillic.FromUtf8("\xD0\xB0\xD0\xB2\xD0\xB3");        // авг
    const std::string augustCapital = cyrillic.FromUtf8("\xD0\x90\xD0\xB2\xD0\xB3"); // Авг
    const std::string may = cyrillic.FromUtf8("\xD0\xBC\xD0\xB0\xD0\xB9");           // май
    const std::string december =
        cyrillic.FromUtf8("\xD0\x94\xD0\xB5\xD0\xBA\xD0\xB0\xD0\xB1\xD1\x80\xD1\x8C"); // Декабрь
    const std::string augustUpper = cyrillic.FromUtf8("\xD0\x90\xD0\x92\xD0\x93");     // АВГ

    struct Case
    {
        std::string text;
        std::optional<CivilDate> date;
    };

    const std::vector<Case> cases = {
        {"18-08-2005", CivilDate{2005, 8, 18}},
        {"18-Aug-2005", CivilDate{2005, 8, 18}},
        {"18-aug-2005", CivilDate{2005, 8, 18}},
        {"18-AUGUST-2005", CivilDate{2005, 8, 18}},
        {"1-" + august + "-2005", CivilDate{2005, 8, 1}},
        {"1-" + augustCapital + "-2005", CivilDate{2005, 8, 1}},
        {"9-" + may + "-2010", CivilDate{2010, 5, 9}},
        {"31-" + december + "-1999", CivilDate{1999, 12, 31}},
        {"1-" + augustUpper + "-2005", std::nullopt}, // only small or capital-first forms
        {"18-08-2005-extra", CivilDate{2005, 8, 18}},
        {"31-02-2005", std::nullopt},
        {"18-08", std::nullopt},
        {"abc", std::nullopt},
        {"", std::nullopt},
        {"x-08-2005", std::nullopt},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        EXPECT_EQ(ParseDayMonthYear(c.text), c.date);
    }
}

} // namespace
} // namespace listrider::store
