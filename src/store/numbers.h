// Decimal numbers written the way the user's locale writes them.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace listrider::store {

/// Returns the decimal mark of the user's numeric locale, probed once per program run
/// (LC_ALL, then LC_NUMERIC, then LANG): ',' when that locale reads "1,1" as a number, else '.'.
char LocaleDecimalSeparator();

/// Returns the text read as a decimal number with the given mark: optional sign, digits with at
/// most one mark, optional exponent, surrounding spaces allowed; anything else gives nothing.
std::optional<double> ParseDecimal(std::string_view text, char decimalSeparator);

/// Returns the number in its shortest general form (up to 15 significant digits) with the mark.
std::string FormatDecimal(double value, char decimalSeparator);

/// Returns the text with the mark the locale does not use replaced by the one it uses.
std::string ToLocaleDecimal(std::string_view text, char decimalSeparator);

/// As above, for the user's locale.
std::string ToLocaleDecimal(std::string_view text);

/// Returns a decimal number rewritten in the locale's shortest form ("1.50" gives "1.5"); a text
/// that does not read as a number is tried again with '.' replaced by ','; otherwise unchanged.
std::string NormalizeNumber(std::string_view text, char decimalSeparator);

/// As above, for the user's locale.
std::string NormalizeNumber(std::string_view text);

} // namespace listrider::store
