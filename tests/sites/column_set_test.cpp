#include <gtest/gtest.h>

#include "sites/column_binding.h"
#include "sites/column_set.h"
#include "sites/columns_editor.h"
#include "store/file_io.h"
#include "support/result_matchers.h"
#include "support/temp_dir.h"

namespace listrider::sites {
namespace {

std::vector<std::string> Names(const std::vector<ColumnsR>& entries)
{
    std::vector<std::string> names;
    for (const ColumnsR& entry : entries) {
        names.push_back(entry.name);
    }
    return names;
}

TEST(ColumnSetTest, MissingFileWritesTheDefaultSet)
{
    testsupport::TempDir workspace;
    const std::vector<ColumnsR> entries = LoadColumns(workspace.Path());
    ASSERT_EQ(entries.size(), 20u);
    EXPECT_EQ(entries, DefaultColumns());
    EXPECT_EQ(entries.front(), (ColumnsR{"Site Name", "Y", "100"}));
    EXPECT_EQ(entries.back().name, "OS Supported");
    EXPECT_TRUE(
        testsupport::ReadBytes(workspace / "columns.ini")
            .starts_with("<Column_Name>Site Name</Column_Name>\r\n<Column_Visible>Y</Column_Visible>\r\n"
                         "<Column_Size>100</Column_Size>\r\n<Column_Name>Category</Column_Name>"));
}

TEST(ColumnSetTest, ReadsEntriesByTheirLines)
{
    const store::LineList lines = {
        "<Column_Visible>Y</Column_Visible>", // before any entry: passed over
        "<COLUMN_NAME>Site Name</COLUMN_NAME>",
        "<Column_Size>250</Column_Size>",
        "<Column_Visible>Y</Column_Visible>",
        "<Column_Name>Votes</Column_Name>", // added by hand, without size
        "<Column_Visible>Y</Column_Visible>",
        "<Column_Name>Comments</Column_Name>",
        "<Column_Visible>N</Column_Visible>",
        "<Column_Size></Column_Size>",
    };
    const std::vector<ColumnsR> entries = ReadColumnsLines(lines);
    EXPECT_EQ(
        entries,
        (std::vector<ColumnsR>{{"Site Name", "Y", "250"}, {"Votes", "Y", "100"}, {"Comments", "N", "100"}}));
    EXPECT_EQ(ReadColumnsLines(ColumnsLines(entries)), entries);
}

TEST(ColumnSetTest, CaptionsBindToTheirData)
{
    const struct
    {
        const char* caption;
        ColumnDatum datum;
    } cases[] = {
        {"Category", ColumnDatum::Category},
        {"Site Language", ColumnDatum::Language},
        {"Submitted", ColumnDatum::Submitted},
        {"submitted", ColumnDatum::None}, // must be equal
        {"Version Submitted", ColumnDatum::VersionSubmitted},
        {"Program Listed", ColumnDatum::Listed},
        {"No. Downloads", ColumnDatum::Downloads},
        {"Affiliate", ColumnDatum::Affiliate},
        {"RegNow Aff.", ColumnDatum::RegNowAffiliate},
        {"ShareIt! Aff.", ColumnDatum::ShareItAffiliate},
        {"PAD Submission", ColumnDatum::PadSupport},
        {"Home URL", ColumnDatum::Url},
        {"OS Supported", ColumnDatum::OsSupport},
        {"votes", ColumnDatum::Votes},
        {"Link Required", ColumnDatum::LinkRequired},
        {"Site's Rating", ColumnDatum::SiteRating},
        {"Site Name", ColumnDatum::None},
        {"Notes", ColumnDatum::None},
    };

    for (const auto& c : cases) {
        SCOPED_TRACE(c.caption);
        EXPECT_EQ(BindColumn(c.caption), c.datum);
    }
}

TEST(ColumnSetTest, RequestIndexesFindsTheFirstColumnOfEachDatum)
{
    const std::vector<std::string> captions = {"Category", "Votes", "Login", "Notes", "Votes again"};
    const ColumnIndexes indexes = ColumnIndexes::RequestIndexes(captions);
    EXPECT_EQ(indexes.Of(ColumnDatum::Category), -1); // the first column shows the name
    EXPECT_EQ(indexes.Of(ColumnDatum::Votes), 1);
    EXPECT_EQ(indexes.Of(ColumnDatum::Login), 2);
    EXPECT_EQ(indexes.Of(ColumnDatum::Password), -1);
    EXPECT_EQ(indexes.At(4), ColumnDatum::None);
    EXPECT_EQ(indexes.At(3), ColumnDatum::None);
}

TEST(ColumnsEditorTest, MovesChecksAndRebuildsTheEntries)
{
    const std::vector<ColumnsR> entries = {
        {"Site Name", "Y", "200"}, {"Category", "Y", "120"}, {"Accepts", "N", "80"}, {"Votes", "Y", "60"}};
    ColumnsEditor editor(entries);
    EXPECT_EQ(editor.MoveUp(1), 1u); // nothing goes above the first entry
    EXPECT_EQ(editor.MoveDown(0), 0u);
    EXPECT_EQ(editor.ToTop(3), 1u);
    EXPECT_EQ(editor.ToBottom(2), 3u);
    EXPECT_EQ(editor.MoveDown(1), 2u);
    editor.SetChecked(0, false); // the first entry stays checked
    editor.SetChecked(3, false);
    editor.SetChecked(1, true);
    EXPECT_EQ(editor.Entries(),
              (std::vector<ColumnsR>{{"Site Name", "Y", "200"},
                                     {"Accepts", "Y", "80"},
                                     {"Votes", "Y", "60"},
                                     {"Category", "N", "120"}}));
}

TEST(ColumnSetTest, StoresAColumnWidthByName)
{
    std::vector<ColumnsR> entries = DefaultColumns();
    EXPECT_TRUE(SetColumnWidth(entries, "Comments", 240));
    EXPECT_FALSE(SetColumnWidth(entries, "Nothing", 240));
    EXPECT_EQ(entries[17], (ColumnsR{"Comments", "Y", "240"}));
    EXPECT_EQ(Names(entries), Names(DefaultColumns()));
}

} // namespace
} // namespace listrider::sites
