#include <chrono>

#include <gtest/gtest.h>

#include "engine/form_extraction.h"
#include "engine/page_search.h"
#include "engine/version_search.h"
#include "engine/working_page.h"
#include "store/line_list.h"

namespace listrider::engine {
namespace {

TEST(PageSearchTest, PlainOccurrences)
{
    const std::string page = "<b>Name</b> one NAME two name three";
    EXPECT_EQ(FromFirst(page, "name"), "Name</b> one NAME two name three");
    EXPECT_EQ(BeforeFirst(page, "NAME"), "<b>");
    EXPECT_EQ(BeforeLast(page, "name"), "<b>Name</b> one NAME two ");
    EXPECT_EQ(FromFirst(page, "absent"), "");
    EXPECT_EQ(BeforeLast(page, "absent"), "");
    EXPECT_EQ(BeforeFirst(page, "<b>"), ""); // at the very start: the page becomes empty
    EXPECT_EQ(FromFirst(page, ""), "");
    EXPECT_EQ(FindLastNoCase("aaa", "aa"), 1U);
}

TEST(PageSearchTest, ValueAfterAnOccurrence)
{
    struct Case
    {
        const char* page;
        const char* text;
        std::optional<std::string> value;
    };

    const Case cases[] = {
        {R"(<input name="token" value="ab c">)", "value=", "ab c"}, // quoted: the quote opens it
        {R"(<input value='x"y'>)", "value=", "x"},                  // either quote ends it
        {"Downloads: 1,234<br>", "Downloads: ", "1,234"},           // unquoted, up to the '<'
        {"Votes: 7> more", "votes: ", "7"},                         // or up to a '>'
        {"id=ab\"cd", "id=", "ab"},                                 // a quote after something copied
        {"id=\"\" rest", "id=", ""},
        {"end of page: tail", "page: ", "tail"},
        {"nothing here", "value=", std::nullopt},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.page);
        EXPECT_EQ(ValueAfter(c.page, c.text), c.value);
    }
    EXPECT_EQ(ValueAfterLast("v=1 v=2 v=3<", "V="), "3");
}

TEST(PageSearchTest, SmartOccurrencesReadPastTagsAndSpaces)
{
    struct Case
    {
        const char* page;
        const char* text;
        const char* after;
        const char* before;
    };

    const Case cases[] = {
        {"x <b>Ver</b>sion: 2.0 y", "Version:", " 2.0 y", "x <b>"},
        {"Total   <i> \r downloads</i>: 5", "total downloads", "</i>: 5", ""},
        {"a b", "a  b", "", ""},           // a doubled space in the text cannot match
        {"Price:12", "price: 12", "", ""}, // the space of the text must stand in the page
        {"no match", "version", "", ""},
        {"ab ab", "AB", " ab", "ab "}, // first and last candidate
        {"<ab>", "ab", ">", "<"},      // a candidate may stand inside a tag
        {"a<unterminated b", "ab", "", ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.page) + " / " + c.text);
        EXPECT_EQ(SmartAfter(c.page, c.text), c.after);
        EXPECT_EQ(SmartBefore(c.page, c.text), c.before);
    }
}

TEST(PageSearchTest, UnsmartWritesTheTextWhereItWasSplit)
{
    struct Case
    {
        const char* page;
        const char* text;
        const char* result;
    };

    const Case cases[] = {
        {"Your <b>pass</b>word: x", "password:", "Your <b>password: x"},
        {"Login   name:</td><td>joe", "login name:", "login name:<td>joe"}, // the tag right after goes
        {"name:<b>", "name:", "name:"},
        {"name:<>", "name:", "name:<>"}, // fewer than three characters follow
        {"key key", "KEY", "KEY KEY"},
        {"nothing", "absent", "nothing"},
        {"", "x", ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.page);
        EXPECT_EQ(Unsmart(c.page, c.text), c.result);
    }
}

TEST(PageSearchTest, WorkingPageOfSavedLines)
{
    const store::LineList lines{"<td>\tName &amp; \xA0  Title</td>", "", "&quot;x&quot;  &nbsp;"};
    EXPECT_EQ(BuildWorkingPage(lines), "<td> Name & Title</td> \"x\" &nbsp; ");
}

TEST(VersionSearchTest, WordsAfterTheLabel)
{
    struct Case
    {
        const char* page;
        const char* label;
        std::optional<std::string> words;
        std::size_t occurrence = 0;
    };

    const Case cases[] = {
        {"Version: 2.1 Beta 1024 released today", "Version: ", "2.1 Beta 1024 "},
        {"Version: Pro 3.0 <br> Version: 2.5<", "Version: ", "2.5 ", 22},
        {"Version: LiteDeluxe 4 | Version: 4.0 Lite", "version: ", "4.0 ", 24},
        {"Version: Elite7 Version: build42", "Version: ", "build42 ", 16},
        {"version: \"3.0.1 final\"", "Version: ", "3.0.1 "},
        {"Version: unknown", "Version: ", std::nullopt},
        {"Version:<b>2.0</b>", "Version:", std::nullopt},
        {"no label", "Version: ", std::nullopt},
        {"eeelite1", "ee", "lite1 ", 1}, // an occurrence may start inside the previous one
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.page);
        const std::optional<FoundVersion> found = FindVersion(c.page, c.label);
        ASSERT_EQ(found.has_value(), c.words.has_value());
        if (found) {
            EXPECT_EQ(found->words, *c.words);
            EXPECT_EQ(found->occurrence, c.occurrence);
        }
    }
    EXPECT_EQ(FindVersion("For OS/2 v2 Ver: 1.0", "For ")->words, "OS/2 v2 ");
    EXPECT_FALSE(FindVersion("For OS/2 v2", "For ", VersionRules{true}).has_value());
}

