#include <gtest/gtest.h>

#include "store/macro_scanner.h"

namespace listrider::store {
namespace {

TEST(MacroScannerTest, HandsEveryClosedTokenToTheResolver)
{
    std::vector<std::u16string> seen;
    const MacroResolver resolve = [&seen](std::u16string_view token, std::u16string& out) {
        seen.emplace_back(token);
        out += token == u"|A|" ? std::u16string(u"<a>") : u"[" + std::u16string(token) + u"]";
    };

    struct Case
    {
        std::u16string text;
        std::u16string expected;
    };

    const std::vector<Case> cases = {
        {u"a|b", u"a|b"},
        {u"|A|B|", u"<a>B|"},
        {u"||", u"[||]"},
        {u"x|A|y|Z|z", u"x<a>y[|Z|]z"},
        {u"no macros", u"no macros"},
        {u"", u""},
        {u"|", u"|"},
        {u"end|A|", u"end<a>"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(SubstituteMacros(c.text, resolve), c.expected);
    }
    EXPECT_EQ(seen, (std::vector<std::u16string>{u"|A|", u"||", u"|A|", u"|Z|", u"|A|"}));
}

TEST(MacroScannerTest, ResolvedValuesAreNotScannedAgain)
{
    const MacroResolver resolve = [](std::u16string_view, std::u16string& out) {
        out += u"|X|";
    };
    EXPECT_EQ(SubstituteMacros(u"|A||B|", resolve), u"|X||X|");
    const NarrowMacroResolver narrow = [](std::string_view token, std::string& out) {
        out.append(token.size(), '*');
    };
    EXPECT_EQ(SubstituteMacros(std::string_view("a|bc|d|"), narrow), "a****d|");
}

TEST(MacroScannerTest, WideBarsAreFoundOnlyAtCharacterBoundaries)
{
    // U+7C41 and U+417C hold the byte of '|' without being bars.
    const std::u16string text = u"\u7C41|A|\u417C|B";
    const MacroResolver resolve = [](std::u16string_view token, std::u16string& out) {
        out += u"<" + std::u16string(token.substr(1, token.size() - 2)) + u">";
    };
    EXPECT_EQ(SubstituteMacros(text, resolve), u"\u7C41<A>\u417C|B");
}

} // namespace
} // namespace listrider::store
