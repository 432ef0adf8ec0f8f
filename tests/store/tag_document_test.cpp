#include <gtest/gtest.h>

#include "store/tag_document.h"
#include "support/result_matchers.h"
#include "support/temp_dir.h"

namespace listrider::store {
namespace {

std::vector<std::string> Strings(LineSpan span)
{
    return {span.begin(), span.end()};
}

TEST(TagDocumentTest, TagValueFollowsTheReadingRule)
{
    const std::vector<std::pair<std::string, std::string>> cases = {
        {"<Tag>a>b</Tag>", "ab"},
        {"<Tag>a<b</Tag>", "a"},
        {"<Tag>abc", "abc"},
        {"<Tag></Tag>", ""},
        {"no brackets", ""},
        {"  <Tag>  spaced  </Tag>", "  spaced  "},
        {"<A>first</A><B>second</B>", "first"},
        {"text>after", "after"},
    };
    for (const auto& [line, value] : cases) {
        SCOPED_TRACE(line);
        EXPECT_EQ(TagValue(line), value);
    }
}

TEST(TagDocumentTest, ElementReaderMatchesTagsIgnoringCaseAndTakesTheLastLine)
{
    const LineList lines{
        "<quick_tips>Y</QUICK_TIPS>",
        "  <Other>1</Other>",
        "<Other>2</Other>",
        "<Empty></Empty>",
    };
    const ElementReader reader(lines);
    EXPECT_EQ(reader.Text("Quick_Tips"), "Y");
    EXPECT_TRUE(reader.Flag("Quick_Tips", kYnFlags, false));
    EXPECT_EQ(reader.Text("Other"), "2");
    EXPECT_EQ(reader.Find("Empty"), std::optional<std::string>(""));
    EXPECT_EQ(reader.Find("Missing"), std::nullopt);
    EXPECT_EQ(reader.Text("Missing", "default"), "default");
    EXPECT_TRUE(reader.Flag("Missing", kYnFlags, true));
}

TEST(TagDocumentTest, FlagsAreTrueOnlyForTheExactYesWord)
{
    EXPECT_TRUE(ReadFlag("YES", kYesNoFlags));
    EXPECT_FALSE(ReadFlag("yes", kYesNoFlags));
    EXPECT_FALSE(ReadFlag("Y", kYesNoFlags));
    EXPECT_FALSE(ReadFlag("YES ", kYesNoFlags));
    EXPECT_TRUE(ReadFlag("Y", kYnFlags));
    EXPECT_EQ(FlagWord(false, kYesNoFlags), "NO");
}

TEST(TagDocumentTest, BlocksKeepTheirLinesWhole)
{
    const LineList lines{
        "<Char_Desc_2000>", "<b>bold</b> line", "", "second", "</char_desc_2000>", "<After>x</After>"};
    const Block block = ReadBlock(lines, 0, "Char_Desc_2000");
    EXPECT_TRUE(block.closed);
    EXPECT_EQ(Strings(block.lines), (std::vector<std::string>{"<b>bold</b> line", "", "second"}));
    EXPECT_EQ(block.next, 5u);

    const LineList empty{"<EULA>", "</EULA>"};
    EXPECT_TRUE(ReadBlock(empty, 0, "EULA").lines.empty());

    const LineList unclosed{"<EULA>", "one", "two"};
    const Block open = ReadBlock(unclosed, 0, "EULA");
    EXPECT_FALSE(open.closed);
    EXPECT_EQ(Strings(open.lines), (std::vector<std::string>{"one", "two"}));
    EXPECT_EQ(open.next, 3u);
    EXPECT_TRUE(ReadBlock(unclosed, 2, "EULA").lines.empty()); // opening on the last line
}

TEST(TagDocumentTest, GroupsOpenAndCloseOnExactLines)
{
    const LineList lines{
        "ignored",
        "<SITE>",
        "<SITENAME>One</SITENAME>",
        "</SITE>",
        "<site>",
        "<SITENAME>NotAGroup</SITENAME>",
        "</site>",
        "<SITE>",
        "<SITENAME>Two</SITENAME>",
        "</SITE>",
        "<SITE>",
        "<SITENAME>Last</SITENAME>",
    };
    const std::vector<LineSpan> closed = ReadGroups(lines, "<SITE>", "</SITE>");
    ASSERT_EQ(closed.size(), 2u);
    EXPECT_EQ(Strings(closed[0]), (std::vector<std::string>{"<SITENAME>One</SITENAME>"}));
    EXPECT_EQ(Strings(closed[1]), (std::vector<std::string>{"<SITENAME>Two</SITENAME>"}));

    const std::vector<LineSpan> all = ReadGroups(lines, "<SITE>", "</SITE>", true);
    ASSERT_EQ(all.size(), 3u);
    EXPECT_EQ(Strings(all[2]), (std::vector<std::string>{"<SITENAME>Last</SITENAME>"}));
}

TEST(TagDocumentTest, SectionsTakeTheirNameFromTheOpeningLine)
{
    const LineList lines{
        "UTF-8", "<German>", "<Keywords>a, b</Keywords>", "</German>", "<Chinese Traditional>", "x"};
    ASSERT_TRUE(HasUtf8Marker(lines));
    const LineSpan body = WithoutUtf8Marker(lines);
    ASSERT_EQ(body.size(), 5u);
    const Section german = ReadSection(body, 0);
    EXPECT_EQ(german.name, "German");
    EXPECT_TRUE(german.closed);
    EXPECT_EQ(Strings(german.lines), (std::vector<std::string>{"<Keywords>a, b</Keywords>"}));
    const Section unclosed = ReadSection(body, german.next);
    EXPECT_EQ(unclosed.name, "Chinese Traditional");
    EXPECT_FALSE(unclosed.closed);
    EXPECT_EQ(unclosed.next, body.size());

    EXPECT_FALSE(HasUtf8Marker(LineList{"utf-8"}));
    EXPECT_FALSE(HasUtf8Marker(LineList{}));
}

TEST(TagDocumentTest, RecordsStartAtTheirFirstTag)
{
    const LineList lines{
        "<Stray>0</Stray>",
        "<Site_Name>A</Site_Name>",
        "<Submitted>1</Submitted>",
        "<site_name>B</site_name>",
        "<Site_Name>C</Site_Name>",
        "<Submitted>3</Submitted>",
    };
    const std::vector<LineSpan> records = ReadRecords(lines, "Site_Name");
    ASSERT_EQ(records.size(), 3u);
    EXPECT_EQ(records[0].size(), 2u);
    EXPECT_EQ(records[1].size(), 1u);
    EXPECT_EQ(ElementReader(records[2]).Text("Submitted"), "3");
    EXPECT_TRUE(ReadRecords(LineList{"<Other>1</Other>"}, "Site_Name").empty());
}

TEST(TagDocumentTest, WriterProducesTheStoreBytes)
{
    testsupport::TempDir dir;
    TagWriter writer;
    writer.Line(std::string(kUtf8Marker));
    writer.Element("Program_Name", "Tool");
    writer.Element("Empty", "");
    writer.Flag("Quick_Tips", true, kYnFlags);
    writer.Block("EULA", std::vector<std::string>{"line <b>1</b>", ""});
    EXPECT_OK(writer.Save(dir / "product.dat"));
    EXPECT_EQ(
        testsupport::ReadBytes(dir / "product.dat"),
        "UTF-8\r\n<Program_Name>Tool</Program_Name>\r\n<Empty></Empty>\r\n<Quick_Tips>Y</Quick_Tips>\r\n"
        "<EULA>\r\nline <b>1</b>\r\n\r\n</EULA>");

    // What was written reads back through the readers.
    const LineList lines = LoadLines(dir / "product.dat");
    const ElementReader reader(WithoutUtf8Marker(lines));
    EXPECT_EQ(reader.Text("program_name"), "Tool");
    const std::optional<std::size_t> eula = reader.LineOf("EULA");
    ASSERT_TRUE(eula.has_value());
    EXPECT_EQ(Strings(ReadBlock(WithoutUtf8Marker(lines), *eula, "EULA").lines),
              (std::vector<std::string>{"line <b>1</b>", ""}));
}

} // namespace
} // namespace listrider::store
