// The fast text commands against the literal transcription, on many small generated pages.
#include <random>

#include <gtest/gtest.h>

#include "engine/form_extraction.h"
#include "engine/page_search.h"
#include "engine/text_commands.h"
#include "engine/version_search.h"
#include "engine/working_page.h"
#include "literal_text_commands.h"
#include "support/temp_dir.h"

namespace listrider::engine {
namespace {

// Pieces of HTML-like pages, chosen to meet the rules' corners: tags inside words, space runs,
// quotes that never close, stray brackets, entities, version words and editions.
const std::vector<std::string> kPieces = {
    "<b>",
    "</b>",
    "<td>",
    "</td>",
    "<br>",
    "<",
    ">",
    "<>",
    " ",
    "  ",
    "\t",
    "\r",
    "\xA0",
    "&amp;",
    "&quot;",
    "&nbsp;",
    "\"",
    "'",
    "Version:",
    "version: ",
    "Ver",
    "sion",
    "2.1",
    "Beta",
    "build7",
    "Pro",
    "Elite",
    "lite",
    "deluxe",
    "OS/2",
    "x",
    "ab",
    "AB",
    "name=",
    "value=",
    "(4)",
    "[5]",
    "&",
    "1,234",
    "<input name=a value=\"v 1\">",
    "<INPUT type=hidden src=s name=h value=2>",
    "<input src=i name=img>",
    "<form action=/a method=post>",
    "<FORM ACTION=\"/b\" METHOD=GET>",
    "</form>",
    "</FORM >",
    "name=name=q",
};

const std::vector<std::string> kTexts = {
    "Version:", "version: ", "Ver sion", "ab",   "a b", "AB ab", "2.1",  " ",  "x",    "<b>",
    "name=",    "value=",    "1,234",    "Beta", "\"",  "Pro 2", "ion:", "b>", "lite",
};

class Generator
{
public:
    explicit Generator(unsigned seed)
        : m_random(seed)
    {}

    std::size_t Below(std::size_t bound)
    {
        return std::uniform_int_distribution<std::size_t>(0, bound - 1)(m_random);
    }

    std::vector<std::string> PageLines()
    {
        std::vector<std::string> lines(1 + Below(3));
        for (std::string& line : lines) {
            const std::size_t pieces = Below(14);
            for (std::size_t i = 0; i < pieces; ++i) {
                line += kPieces[Below(kPieces.size())];
            }
        }
        return lines;
    }

    // A text to look for: often a piece of the page itself, sometimes a fixed one.
    std::string Text(const std::string& page)
    {
        if (!page.empty() && Below(2) == 0) {
            const std::size_t start = Below(page.size());
            return page.substr(start, 1 + Below(std::min<std::size_t>(8, page.size() - start)));
        }
        return kTexts[Below(kTexts.size())];
    }

