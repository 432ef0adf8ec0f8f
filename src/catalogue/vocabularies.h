// The fixed lists of the product editor.
#pragma once

#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace listrider::catalogue {

/// Returns the program types ("Shareware" ... "Data Only").
std::span<const std::string_view> ProgramTypes();

/// Returns the release statuses ("New Release" ... "Media Only").
std::span<const std::string_view> ReleaseStatuses();

/// Returns the install support words ("Install and Uninstall" ... "No Install Support").
std::span<const std::string_view> InstallSupports();

/// Returns the day list: "Day" (nothing chosen), then "01" ... "31".
std::span<const std::string_view> DayEntries();

/// Returns the month list: "Month" (nothing chosen), then "January" ... "December".
std::span<const std::string_view> MonthEntries();

/// Returns the year list: "Year" (nothing chosen), then the current year down to 1997.
std::vector<std::string> YearEntries();

/// Returns the year list for a given current year (the same list, for tests and long runs).
std::vector<std::string> YearEntries(int currentYear);

/// Returns the expiry units ("Days", "Uses", "Either/Or").
std::span<const std::string_view> ExpireUnits();

/// Returns the 163 currency codes in alphabetical order.
std::span<const std::string_view> CurrencyCodes();

/// Returns the eleven PAD specific categories.
std::span<const std::string_view> PadSpecificCategories();

/// Returns the 155 PAD category classes ("Group::Sub").
std::span<const std::string_view> CategoryClasses();

/// Returns the 49 US state names of the State/Province list.
std::span<const std::string_view> UsStates();

/// Returns the nine built-in languages, "English" first.
std::span<const std::string_view> BuiltInLanguages();

/// The first entry of the day, month and year lists: nothing chosen.
inline constexpr std::string_view kNoDay = "Day";
inline constexpr std::string_view kNoMonth = "Month";
inline constexpr std::string_view kNoYear = "Year";

/// Returns whether the list holds the entry (exact, case-sensitive).
bool HasEntry(std::span<const std::string_view> list, std::string_view entry);

/// Returns the list entry equal to the text ignoring ASCII case, or the empty text.
std::string FindEntryNoCase(std::span<const std::string_view> list, std::string_view text);

/// Returns whether the text is a year of the year list (the "Year" entry included).
bool IsYearEntry(std::string_view text);

/// Returns the month's position 1..12 for "January" ... "December", 0 otherwise.
int MonthNumber(std::string_view month);

} // namespace listrider::catalogue
