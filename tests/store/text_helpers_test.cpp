#include <limits>

#include <gtest/gtest.h>

#include "store/text_helpers.h"

namespace listrider::store {
namespace {

struct TextCase
{
    std::string input;
    std::string expected;
};

TEST(TextHelpersTest, RisMakesTheFileNameForm)
{
    const std::vector<TextCase> cases = {
        {"My Co., Inc.", "My Co Inc"},
        {" Alpha / Beta ", "Alpha  Beta"},
        {" A/B ", "AB"},
        {"   ", "   "},
        {"..", ""},
        {"a:b,c.d/e\\f", "abcdef"},
        {"Plain", "Plain"},
        {"\tTab ", "\tTab"},
    };
    for (const TextCase& c : cases) {
        SCOPED_TRACE(c.input);
        EXPECT_EQ(RIS(c.input), c.expected);
    }
}

TEST(TextHelpersTest, TrimsRemoveSpacesOnly)
{
    EXPECT_EQ(TrimLeadingSpaces("  a b  "), "a b  ");
    EXPECT_EQ(TrimTrailingSpaces("  a b  "), "  a b");
    EXPECT_EQ(TrimLeadingSpaces("   "), "   ");
    EXPECT_EQ(TrimTrailingSpaces("   "), "   ");
    EXPECT_EQ(TrimLeadingSpaces("\t a"), "\t a");
    EXPECT_EQ(TrimTrailingSpaces(""), "");
}

TEST(TextHelpersTest, CaseAndSeparatorRules)
{
    EXPECT_EQ(Capitalize("hELLO wORLD"), "Hello world");
    EXPECT_EQ(Capitalize(""), "");
    EXPECT_EQ(Capitalize("\xE9t\xC9"), "\xE9t\xC9");
    // 0xE0 (а) becomes 0xC0 (А), 0xFF (я) becomes 0xDF (Я); 0xDF itself is not above 223.
    EXPECT_EQ(UpperCyrillic("abc\xE0\xFF\xDF\xB8"), "ABC\xC0\xDF\xDF\xB8");
    EXPECT_EQ(DotToComma("1.2.3"), "1,2,3");
    EXPECT_EQ(CommaToDot("1,2,3"), "1.2.3");
}

TEST(TextHelpersTest, DigitsToIntCollectsEveryDigit)
{
    const std::vector<std::pair<std::string, std::int64_t>> cases = {
        {"-12a3", -123},
        {"a-1", 1},
        {"-", 0},
        {"", 0},
        {"abc", 0},
        {"1 024 KB", 1024},
        {"99999999999999999999999", std::numeric_limits<std::int64_t>::max()},
        {"-99999999999999999999999", std::numeric_limits<std::int64_t>::min()},
    };
    for (const auto& [text, value] : cases) {
        SCOPED_TRACE(text);
        EXPECT_EQ(DigitsToInt(text), value);
    }
}

TEST(TextHelpersTest, CharacterSets)
{
    EXPECT_TRUE(AllCharsIn("", "x"));
    EXPECT_TRUE(AllCharsIn("cab", "abc"));
    EXPECT_FALSE(AllCharsIn("abd", "abc"));
    EXPECT_EQ(KeepCharsIn("a1b2-3", "0123456789"), "123");
    EXPECT_EQ(KeepCharsIn("abc", ""), "");
}

TEST(TextHelpersTest, PrefixThroughMatchEndsAtTheMatchsFirstCharacter)
{
    EXPECT_EQ(PrefixThroughMatch("Hello World", "WORLD"), "Hello W");
    EXPECT_EQ(PrefixThroughMatch("Hello World", "h"), "H");
    EXPECT_EQ(PrefixThroughMatch("Hello", "xyz"), "");
    EXPECT_EQ(PrefixThroughMatch("Hello", ""), "");
}

TEST(TextHelpersTest, AmpersandsDoubleAndUndouble)
{
    const std::vector<TextCase> cases = {
        {"Tom & Jerry", "Tom && Jerry"},
        {"&", "&&"},
        {"none", "none"},
    };
    for (const TextCase& c : cases) {
        SCOPED_TRACE(c.input);
        EXPECT_EQ(DoubleAmpersands(c.input), c.expected);
        EXPECT_EQ(UndoubleAmpersands(c.expected), c.input == "&" ? "" : c.input);
    }
    EXPECT_EQ(UndoubleAmpersands("&File"), "File");
    EXPECT_EQ(UndoubleAmpersands("a&&&b"), "a&b");
}

TEST(TextHelpersTest, StripSchemeRemovesTheScheme)
{
    const std::vector<TextCase> cases = {
        {"http://www.example.com/x", "www.example.com/x"},
        {"HTTP://Example.com", "Example.com"},
        {"https://secure.example.com/", "secure.example.com/"},
        {"ftp://files.example.com", "files.example.com"},
        {"www.example.com", "www.example.com"},
        {"ht", "ht"},
        {"HTT", ""},
        {"", ""},
    };
    for (const TextCase& c : cases) {
        SCOPED_TRACE(c.input);
        EXPECT_EQ(StripScheme(c.input), c.expected);
    }
}

} // namespace
} // namespace listrider::store
