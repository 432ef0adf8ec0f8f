#include "store/numbers.h"

#include <algorithm>
#include <charconv>
#include <clocale>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include <langinfo.h>

#include "store/text_helpers.h"

namespace listrider::store {
namespace {

char ProbeDecimalSeparator()
{
    // newlocale with "" takes the user's locale from the environment without touching the
    // process-wide locale; a locale that is not installed leaves the C rules.
    locale_t user = newlocale(LC_NUMERIC_MASK, "", static_cast<locale_t>(nullptr));
    if (user == static_cast<locale_t>(nullptr)) {
        return '.';
    }
    const char* radix = nl_langinfo_l(RADIXCHAR, user);
    const char mark = (radix != nullptr && std::strcmp(radix, ",") == 0) ? ',' : '.';
    freelocale(user);
    return mark;
}

} // namespace

char LocaleDecimalSeparator()
{
    static const char mark = ProbeDecimalSeparator();
    return mark;
}

std::optional<double> ParseDecimal(std::string_view text, char decimalSeparator)
{
    std::size_t begin = 0;
    std::size_t end = text.size();
    while (begin < end && text[begin] == ' ') {
        ++begin;
    }
    while (end > begin && text[end - 1] == ' ') {
        --end;
    }
    std::string plain;
    plain.reserve(end - begin);
    std::size_t i = begin;
    if (i < end && (text[i] == '+' || text[i] == '-')) {
        if (text[i] == '-') {
            plain.push_back('-');
        }
        ++i;
    }
    int digits = 0;
    bool mark = false;
    for (; i < end; ++i) {
        const char c = text[i];
        if (c >= '0' && c <= '9') {
            plain.push_back(c);
            ++digits;
        } else if (c == decimalSeparator && !mark) {
            plain.push_back('.');
            mark = true;
        } else {
            break;
        }
    }
    if (digits == 0) {
        return std::nullopt;
    }
    if (i < end && (text[i] == 'e' || text[i] == 'E')) {
        plain.push_back('e');
        ++i;
        if (i < end && (text[i] == '+' || text[i] == '-')) {
            plain.push_back(text[i]);
            ++i;
        }
        int exponentDigits = 0;
        for (; i < end && text[i] >= '0' && text[i] <= '9'; ++i) {
            plain.push_back(text[i]);
            ++exponentDigits;
        }
        if (exponentDigits == 0) {
            return std::nullopt;
        }
    }
    if (i != end) {
        return std::nullopt;
    }
    double value = 0;
    const char* first = plain.data();
    const char* last = plain.data() + plain.size();
    const auto [ptr, ec] = std::from_chars(first, last, value);
    if (ec != std::errc() || ptr != last || !std::isfinite(value)) {
        return std::nullopt;
    }
    return value;
}

std::string FormatDecimal(double value, char decimalSeparator)
{
    char buffer[40];
    std::snprintf(buffer, sizeof buffer, "%.15G", value);
    std::string text(buffer);
    // "1.5E+15" is written "1.5E15" and "1E-05" is written "1E-5".
    if (const std::size_t e = text.find('E'); e != std::string::npos) {
        std::string mantissa = text.substr(0, e);
        std::string exponent = text.substr(e + 1);
        std::string sign;
        if (!exponent.empty() && (exponent[0] == '+' || exponent[0] == '-')) {
            if (exponent[0] == '-') {
                sign = "-";
            }
            exponent.erase(0, 1);
        }
        exponent.erase(0, std::min(exponent.find_first_not_of('0'), exponent.size() - 1));
        text = mantissa + "E" + sign + exponent;
    }
    if (text == "-0") {
        text = "0";
    }
    for (char& c : text) {
        if (c == '.') {
            c = decimalSeparator;
        }
    }
    return text;
}

std::string ToLocaleDecimal(std::string_view text, char decimalSeparator)
{
    return decimalSeparator == '.' ? CommaToDot(text) : DotToComma(text);
}

std::string ToLocaleDecimal(std::string_view text)
{
    return ToLocaleDecimal(text, LocaleDecimalSeparator());
}

std::string NormalizeNumber(std::string_view text, char decimalSeparator)
{
    if (const std::optional<double> value = ParseDecimal(text, decimalSeparator)) {
        return FormatDecimal(*value, decimalSeparator);
    }
    const std::string commas = DotToComma(text);
    if (const std::optional<double> value = ParseDecimal(commas, decimalSeparator)) {
        return FormatDecimal(*value, decimalSeparator);
    }
    return std::string(text);
}

std::string NormalizeNumber(std::string_view text)
{
    return NormalizeNumber(text, LocaleDecimalSeparator());
}

} // namespace listrider::store
