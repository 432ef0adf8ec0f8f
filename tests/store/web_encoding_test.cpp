#include <cctype>
#include <cstdio>
#include <random>

#include <gtest/gtest.h>

#include "store/web_encoding.h"

namespace listrider::store {
namespace {

TEST(WebEncodingTest, UrlEncodeKeepsTheUnreservedBytes)
{
    struct Case
    {
        std::string text;
        bool percentSpace;
        std::string encoded;
    };

    const std::vector<Case> cases = {
        {"a b", false, "a+b"},
        {"a b", true, "a%20b"},
        {"*-.@_", false, "*-.@_"},
        {"AZaz09", false, "AZaz09"},
        {"\xE9", false, "%E9"},
        {"%", false, "%25"},
        {"~+/&=:", false, "%7E%2B%2F%26%3D%3A"},
        {"\xA9\r\n", false, "%A9%0D%0A"},
        {std::string("\0", 1), false, "%00"},
        {"", false, ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.encoded);
        EXPECT_EQ(UrlEncode(c.text, c.percentSpace), c.encoded);
    }
}

TEST(WebEncodingTest, UrlEncodeMatchesTheByteRuleOnRandomTexts)
{
    const auto reference = [](std::string_view text, bool percentSpace) {
        std::string out;
        for (const char ch : text) {
            const auto c = static_cast<unsigned char>(ch);
            if (std::isalnum(c) != 0 && c < 128) {
                out.push_back(ch);
            } else if (ch == '*' || ch == '-' || ch == '.' || ch == '@' || ch == '_') {
                out.push_back(ch);
            } else if (ch == ' ' && !percentSpace) {
                out.push_back('+');
            } else {
                char hex[4];
                std::snprintf(hex, sizeof hex, "%%%02X", c);
                out += hex;
            }
        }
        return out;
    };
    std::mt19937 random(5);
    for (int round = 0; round < 200; ++round) {
        std::string text(random() % 300, '\0');
        for (char& c : text) {
            c = static_cast<char>(random() & 0xFF);
        }
        ASSERT_EQ(UrlEncode(text, false), reference(text, false));
        ASSERT_EQ(UrlEncode(text, true), reference(text, true));
    }
}

TEST(WebEncodingTest, XmlEscapeChangesOnlyQuotesAndAmpersand)
{
    EXPECT_EQ(XmlEscape("say \"hi\" & 'bye' <b>"), "say &quot;hi&quot; &amp; &apos;bye&apos; <b>");
    EXPECT_EQ(XmlEscape(""), "");
}

TEST(WebEncodingTest, HtmlEscapeLeavesNoMarkup)
{
    EXPECT_EQ(HtmlEscape("<script>alert('x')</script> & \"q\""),
              "&lt;script&gt;alert(&#39;x&#39;)&lt;/script&gt; &amp; &quot;q&quot;");
    // Already escaped text is escaped again: the report shows what the site wrote.
    EXPECT_EQ(HtmlEscape("&amp;"), "&amp;amp;");
    EXPECT_EQ(HtmlEscape("Caf\xE9 1.0"), "Caf\xE9 1.0");
}

TEST(WebEncodingTest, UnescapeDecodesThreeEntitiesInOnePass)
{
    struct Case
    {
        std::string text;
        std::string plain;
        std::string pageText;
    };

    const std::vector<Case> cases = {
        {"&amp;amp;", "&amp;", "&amp;"},                  // output is never rescanned
        {"&AMP; &Quot;", "&AMP; &Quot;", "&AMP; &Quot;"}, // entities are case-sensitive
        {"&quot;x&apos;", "\"x'", "\"x'"},
        {"a&nbsp;b", "a&nbsp;b", "a b"},
        {"&lt;&#65;&", "&lt;&#65;&", "&lt;&#65;&"},
        {"&amp;nbsp;", "&nbsp;", "&nbsp;"},
        {"&&amp;", "&&", "&&"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        EXPECT_EQ(HtmlUnescape(c.text), c.plain);
        EXPECT_EQ(HtmlUnescapeText(c.text), c.pageText);
    }
}

TEST(WebEncodingTest, Base64UsesStandardAlphabetAndLinesOf76)
{
    EXPECT_EQ(Base64Encode(""), "");
    EXPECT_EQ(Base64Encode("M"), "TQ==");
    EXPECT_EQ(Base64Encode("Ma"), "TWE=");
    EXPECT_EQ(Base64Encode("Man"), "TWFu");
    EXPECT_EQ(Base64Encode("\xFF\xFE\xFD"), "//79");

    const std::string full = Base64Encode(std::string(57, 'a'));
    EXPECT_EQ(full.size(), 76u);
    EXPECT_EQ(full.find('\r'), std::string::npos);

    const std::string more = Base64Encode(std::string(58, 'a'));
    ASSERT_EQ(more.size(), 76u + 2 + 4);
    EXPECT_EQ(more.substr(76, 2), "\r\n");
    EXPECT_EQ(more.substr(78), "YQ==");

    for (std::size_t n = 1; n < 400; ++n) {
        SCOPED_TRACE(n);
        EXPECT_EQ(Base64Encode(std::string(n, 'x')).size(), 4 * ((n + 2) / 3) + 2 * ((n - 1) / 57));
    }
}

TEST(WebEncodingTest, BoundaryIsHyphensAndTheLocalTime)
{
    std::tm time{};
    time.tm_year = 2005 - 1900;
    time.tm_mon = 7;
    time.tm_mday = 18;
    time.tm_hour = 14;
    time.tm_min = 30;
    time.tm_sec = 59;
    const std::string boundary = MakeBoundary(time, 123);
    EXPECT_EQ(boundary, std::string(29, '-') + "081805143059123");
    EXPECT_EQ(boundary.size(), 44u);
    EXPECT_EQ(MakeBoundary().size(), 44u);
}

} // namespace
} // namespace listrider::store
