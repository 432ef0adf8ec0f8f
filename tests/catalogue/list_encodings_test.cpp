#include <gtest/gtest.h>

#include "catalogue/language_list.h"
#include "catalogue/operating_systems.h"

namespace listrider::catalogue {
namespace {

OsSelection Ticked(std::initializer_list<std::string_view> captions)
{
    OsSelection selection;
    for (std::string_view caption : captions) {
        const std::size_t index = FindOs(caption);
        EXPECT_LT(index, kOsCount) << caption;
        selection.ticked[index] = true;
    }
    return selection;
}

std::vector<std::string> TickedCaptions(const OsSelection& selection)
{
    std::vector<std::string> captions;
    for (std::size_t i = 0; i < kOsCount; ++i) {
        if (selection.ticked[i]) {
            captions.emplace_back(OsCaptions()[i]);
        }
    }
    return captions;
}

TEST(OsListTest, WindowsEntriesAreWrittenAsPadWords)
{
    EXPECT_EQ(EncodeOsList(Ticked({"Windows 95", "Windows 98", "Windows XP", "Palm OS 3.0"})),
              "Win95,Win98,WinXP,Palm OS 3.0");
    EXPECT_EQ(EncodeOsList(Ticked({"Windows 3.1x",
                                   "Windows NT 3.x",
                                   "Windows NT 4.x",
                                   "Windows 2000",
                                   "Windows 2003",
                                   "Windows CE",
                                   "Windows ME"})),
              "Win 3.1x,WinME,WinNT 3.x,WinNT 4.x,Windows2000,Windows2003,Windows CE");
    EXPECT_EQ(EncodeOsList({}), "");
}

TEST(OsListTest, ReadingTicksEveryEntryTheTextContains)
{
    struct Case
    {
        std::string_view stored;
        std::vector<std::string> ticked;
    };

    const Case cases[] = {
        {"Win95,Win98,WinXP,Palm OS 3.0", {"Windows 95", "Windows 98", "Windows XP", "Palm OS 3.0"}},
        // each caption is contained in the stored text
        {"OS/2 Warp 4", {"OS/2", "OS/2 Warp", "OS/2 Warp 4"}},
        {"windows2000,LINUX", {"Windows 2000", "Linux"}},
        {"Windows XP", {"Windows XP"}},
        {"Amiga,BeBox", {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.stored));
        EXPECT_EQ(TickedCaptions(DecodeOsList(c.stored)), c.ticked);
    }
}

TEST(OsListTest, ShortListForTheSites)
{
    EXPECT_EQ(OsShortList(Ticked({"Windows 95", "Windows XP", "Linux"})), "Win 95 XP Linux");
    EXPECT_EQ(OsShortList(Ticked({"Windows NT 4.x", "Windows 2003"})), "Win NT4 2003");
    EXPECT_EQ(OsShortList(Ticked({"Linux", "Unix"})), "Unix Linux");
}

TEST(LanguageListTest, DecodeTicksBuiltInsAndAppendsNewNames)
{
    LanguageList list;
    list.Decode("english, GERMAN ,Klingon,,");
    EXPECT_TRUE(list.Entries()[0].ticked);
    EXPECT_TRUE(list.Entries()[1].ticked);
    ASSERT_EQ(list.Entries().size(), 10u); // the empty names add nothing
    EXPECT_EQ(list.Entries()[9], (LanguageEntry{"Klingon", true}));
    EXPECT_EQ(list.Encode(), "English,German,Klingon");
    list.Decode("klingon");
    EXPECT_EQ(list.Entries().size(), 10u);
    EXPECT_EQ(TrimOneSpace("  two  "), " two ");
}

} // namespace
} // namespace listrider::catalogue