    std::vector<std::string> Commands(const std::string& page)
    {
        static const std::vector<std::string> words = {
            "FINDTEXT",
            "FINDTEXTBEFORE",
            "FINDTEXTCUTBEFORE",
            "SMARTFINDTEXT",
            "SMARTFINDTEXTBEFORE",
            "UNSMART",
            "RELOADHTML",
            "REMOVEAMPS",
            "FINDFORM",
            "ADDASLOGIN",
            "EXTRACT",
            "EXTRACTTEXT",
            "EXTRACTTEXTBEFORE",
            "CLEANEXTRACTTEXT",
            "CLEANEXTRACTTEXTBEFORE",
            "FINDVERSION",
            "FINDVERSIONCUTBEFORE",
            "EXTRACTVERSION",
            "findtext",
        };
        std::vector<std::string> commands;
        const std::size_t count = 1 + Below(5);
        for (std::size_t i = 0; i < count; ++i) {
            const std::string& word = words[Below(words.size())];
            commands.push_back(word);
            if (word == "FINDFORM") {
                commands.push_back(std::to_string(Below(4)));
            } else if (word.find("EXTRACT") != std::string::npos) {
                const std::size_t target = 1 + Below(11); // 11 is no valid target
                commands.push_back(Text(page) +
                                   (Below(8) == 0 ? "" : " |Custom" + std::to_string(target) + "|"));
            } else {
                commands.push_back(Text(page));
            }
        }
        return commands;
    }

private:
    std::mt19937 m_random;
};

TEST(TextCommandsDifferentialTest, PrimitivesAgreeWithTheLiteralRules)
{
    Generator generate(20240309);
    for (int round = 0; round < 4000; ++round) {
        const store::LineList lines(generate.PageLines());
        const std::string workingPage = BuildWorkingPage(lines);
        ASSERT_EQ(workingPage, literal::WorkingPage(lines));
        // The primitives also meet raw text: CRs, TABs and a page that ends in a tag.
        const std::string page = round % 2 == 0 ? workingPage : store::JoinLines(lines);
        for (int t = 0; t < 4; ++t) {
            const std::string text = generate.Text(page);
            SCOPED_TRACE("page [" + page + "] text [" + text + "]");
            ASSERT_EQ(FromFirst(page, text), literal::FromFirst(page, text));
            ASSERT_EQ(BeforeLast(page, text), literal::BeforeLast(page, text));
            ASSERT_EQ(BeforeFirst(page, text), literal::BeforeFirst(page, text));
            ASSERT_EQ(ValueAfter(page, text), literal::ValueAfter(page, text));
            ASSERT_EQ(ValueAfterLast(page, text), literal::ValueAfterLast(page, text));
            ASSERT_EQ(SmartAfter(page, text), literal::SmartAfter(page, text));
            ASSERT_EQ(SmartBefore(page, text), literal::SmartBefore(page, text));
            ASSERT_EQ(Unsmart(page, text), literal::Unsmart(page, text));
            for (const bool os2 : {false, true}) {
                const std::optional<FoundVersion> fast = FindVersion(page, text, VersionRules{os2});
                const auto slow = literal::FindVersion(page, text, VersionRules{os2});
                ASSERT_EQ(fast.has_value(), slow.has_value());
                if (fast) {
                    ASSERT_EQ(fast->occurrence, slow->first);
                    ASSERT_EQ(fast->words, slow->second);
                }
            }
        }
        for (long long n = 0; n < 4; ++n) {
            const FormFields fast = FindForm(page, n);
            const literal::Forms slow = literal::FindForm(page, n);
            ASSERT_EQ(fast.names, slow.names) << page;
            ASSERT_EQ(fast.values, slow.values) << page;
            ASSERT_EQ(fast.action, slow.action) << page;
            ASSERT_EQ(fast.method, slow.method) << page;
        }
    }
}

TEST(TextCommandsDifferentialTest, CommandProgramsAgreeWithTheLiteralRules)
{
    Generator generate(777);
    testsupport::TempDir dir;
    const store::NarrowMacroResolver asWritten = [](std::string_view token, std::string& out) {
        out += token;
    };
    for (int round = 0; round < 5000; ++round) {
        const std::vector<std::string> lines = generate.PageLines();
        const std::string bytes = store::JoinLines(store::LineList(lines));
        TextCommandPages pages;
        pages.lastSuccessPage = round % 3 == 0 ? std::string() : "<form action=/r><input name=r></form> 1.0";
        const std::string page = BuildWorkingPage(store::LineList::FromText(bytes));
        const std::vector<std::string> commands = generate.Commands(page);
        const VersionRules rules{round % 2 == 0};

        CustomValues fastCustom;
        CustomValues slowCustom;
        fastCustom.fill("old");
        slowCustom.fill("old");
        std::vector<std::string> fastNames = {"a", "h"};
        std::vector<std::string> fastValues = {"1"};
        std::vector<std::string> slowNames = fastNames;
        std::vector<std::string> slowValues = fastValues;

        const TextCommandContext context{pages, fastCustom, asWritten, rules};
        // Now and then through the saved page, as the run calls it.
        const bool viaFile = round % 100 == 0;
        if (viaFile) {
            pages.previousPage = dir.Write("page.htm", bytes);
        }
        store::Result<TextCommandOutcome> fast =
            viaFile ? RunTextCommands(commands, fastNames, fastValues, context)
                    : RunTextCommandsOnPage(page, commands, fastNames, fastValues, context);
        const TextCommandOutcome slow = literal::RunCommands(
            page, commands, slowNames, slowValues, slowCustom, pages.lastSuccessPage, rules);

        std::string program;
        for (const std::string& line : commands) {
            program += "[" + line + "] ";
        }
        SCOPED_TRACE("page [" + page + "] commands " + program);
        ASSERT_TRUE(fast.HasValue());
        ASSERT_EQ(fast.Value().result, slow.result);
        ASSERT_EQ(fast.Value().path, slow.path);
        ASSERT_EQ(fast.Value().method, slow.method);
        ASSERT_EQ(fast.Value().capturedLogin, slow.capturedLogin);
        ASSERT_EQ(fastCustom, slowCustom);
        ASSERT_EQ(fastNames, slowNames);
        ASSERT_EQ(fastValues, slowValues);
    }
}

} // namespace
} // namespace listrider::engine
