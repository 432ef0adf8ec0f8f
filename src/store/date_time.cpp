#include "store/date_time.h"

#include <array>
#include <charconv>
#include <chrono>
#include <cmath>
#include <cstdio>

#include "store/ascii.h"
#include "store/numbers.h"

namespace listrider::store {
namespace {

// Days from 1970-01-01 (Howard Hinnant's civil calendar algorithms).
std::int64_t DaysFromCivil(int y, int m, int d)
{
    y -= m <= 2 ? 1 : 0;
    const std::int64_t era = (y >= 0 ? y : y - 399) / 400;
    const auto yoe = static_cast<unsigned>(y - era * 400);
    const unsigned doy =
        (153 * static_cast<unsigned>(m + (m > 2 ? -3 : 9)) + 2) / 5 + static_cast<unsigned>(d) - 1;
    const unsigned doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
    return era * 146097 + static_cast<std::int64_t>(doe) - 719468;
}

CivilDate CivilFromDays(std::int64_t z)
{
    z += 719468;
    const std::int64_t era = (z >= 0 ? z : z - 146096) / 146097;
    const auto doe = static_cast<unsigned>(z - era * 146097);
    const unsigned yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
    const std::int64_t y = static_cast<std::int64_t>(yoe) + era * 400;
    const unsigned doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
    const unsigned mp = (5 * doy + 2) / 153;
    const unsigned d = doy - (153 * mp + 2) / 5 + 1;
    const unsigned m = mp < 10 ? mp + 3 : mp - 9;
    return CivilDate{static_cast<int>(y + (m <= 2 ? 1 : 0)), static_cast<int>(m), static_cast<int>(d)};
}

const std::int64_t kEpoch1899 = DaysFromCivil(1899, 12, 30);

std::optional<int> ReadInt(std::string_view text)
{
    while (!text.empty() && text.front() == ' ') {
        text.remove_prefix(1);
    }
    while (!text.empty() && text.back() == ' ') {
        text.remove_suffix(1);
    }
    if (!text.empty() && text.front() == '+') {
        text.remove_prefix(1);
    }
    int value = 0;
    const auto [ptr, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (text.empty() || ec != std::errc() || ptr != text.data() + text.size()) {
        return std::nullopt;
    }
    return value;
}

// The Russian month abbreviations in Windows-1251 small letters.
constexpr std::array<std::string_view, 12> kRussianMonths = {
    "\xFF\xED\xE2", // янв
    "\xF4\xE5\xE2", // фев
    "\xEC\xE0\xF0", // мар
    "\xE0\xEF\xF0", // апр
    "\xEC\xE0\xE9", // май
    "\xE8\xFE\xED", // июн
    "\xE8\xFE\xEB", // июл
    "\xE0\xE2\xE3", // авг
    "\xF1\xE5\xED", // сен
    "\xEE\xEA\xF2", // окт
    "\xED\xEE\xFF", // ноя
    "\xE4\xE5\xEA", // дек
};

constexpr std::array<std::string_view, 12> kEnglishMonths = {
    "Jan", "Feb", "Mar", "Apr", "May", "Jun", "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};

std::string MonthNumberText(int month)
{
    char text[4];
    std::snprintf(text, sizeof text, "%02d", month);
    return text;
}

} // namespace

bool IsValidDate(const CivilDate& date)
{
    if (date.year < 1 || date.year > 9999 || date.month < 1 || date.month > 12 || date.day < 1) {
        return false;
    }
    static constexpr int kDays[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    const bool leap = (date.year % 4 == 0 && date.year % 100 != 0) || date.year % 400 == 0;
    const int last = date.month == 2 && leap ? 29 : kDays[date.month - 1];
    return date.day <= last;
}

std::int64_t DaysSince1899(const CivilDate& date)
{
    return DaysFromCivil(date.year, date.month, date.day) - kEpoch1899;
}

CivilDate DateFromDays(std::int64_t days)
{
    return CivilFromDays(days + kEpoch1899);
}

double DateTimeNumber(const CivilDate& date, int hour, int minute, int second, int millisecond)
{
    const double fraction = ((hour * 60.0 + minute) * 60.0 + second + millisecond / 1000.0) / 86400.0;
    return static_cast<double>(DaysSince1899(date)) + fraction;
}

double DateTimeNumberFromTime(std::time_t moment)
{
    std::tm local{};
    localtime_r(&moment, &local);
    return DateTimeNumber(CivilDate{local.tm_year + 1900, local.tm_mon + 1, local.tm_mday},
                          local.tm_hour,
                          local.tm_min,
                          local.tm_sec);
}

double NowDateTimeNumber()
{
    const auto now = std::chrono::system_clock::now();
    const std::time_t seconds = std::chrono::system_clock::to_time_t(now);
    const auto millis =
        std::chrono::duration_cast<std::chrono::milliseconds>(now.time_since_epoch()).count() % 1000;
    std::tm local{};
    localtime_r(&seconds, &local);
    return DateTimeNumber(CivilDate{local.tm_year + 1900, local.tm_mon + 1, local.tm_mday},
                          local.tm_hour,
                          local.tm_min,
                          local.tm_sec,
                          static_cast<int>(millis));
}

LocalDateTime LocalNow()
{
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    return LocalDateTime{CivilDate{local.tm_year + 1900, local.tm_mon + 1, local.tm_mday},
                         local.tm_hour,
                         local.tm_min,
                         local.tm_sec};
}

std::string_view EnglishMonthAbbreviation(int month)
{
    if (month < 1 || month > 12) {
        return {};
    }
    return kEnglishMonths[static_cast<std::size_t>(month - 1)];
}

CivilDate Today()
{
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    return CivilDate{local.tm_year + 1900, local.tm_mon + 1, local.tm_mday};
}

CivilDate DateOfNumber(double number)
{
    return DateFromDays(static_cast<std::int64_t>(std::floor(number)));
}

std::string FormatDateTimeNumber(double number, char decimalSeparator)
{
    return FormatDecimal(number, decimalSeparator);
}

std::optional<double> ParseDateTimeNumber(std::string_view text)
{
    if (std::optional<double> value = ParseDecimal(text, '.')) {
        return value;
    }
    return ParseDecimal(text, ',');
}

std::string FormatDayMonthYear(const CivilDate& date, char separator)
{
    char text[32];
    std::snprintf(
        text, sizeof text, "%02d%c%02d%c%04d", date.day, separator, date.month, separator, date.year);
    return text;
}

std::optional<CivilDate> ParseDayMonthYear(std::string_view text)
{
    std::array<std::string_view, 3> parts{};
    std::size_t count = 0;
    std::size_t start = 0;
    while (count < 3) {
        const std::size_t dash = text.find('-', start);
        parts[count++] =
            text.substr(start, dash == std::string_view::npos ? std::string_view::npos : dash - start);
        if (dash == std::string_view::npos) {
            break;
        }
        start = dash + 1;
    }
    if (count < 3) {
        return std::nullopt;
    }
    std::string month(parts[1]);
    bool named = false;
    for (std::size_t i = 0; i < kEnglishMonths.size() && !named; ++i) {
        if (ContainsNoCase(month, kEnglishMonths[i])) {
            month = MonthNumberText(static_cast<int>(i) + 1);
            named = true;
        }
    }
    for (std::size_t i = 0; i < kRussianMonths.size() && !named; ++i) {
        std::string capital(kRussianMonths[i]);
        capital[0] = static_cast<char>(static_cast<unsigned char>(capital[0]) - 32);
        if (month.find(kRussianMonths[i]) != std::string::npos || month.find(capital) != std::string::npos) {
            month = MonthNumberText(static_cast<int>(i) + 1);
            named = true;
        }
    }
    const std::optional<int> day = ReadInt(parts[0]);
    const std::optional<int> monthNumber = ReadInt(month);
    const std::optional<int> year = ReadInt(parts[2]);
    if (!day || !monthNumber || !year) {
        return std::nullopt;
    }
    const CivilDate date{*year, *monthNumber, *day};
    if (!IsValidDate(date)) {
        return std::nullopt;
    }
    return date;
}

} // namespace listrider::store
