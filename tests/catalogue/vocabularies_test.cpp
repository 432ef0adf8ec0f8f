#include <algorithm>

#include <gtest/gtest.h>

#include "catalogue/field_id.h"
#include "catalogue/operating_systems.h"
#include "catalogue/vocabularies.h"
#include "store/date_time.h"

namespace listrider::catalogue {
namespace {

TEST(VocabulariesTest, ListsHoldTheirEntriesInOrder)
{
    const auto currencies = CurrencyCodes();
    ASSERT_EQ(currencies.size(), 163u);
    EXPECT_EQ(currencies[0], "AED");
    EXPECT_EQ(currencies[1], "AFA");
    EXPECT_EQ(currencies[2], "AFN");
    EXPECT_EQ(currencies[currencies.size() - 3], "ZAR");
    EXPECT_EQ(currencies.back(), "ZWD");
    EXPECT_TRUE(std::is_sorted(currencies.begin(), currencies.end()));
    EXPECT_TRUE(HasEntry(currencies, "EUR") && HasEntry(currencies, "USD"));

    const auto classes = CategoryClasses();
    ASSERT_EQ(classes.size(), 155u);
    EXPECT_EQ(classes.front(), "Audio & Multimedia::Audio Encoders/Decoders");
    EXPECT_EQ(classes.back(), "Web Development::XML/CSS Tools");

    ASSERT_EQ(UsStates().size(), 49u);
    EXPECT_EQ(UsStates()[2], "Arizona");
    EXPECT_EQ(UsStates().back(), "Wyoming");
    EXPECT_EQ(OsCaptions().size(), 33u);
    EXPECT_EQ(BuiltInLanguages().back(), "Chinise Traditional");
    EXPECT_EQ(DayEntries().size(), 32u);
    EXPECT_EQ(MonthNumber("July"), 7);
    EXPECT_EQ(MonthNumber("Month"), 0);
}

TEST(VocabulariesTest, YearsRunFromTheCurrentYearDownTo1997)
{
    const std::vector<std::string> years = YearEntries(2031);
    ASSERT_EQ(years.size(), 1u + (2031 - 1997 + 1));
    EXPECT_EQ(years[0], "Year");
    EXPECT_EQ(years[1], "2031");
    EXPECT_EQ(years.back(), "1997");

    const int now = store::Today().year;
    EXPECT_TRUE(IsYearEntry(std::to_string(now)));
    EXPECT_TRUE(IsYearEntry("2007")); // past the lists of old, which stopped at 2006
    EXPECT_TRUE(IsYearEntry("1997"));
    EXPECT_FALSE(IsYearEntry("1996"));
    EXPECT_FALSE(IsYearEntry(std::to_string(now + 1)));
    EXPECT_FALSE(IsYearEntry("20O5"));
}

TEST(VocabulariesTest, FieldNamesFindTheirKinds)
{
    for (const FieldInfo& info : FieldInfos()) {
        SCOPED_TRACE(std::string(info.name));
        EXPECT_EQ(FieldKindByName(info.name), info.kind);
        EXPECT_EQ(&InfoOf(info.kind), &info);
    }
    EXPECT_EQ(FieldKindByName("program_version"), FieldKind::Version);
    EXPECT_FALSE(FieldKindByName("Program"));
}

} // namespace
} // namespace listrider::catalogue