TEST(FormExtractionTest, AttributeValuesOfATag)
{
    struct Case
    {
        const char* tag;
        const char* key;
        const char* value;
    };

    const Case cases[] = {
        {R"(input type="text" name="u" value="joe")", "NAME=", "u"},
        {R"(input value="two words")", "VALUE=", "two"},
        {R"(form ACTION='/add.php?x=1' method=post)", "action=", "/add.php?x=1"},
        {R"(input name=a data-name=b)", "NAME=", "aname=b"}, // every place, joined
        {R"(input type=submit)", "VALUE=", ""},
        {R"(input name="")", "NAME=", ""},
        {R"(input name=name=name=x)", "NAME=", "name=name=x"}, // one copy, not one per place
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.tag);
        EXPECT_EQ(ExtractValueFromTag(c.tag, c.key), c.value);
    }
}

TEST(FormExtractionTest, InputFieldsOfAForm)
{
    std::vector<std::string> names;
    std::vector<std::string> values;
    ExtractValues(R"(<input name=a value=1><INPUT type=image src="x.gif" name=img>)"
                  R"(<input type=hidden src=y name=h value=2><select name=s></select><textarea name=t>)",
                  names,
                  values);
    EXPECT_EQ(names, (std::vector<std::string>{"a", "h"}));
    EXPECT_EQ(values, (std::vector<std::string>{"1", "2"}));
}

TEST(UntrustedPageTest, MalformedMarkupAndBinaryBytesNeverCrashOrHang)
{
    constexpr char kNuls[] = "\0<\0form action=\0>\0</form>\0";
    const std::string pages[] = {
        "<<<<<<<<",
        ">>>>",
        "<input name=\"never closes",
        "<form action=x><input name=a",
        std::string(kNuls, sizeof(kNuls) - 1),
        std::string(1000, '"'),
        "<form action=/a></form></form><form action=/b>",
        "\xFF\xFE\x80<\x01\x02>\x7F",
    };
    for (const std::string& page : pages) {
        SCOPED_TRACE(page);
        for (const char* text : {"a", "<", "\"", "form", " x"}) {
            (void)SmartAfter(page, text);
            (void)SmartBefore(page, text);
            (void)Unsmart(page, text);
            (void)FindVersion(page, text);
            (void)ValueAfter(page, text);
        }
        const FormFields forms = FindForm(page, 3);
        EXPECT_EQ(forms.names.size(), forms.values.size());
    }
}

TEST(UntrustedPageTest, PagesWithManyCandidatesTakeTimeInProportionToTheirLength)
{
    // Each page makes a search that restarts at every candidate read far ahead: quadratic work
    // would take minutes here, the searches take milliseconds.
    auto repeat = [](const std::string& piece, const std::string& end) {
        std::string page;
        while (page.size() < (256u << 10)) {
            page += piece;
        }
        return page + end;
    };
    const std::string longTag = repeat("x<", "> xy tail");
    const std::string nearMisses = repeat("a <i>a</i>  a <b>a</b> ", "a a a z ");
    const std::string splitLabels = repeat("<td>Pass<b>word</b>:</td> ", "");
    const std::string longWord = repeat("vV", "pro1 v3 ");
    const std::string editions = repeat("Version: Pro <br> ", "Version: 2.1 ");

    const auto start = std::chrono::steady_clock::now();
    // (Sizes are compared, so that a failure does not print the pages.)
    EXPECT_EQ(SmartAfter(longTag, "xy"), " tail");
    EXPECT_EQ(SmartBefore(longTag, "xy").size(), longTag.size() - 7);
    EXPECT_EQ(SmartAfter(nearMisses, "a a a z"), " ");
    const std::string rejoined = Unsmart(splitLabels, "Password:");
    EXPECT_TRUE(rejoined.find("<b>") == std::string::npos && rejoined.find("Password:") == 4);
    const std::string unsmart = Unsmart(nearMisses, "a a a z");
    EXPECT_TRUE(unsmart.size() <= nearMisses.size() && unsmart.ends_with("a a a z "));
    EXPECT_EQ(FindVersion(longWord, "v")->words, "3 ");
    EXPECT_EQ(FindVersion(editions, "version: ")->words, "2.1 ");
    const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    EXPECT_LT(seconds, 5.0);
}

} // namespace
} // namespace listrider::engine
