#include "companions/date_texts.h"

#include <ctime>
#include <span>
#include <string_view>

#include "catalogue/vocabularies.h"

namespace listrider::companions {
namespace {

std::string TwoDigits(int value)
{
    return (value < 10 ? "0" : "") + std::to_string(value);
}

std::string_view MonthName(int month)
{
    const std::span<const std::string_view> months = catalogue::MonthEntries(); // "Month", "January" ...
    if (month < 1 || static_cast<std::size_t>(month) >= months.size()) {
        return {};
    }
    return months[static_cast<std::size_t>(month)];
}

} // namespace

std::string RequestedDate(const store::CivilDate& date)
{
    return TwoDigits(date.day) + "-" + std::string(MonthName(date.month).substr(0, 3)) + "-" +
           TwoDigits(date.year % 100);
}

std::string FileNameDate(const store::CivilDate& date)
{
    return TwoDigits(date.day) + "-" + std::string(MonthName(date.month).substr(0, 3)) + "-" +
           std::to_string(date.year);
}

std::string NowStamp()
{
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    const store::CivilDate date{local.tm_year + 1900, local.tm_mon + 1, local.tm_mday};
    return TwoDigits(date.day) + " " + std::string(MonthName(date.month).substr(0, 3)) + " " +
           std::to_string(date.year) + "  " + TwoDigits(local.tm_hour) + ":" + TwoDigits(local.tm_min) + ":" +
           TwoDigits(local.tm_sec);
}

std::string LongDate(const store::CivilDate& date)
{
    return TwoDigits(date.day) + " " + std::string(MonthName(date.month)) + " " + std::to_string(date.year);
}

} // namespace listrider::companions
