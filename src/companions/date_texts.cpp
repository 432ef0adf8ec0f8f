#include "companions/date_texts.h"

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
    return TwoDigits(date.day) + "-" + std::string(store::EnglishMonthAbbreviation(date.month)) + "-" +
           TwoDigits(date.year % 100);
}

std::string LongDate(const store::CivilDate& date)
{
    return TwoDigits(date.day) + " " + std::string(MonthName(date.month)) + " " + std::to_string(date.year);
}

} // namespace listrider::companions
