#include <map>

#include <gtest/gtest.h>

#include "engine/text_commands.h"
#include "support/result_matchers.h"
#include "support/temp_dir.h"

namespace listrider::engine {
namespace {

// Expands |Custom1| .. |Custom10| and |Name| (for "Version: "), leaves other tokens as written.
class CommandRun
{
public:
    explicit CommandRun(std::string_view page = {})
    {
        if (!page.empty()) {
            m_pages.previousPage = m_dir.Write("Site.htm1", page);
        }
    }

    void SetPage(const std::filesystem::path& file) { m_pages.previousPage = file; }

    TextCommandPages& Pages() { return m_pages; }

    store::Result<TextCommandOutcome> Run(const std::vector<std::string>& commands, VersionRules rules = {})
    {
        const TextCommandContext context{m_pages, custom, m_resolve, rules};
        return RunTextCommands(commands, names, values, context);
    }

    CustomValues custom;
    std::vector<std::string> names;
    std::vector<std::string> values;

private:
    testsupport::TempDir m_dir;
    TextCommandPages m_pages;
    store::NarrowMacroResolver m_resolve = [this](std::string_view token, std::string& out) {
        const std::string_view name = token.substr(1, token.size() - 2);
        if (name == "Name") {
            out += "Version: ";
            return;
        }
        for (std::size_t i = 0; i < 10; ++i) {
            if (name == "Custom" + std::to_string(i + 1)) {
                out += custom[i];
                return;
            }
        }
        out += token;
    };
};

constexpr std::string_view kPage =
    "<html>\r\n<td>Edition:</td><td>Version: Pro 5.0</td> Version: 2.1 Beta 1024 released\r\n"
    "<b>Downloads:</b> 1,234 &amp; more<br>\r\nRating: (4.5) [stars]<br>\r\n"
    "<input name=\"sid\" value=\"s-99\">\r\n</html>\r\n";

TEST(TextCommandsTest, EachCommandWithItsFailureRule)
{
    struct Case
    {
        const char* what;
        std::vector<std::string> commands;
        std::string result;
        std::map<int, std::string> custom; // 1-based targets expected
    };

    const Case cases[] = {
        {"EXTRACTTEXT yields the value up to the next tag",
         {"EXTRACTTEXT", "<b>Downloads:</b> |Custom3|"},
         "0",
         {{3, " 1,234 & more"}}},
        {"quoted values lose their quotes", {"EXTRACTTEXT", "value= |Custom1|"}, "0", {{1, "s-99"}}},
        {"CLEANEXTRACTTEXT keeps the first word",
         {"CLEANEXTRACTTEXT", "Downloads:</b> |Custom2|", "CLEANEXTRACTTEXT", "Rating: |Custom4|"},
         "0",
         {{2, "1,234"}, {4, "(4.5"}}},
        {"the BEFORE forms read after the last occurrence",
         {"EXTRACTTEXTBEFORE", "<td> |Custom5|", "CLEANEXTRACTTEXTBEFORE", "Version: |Custom6|"},
         "0",
         {{5, "Version: Pro 5.0"}, {6, "2.1"}}},
        {"an absent search text fails and leaves the target",
         {"EXTRACTTEXT", "Votes: |Custom1|"},
         "-1",
         {{1, "kept"}}},
        {"a target that is no custom value fails",
         {"EXTRACTTEXT", "Rating: |Custom11|", "EXTRACTTEXT", "Rating:", "EXTRACTTEXT", "Rating: Custom1"},
         "-1",
         {{1, "kept"}, {11, "kept"}}},
        {"FINDTEXT of an absent text empties the page: later commands fail too",
         {"FINDTEXT", "nowhere", "EXTRACTTEXT", "value= |Custom2|"},
         "-1",
         {{2, "kept"}}},
        {"FINDTEXT cuts from the occurrence, FINDTEXTCUTBEFORE before it",
         {"FINDTEXT", "Downloads", "FINDTEXTCUTBEFORE", "<br>", "EXTRACTTEXTBEFORE", "</b> |Custom1|"},
         "0",
         {{1, " 1,234 & more"}}},
        {"SMARTFINDTEXT reads past the tags inside the text",
         {"SMARTFINDTEXT", "Downloads: 1,234", "EXTRACTTEXT", "& |Custom1|"},
         "0",
         {{1, " more"}}},
        {"SMARTFINDTEXTBEFORE cuts before the last smart occurrence",
         {"SMARTFINDTEXTBEFORE", "version:", "EXTRACTTEXTBEFORE", "<td> |Custom1|"},
         "0",
         {{1, "Version: Pro 5.0"}}},
        {"UNSMART makes the plain search find the text",
         {"UNSMART", "Downloads: 1,234", "FINDTEXT", "downloads: 1,234", "EXTRACTTEXT", "1,234 |Custom1|"},
         "0",
         {{1, " & more"}}},
        {"EXTRACTVERSION passes over an edition and stops at an ordinary word",
         {"EXTRACTVERSION", "|Name| |Custom1|"},
         "0",
         {{1, "2.1 Beta 1024 "}}},
        {"FINDVERSION cuts the page from the occurrence where the version stands",
         {"FINDVERSION", "Version: ", "CLEANEXTRACTTEXT", "Version: |Custom1|"},
         "0",
         {{1, "2.1"}}},
        {"FINDVERSIONCUTBEFORE keeps the page up to that occurrence",
         {"FINDVERSIONCUTBEFORE", "Version: ", "EXTRACTTEXTBEFORE", "<td> |Custom1|"},
         "0",
         {{1, "Version: Pro 5.0"}}},
        {"no version fails",
         {"FINDVERSION", "Edition:", "EXTRACTVERSION", "Votes: |Custom2|"},
         "-1",
         {{2, "kept"}}},
        {"operands are expanded", {"EXTRACTTEXT", "|Custom9| |Custom1|"}, "0", {{1, " (4.5) [stars]"}}},
        {"a command word in lower case is ignored",
         {"findtext", "nowhere", "Extracttext", "value= |Custom1|"},
         "0",
         {{1, "kept"}}},
        {"RELOADHTML takes the last success test's page",
         {"RELOADHTML", "", "EXTRACTTEXT", "last: |Custom1|", "REMOVEAMPS", ""},
         "0",
         {{1, " page"}}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        CommandRun run(kPage);
        run.custom.fill("kept");
        run.custom[8] = "Rating:";
        run.Pages().lastSuccessPage = "the last: page";
        store::Result<TextCommandOutcome> outcome = run.Run(c.commands);
        ASSERT_OK(outcome);
        EXPECT_EQ(outcome.Value().result, c.result);
        for (const auto& [number, value] : c.custom) {
            EXPECT_EQ(run.custom[static_cast<std::size_t>(number - 1)], value) << "Custom" << number;
        }
    }
}

TEST(TextCommandsTest, FindFormTakesOverTheFieldsOfTheFormsUpToN)
{
    CommandRun run;
    run.SetPage(std::filesystem::path(LISTRIDER_TEST_DATA) / "engine" / "three_forms.htm");
    run.names = {"old"};
    run.values = {"field"};
    store::Result<TextCommandOutcome> outcome = run.Run({"FINDFORM", "2", "EXTRACT", "TOKEN |Custom1|"});
    ASSERT_OK(outcome);
    EXPECT_EQ(outcome.Value().result, "0");
    EXPECT_EQ(run.names, (std::vector<std::string>{"q", "token", "title", ""}));
    EXPECT_EQ(run.values, (std::vector<std::string>{"", "a1b2c3", "My", "Next"}));
    EXPECT_EQ(outcome.Value().path, "/submit2.php?sid=77");
    EXPECT_EQ(outcome.Value().method, "POST");
    EXPECT_EQ(run.custom[0], "a1b2c3");

    // Fewer forms than asked for: the fields of all of them, the last form's action.
    outcome = run.Run({"FINDFORM", "7"});
    ASSERT_OK(outcome);
    EXPECT_EQ(run.names.size(), 5U);
    EXPECT_EQ(outcome.Value().path, "/newsletter.php");

    // No form: the name list is empty and the command fails.
    CommandRun formless("<p>nothing</p>");
    outcome = formless.Run({"FINDFORM", "1"});
    ASSERT_OK(outcome);
    EXPECT_EQ(outcome.Value().result, "-1");
    EXPECT_EQ(outcome.Value().path, "");
}

TEST(TextCommandsTest, ExtractReadsTheStepsFields)
{
    CommandRun run("<p>page</p>");
    run.names = {"sid", "user", "SID", "extra"};
    run.values = {"first", "joe", "second"};
    store::Result<TextCommandOutcome> outcome =
        run.Run({"EXTRACT", "sid |Custom1|", "EXTRACT", "|Custom9| |Custom2|", "EXTRACT", "extra |Custom3|"});
    ASSERT_OK(outcome);
    EXPECT_EQ(outcome.Value().result, "0");
    EXPECT_EQ(run.custom[0], "second"); // the last field of that name
    EXPECT_EQ(run.custom[1], "");       // the search text is not expanded: no such field
    EXPECT_EQ(run.custom[2], "");       // a name without a value
}

TEST(TextCommandsTest, CapturedAccountIsHandedBack)
{
    CommandRun run("<p>Your login is joe77</p>");
    store::Result<TextCommandOutcome> outcome = run.Run({"CLEANEXTRACTTEXT",
                                                         "login is |Custom1|",
                                                         "ADDASLOGIN",
                                                         "|Custom1|",
                                                         "ADDASPASSWORD",
                                                         "pw-|Custom1|"});
    ASSERT_OK(outcome);
    EXPECT_EQ(outcome.Value().capturedLogin, "joe77");
    EXPECT_EQ(outcome.Value().capturedPassword, "pw-joe77");
}

TEST(TextCommandsTest, ASiteStartsWithoutAPage)
{
    // The previous site's last page (its hidden tokens) never reaches this site's first step.
    CommandRun run("<input name=token value=other-site-secret>");
    run.Pages().lastSuccessPage = "other site";
    run.Pages().StartSite();
    store::Result<TextCommandOutcome> outcome =
        run.Run({"EXTRACTTEXT", "value= |Custom1|", "RELOADHTML", "", "ADDASLOGIN", "joe"});
    ASSERT_OK(outcome);
    EXPECT_EQ(outcome.Value().result, "-1");
    EXPECT_EQ(run.custom[0], "");
    EXPECT_EQ(outcome.Value().capturedLogin, "joe");
}

TEST(TextCommandsTest, ProcessingErrors)
{
    CommandRun run("<form action=/a><input name=x></form>");
    EXPECT_ERROR_KIND(run.Run({"FINDFORM", "two"}), store::ErrorKind::Malformed);

    CommandRun missing;
    missing.SetPage("/nonexistent/Site.htm3");
    EXPECT_ERROR_KIND(missing.Run({"ADDASLOGIN", "joe"}), store::ErrorKind::Io);
}

TEST(TextCommandsTest, OnlyAnEvenNumberOfLinesRuns)
{
    EXPECT_FALSE(HasTextCommands({}));
    EXPECT_FALSE(HasTextCommands(std::vector<std::string>{"FINDTEXT"}));
    EXPECT_TRUE(HasTextCommands(std::vector<std::string>{"FINDTEXT", "x"}));
}

TEST(TextCommandsTest, Cleaning)
{
    struct Case
    {
        const char* value;
        const char* cleaned;
    };

    for (const Case& c : {Case{" 1,234 & more", "1,234"},
                          Case{"(4.5) stars", "(4.5"},
                          Case{"[12] votes", ""},
                          Case{"  2.0 final", "2.0"},
                          Case{"v3]", "v3"},
                          Case{"", ""}}) {
        SCOPED_TRACE(c.value);
        EXPECT_EQ(CleanExtractedValue(c.value), c.cleaned);
    }
}

} // namespace
} // namespace listrider::engine
