#include "catalogue/vocabularies.h"

#include <array>

#include "store/ascii.h"
#include "store/date_time.h"

namespace listrider::catalogue {
namespace {

constexpr std::array<std::string_view, 6> kTypes = {
    "Shareware", "Freeware", "Adware", "Demo", "Commercial", "Data Only"};

constexpr std::array<std::string_view, 6> kStatuses = {
    "New Release", "Major Update", "Minor Update", "Beta", "Alpha", "Media Only"};

constexpr std::array<std::string_view, 4> kInstall = {
    "Install and Uninstall", "Install Only", "Uninstall Only", "No Install Support"};

constexpr std::array<std::string_view, 32> kDays = {
    "Day", "01", "02", "03", "04", "05", "06", "07", "08", "09", "10", "11", "12", "13", "14", "15",
    "16",  "17", "18", "19", "20", "21", "22", "23", "24", "25", "26", "27", "28", "29", "30", "31"};

constexpr std::array<std::string_view, 13> kMonths = {"Month",
                                                      "January",
                                                      "February",
                                                      "March",
                                                      "April",
                                                      "May",
                                                      "June",
                                                      "July",
                                                      "August",
                                                      "September",
                                                      "October",
                                                      "November",
                                                      "December"};

constexpr std::array<std::string_view, 3> kUnits = {"Days", "Uses", "Either/Or"};

constexpr std::array<std::string_view, 11> kSpecific = {"Audio",
                                                        "Business",
                                                        "Development Tools",
                                                        "Education",
                                                        "Games",
                                                        "Graphics",
                                                        "Home/Hobby",
                                                        "Internet",
                                                        "Miscellaneous",
                                                        "Screen Savers",
                                                        "Utilities"};

// Ordered by the postal abbreviation, as the list has always been.
constexpr std::array<std::string_view, 49> kStates = {
    "Alaska",       "Alabama",        "Arizona",        "California",   "Colorado",      "Connecticut",
    "Delaware",     "Florida",        "Georgia",        "Hawaii",       "Iowa",          "Idaho",
    "Illinois",     "Indiana",        "Kansas",         "Kentucky",     "Louisiana",     "Massachusetts",
    "Maryland",     "Maine",          "Michigan",       "Minnesota",    "Missouri",      "Mississippi",
    "Montana",      "North Carolina", "North Dakota",   "Nebraska",     "New Hampshire", "New Jersey",
    "New Mexico",   "Nevada",         "New York",       "Ohio",         "Oklahoma",      "Oregon",
    "Pennsylvania", "Rhode Island",   "South Carolina", "South Dakota", "Tennessee",     "Texas",
    "Utah",         "Virginia",       "Vermont",        "Washington",   "Wisconsin",     "West Virginia",
    "Wyoming"};

constexpr std::array<std::string_view, 9> kLanguages = {"English",
                                                        "German",
                                                        "French",
                                                        "Spanish",
                                                        "Italian",
                                                        "Japanese",
                                                        "Russian",
                                                        "Chinese Simplified",
                                                        "Chinise Traditional"};

constexpr int kFirstYear = 1997;

} // namespace

std::span<const std::string_view> ProgramTypes()
{
    return kTypes;
}

std::span<const std::string_view> ReleaseStatuses()
{
    return kStatuses;
}

std::span<const std::string_view> InstallSupports()
{
    return kInstall;
}

std::span<const std::string_view> DayEntries()
{
    return kDays;
}

std::span<const std::string_view> MonthEntries()
{
    return kMonths;
}

std::vector<std::string> YearEntries(int currentYear)
{
    std::vector<std::string> years{std::string(kNoYear)};
    for (int year = currentYear; year >= kFirstYear; --year) {
        years.push_back(std::to_string(year));
    }
    return years;
}

std::vector<std::string> YearEntries()
{
    return YearEntries(store::Today().year);
}

std::span<const std::string_view> ExpireUnits()
{
    return kUnits;
}

std::span<const std::string_view> PadSpecificCategories()
{
    return kSpecific;
}

std::span<const std::string_view> UsStates()
{
    return kStates;
}

std::span<const std::string_view> BuiltInLanguages()
{
    return kLanguages;
}

bool HasEntry(std::span<const std::string_view> list, std::string_view entry)
{
    for (std::string_view item : list) {
        if (item == entry) {
            return true;
        }
    }
    return false;
}

std::string FindEntryNoCase(std::span<const std::string_view> list, std::string_view text)
{
    for (std::string_view item : list) {
        if (store::EqualsNoCase(item, text)) {
            return std::string(item);
        }
    }
    return {};
}

bool IsYearEntry(std::string_view text)
{
    if (text == kNoYear) {
        return true;
    }
    if (text.size() != 4) {
        return false;
    }
    int year = 0;
    for (const char c : text) {
        if (c < '0' || c > '9') {
            return false;
        }
        year = year * 10 + (c - '0');
    }
    return year >= kFirstYear && year <= store::Today().year;
}

int MonthNumber(std::string_view month)
{
    for (std::size_t i = 1; i < kMonths.size(); ++i) {
        if (kMonths[i] == month) {
            return static_cast<int>(i);
        }
    }
    return 0;
}

} // namespace listrider::catalogue
