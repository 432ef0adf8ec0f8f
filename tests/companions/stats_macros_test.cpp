#include <gtest/gtest.h>

#include "companions/stats_macros.h"
#include "engine/script_fixtures.h"

namespace listrider::companions {
namespace {

TEST(StatsMacrosTest, KnowsItsOwnVocabularyAndLeavesTheRestAsWritten)
{
    engine::testing::ScriptRun run;
    const int position = run.AddSite("Stats Site");
    run.Prepare();
    run.StartAt(position);
    run.Values().account.login = "jdoe";
    run.Values().custom[0] = "2.1";
    run.Values().custom[10] = "eleven";
    StatsMacros macros(run.Values());
    macros.StartRun();
    macros.StartStep();

    const struct
    {
        const char* text;
        const char* expanded;
    } cases[] = {
        {"|ProgramNameDefis|", "Photo-Resizer-Deluxe"},
        {"|ProgramNameDefisSmall|", "photo-resizer-deluxe"},
        {"|ProgramNameSpecial|", "Photo%20Resizer%20Deluxe"},
        {"|ProgramNameExact|", "Photo & Resizer & Deluxe"},
        {"|CutPADURL|", "www.acme.example/resizer.xml"},
        {"|TodayD|.|TodayM|", "09.03"},
        {"|SiteEMailLogin|", "jdoe"},
        {"|LanguageProgramLanguages|", "English,German,Chinise Traditional"},
        {"|Desc80|", "Resize   many photos at once"}, // neither cut nor space-reduced
        {"|Desc250|", "  Photo Resizer resizes photos."},
        {"|Custom1|", "2.1"},
        {"[|Custom11|][|UploadIcon|][|Add-Update|]", "[][][]"},
        {"|Limiting(5)ProgramName|", "Photo"},
        {"a||b", "a||b"},
        {"|OSSupportSelect| |KeyWordsShort| |Price|", "|OSSupportSelect| |KeyWordsShort| |Price|"},
    };

    for (const auto& c : cases) {
        EXPECT_EQ(macros.Expand(c.text), c.expanded) << c.text;
    }
    EXPECT_TRUE(IsStatsMacroName("ProgramVersion"));
    EXPECT_FALSE(IsStatsMacroName("programversion")) << "names compare exactly";
}

} // namespace
} // namespace listrider::companions
