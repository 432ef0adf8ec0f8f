// Calendar dates and the date-time numbers of the stores (days since 30 December 1899, with
// the time of day as the fraction, in local time).
#pragma once

#include <cstdint>
#include <ctime>
#include <optional>
#include <string>
#include <string_view>

namespace listrider::store {

/// A calendar date.
struct CivilDate
{
    int year = 0;
    int month = 0;
    int day = 0;

    friend bool operator==(const CivilDate&, const CivilDate&) = default;
};

/// A local date with the time of day to the second.
struct LocalDateTime
{
    CivilDate date;
    int hour = 0;
    int minute = 0;
    int second = 0;

    friend bool operator==(const LocalDateTime&, const LocalDateTime&) = default;
};

/// Returns the local date and time now.
LocalDateTime LocalNow();

/// Returns the English three-letter name of month 1..12 ("Jan"); empty for any other number.
std::string_view EnglishMonthAbbreviation(int month);

/// Returns whether the date exists in the Gregorian calendar (years 1 to 9999).
bool IsValidDate(const CivilDate& date);

/// Returns the days from 30 December 1899 to the date (negative before it).
std::int64_t DaysSince1899(const CivilDate& date);

/// Returns the date that lies the given days after 30 December 1899.
CivilDate DateFromDays(std::int64_t days);

/// Returns the date-time number of a date and a time of day.
double
DateTimeNumber(const CivilDate& date, int hour = 0, int minute = 0, int second = 0, int millisecond = 0);

/// Returns the date-time number of a moment, in local time.
double DateTimeNumberFromTime(std::time_t moment);

/// Returns the date-time number of now, in local time.
double NowDateTimeNumber();

/// Returns today's local date.
CivilDate Today();

/// Returns the date part of a date-time number.
CivilDate DateOfNumber(double number);

/// Returns the date-time number as decimal text with the given mark (up to 15 significant digits).
std::string FormatDateTimeNumber(double number, char decimalSeparator);

/// Returns the date-time number written in a store; either decimal mark is accepted, so a file
/// written under another locale still reads.
std::optional<double> ParseDateTimeNumber(std::string_view text);

/// Returns the date as "dd-mm-yyyy" (or with another separator).
std::string FormatDayMonthYear(const CivilDate& date, char separator = '-');

/// Returns the date read from "day-month-year": the month may be a number or an English or
/// Windows-1251 Russian three-letter abbreviation; a fourth part is ignored. Nothing when the
/// parts are not numbers or the date does not exist.
std::optional<CivilDate> ParseDayMonthYear(std::string_view text);

} // namespace listrider::store
