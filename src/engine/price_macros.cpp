// Price and expiry values.
#include <limits>

#include "engine/macro_families.h"
#include "engine/whole_number.h"
#include "store/ascii.h"

namespace listrider::engine {
namespace {

constexpr std::string_view kMonths[] = {
    "Jan", "Feb", "Mar", "Apr", "May", "Jun", "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};

struct PriceParts
{
    std::string dollars;
    std::string cents;
    std::string full;
    std::string rounded;
    std::string euro;
};

// The dollar price split at its last '.' or ','. A part that is no whole number rounds as 0
// (cents) or is kept as typed (dollars), and gives no euro price.
PriceParts SplitPrice(std::string_view price)
{
    PriceParts parts;
    const std::size_t mark = price.find_last_of(".,");
    if (mark == std::string_view::npos) {
        parts.dollars = std::string(price);
        parts.cents = "00";
    } else {
        parts.dollars = std::string(price.substr(0, mark));
        parts.cents = std::string(price.substr(mark + 1));
    }
    parts.full = parts.dollars + "." + parts.cents;
    const std::optional<std::int64_t> dollars =
        parts.dollars.empty() ? std::optional<std::int64_t>(0) : ParseWholeNumber(parts.dollars);
    const std::int64_t cents = ParseWholeNumber(parts.cents).value_or(0);
    if (cents < 51 || !dollars) {
        parts.rounded = parts.dollars;
    } else {
        parts.rounded = std::to_string(*dollars + 1);
    }
    if (dollars && *dollars >= 0 && *dollars < std::numeric_limits<std::int64_t>::max() / 8003) {
        parts.euro = std::to_string(*dollars * 8003 / 10000);
    }
    return parts;
}

bool HasCount(std::string_view count)
{
    return !count.empty() && count != " " && count != "0";
}

// The count when the product has expiry data in the unit (compared upper-cased).
std::string CountIn(const catalogue::ProgramValues& program, std::string_view upperUnit)
{
    if (program.hasExpireInfo == "Y" && store::AsciiUpper(program.expireBasedOn) == upperUnit &&
        !program.expireCount.empty()) {
        return program.expireCount;
    }
    return {};
}

std::string Limitations(const catalogue::ProgramValues& program)
{
    if (program.hasExpireInfo != "Y") {
        return "N/A";
    }
    if (const std::string days = CountIn(program, "DAYS"); !days.empty()) {
        return days + " Days Trial";
    }
    if (const std::string uses = CountIn(program, "USES"); !uses.empty()) {
        return "Expires after " + uses + " uses";
    }
    return {};
}

std::string ExpiresAfterAndBasedOn(const catalogue::ProgramValues& program)
{
    if (program.hasExpireInfo != "Y") {
        return program.expireOtherInfo.empty() ? "none" : program.expireOtherInfo;
    }
    if (!program.expireDay.empty()) {
        return "Expires on " + program.expireMonth + "/" + program.expireDay + "/" + program.expireYear;
    }
    if (!program.expireCount.empty()) {
        return program.expireCount + " " + program.expireBasedOn;
    }
    return "none";
}

std::string MonthAbbreviation(std::string_view month)
{
    const std::optional<std::int64_t> number = ParseWholeNumber(month);
    if (!number || *number < 1 || *number > 12) {
        return {};
    }
    return std::string(kMonths[*number - 1]);
}

} // namespace

void AddPriceMacros(MacroTable& table, const catalogue::ProductValues& product)
{
    const catalogue::ProgramValues& program = product.program;
    const std::string price = program.priceDollars.empty() ? "0" : program.priceDollars;
    const PriceParts parts = SplitPrice(price);
    table["PriceDollars"] = parts.dollars;
    table["PriceCents"] = parts.cents;
    table["Price"] = price;
    table["FullPrice"] = parts.full;
    table["PriceFull"] = parts.full;
    table["RoundedPrice"] = parts.rounded;
    table["PriceEuro"] = parts.euro;
    table["PriceOther"] = program.priceOther;
    table["PriceOtherCode"] = program.currency;

    table["ProgramLimitations"] = Limitations(program);
    table["ExpireCount"] = program.expireCount;
    table["ExpireBasedOn"] = program.expireBasedOn;
    table["ExpireOtherInfo"] = program.expireOtherInfo;
    table["#Days"] = CountIn(program, "DAYS");
    table["#Uses"] = CountIn(program, "USES");
    table["ExpireDD"] = program.expireDay;
    table["ExpireMM"] = program.expireMonth;
    table["ExpireY"] = program.expireYear;
    table["ExpireD"] = WithoutLeadingZero(program.expireDay);
    table["ExpireM"] = WithoutLeadingZero(program.expireMonth);
    const std::string expires = ExpiresAfterAndBasedOn(program);
    table["ExpiresAfterAndBasedOn"] = expires;
    table["ExpireLimitationsBrother"] = Head(expires, 50);
    table["ExpireMonthWinSite"] = MonthAbbreviation(program.expireMonth);
    const bool timeUnit = program.expireBasedOn == "Days" || program.expireBasedOn == "Uses";
    table["TimeLimitWinSite"] = HasCount(program.expireCount) && timeUnit ? "on" : "";
    table["FunctionLimitWinSite"] =
        !program.expireOtherInfo.empty() && program.expireOtherInfo != " " ? "on" : "";
}

} // namespace listrider::engine
