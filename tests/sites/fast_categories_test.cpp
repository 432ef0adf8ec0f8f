#include <gtest/gtest.h>

#include "sites/fast_categories.h"
#include "sites/fast_category_apply.h"
#include "sites/fast_category_archive.h"
#include "sites/fast_category_tree.h"
#include "sites/os_category_correction.h"
#include "sites/product_os_text.h"
#include "sites/site_fixtures.h"
#include "support/temp_dir.h"

namespace listrider::sites {
namespace {

catalogue::OsSelection Os(std::initializer_list<std::string_view> captions)
{
    catalogue::OsSelection selection;
    for (const std::string_view caption : captions) {
        selection.ticked[catalogue::FindOs(caption)] = true;
    }
    return selection;
}

std::vector<std::string> Texts(const std::vector<FastCategoryNode>& level)
{
    std::vector<std::string> texts;
    for (const FastCategoryNode& node : level) {
        texts.push_back(node.text);
    }
    return texts;
}

TEST(FastCategoryTreeTest, NamesSharingTheirFirstPartShareItsNode)
{
    const std::vector<std::string> names = {kNoFastCategoryEntry.data(),
                                            "Utilities - File Managers",
                                            "Games - Puzzle",
                                            "games - Cards",
                                            "Games - Arcade",
                                            "Business",
                                            "Games - Arcade - Retro"};
    const std::vector<FastCategoryNode> tree = BuildFastCategoryTree(names);
    EXPECT_EQ(
        Texts(tree),
        (std::vector<std::string>{kNoFastCategoryEntry.data(), "Business", "Games", "games", "Utilities"}));
    EXPECT_EQ(Texts(tree[2].children), (std::vector<std::string>{"Arcade", "Puzzle"}));
    EXPECT_EQ(Texts(tree[2].children[0].children), (std::vector<std::string>{"Retro"}));
    EXPECT_EQ(NodeName(tree, {2, 0, 0}), "Games - Arcade - Retro");

    EXPECT_EQ(SelectFastCat(tree, "Games - Puzzle"), (TreePath{2, 1}));
    EXPECT_EQ(SelectFastCat(tree, "Games - Arcade - Retro"), (TreePath{2, 0, 0}));
    EXPECT_EQ(SelectFastCat(tree, "Business"), (TreePath{1}));
    EXPECT_EQ(SelectFastCat(tree, "Arcade - Retro"), (TreePath{2, 0, 0})); // a parent below the root
    EXPECT_EQ(SelectFastCat(tree, "Games - Chess"), (TreePath{0}));
    EXPECT_EQ(SelectFastCat(tree, "none"), (TreePath{0}));
}

TEST(FastCategoryArchiveTest, ReadsPairsAndExclusions)
{
    EXPECT_EQ(ReadFastCategoryLines(store::LineList{"Games", "A", "a cat", "B", "b cat", "@", "X", "Y"}),
              (FastCategoryMember{{{"A", "a cat"}, {"B", "b cat"}}, {"X", "Y"}}));
    EXPECT_EQ(ReadFastCategoryLines(store::LineList{"Games", "A", "a cat", "B"}),
              (FastCategoryMember{{{"A", "a cat"}}, {}}));
    EXPECT_EQ(ReadFastCategoryLines(store::LineList{"Games", "A", "@", "X"}),
              (FastCategoryMember{{}, {"X"}}));
    EXPECT_EQ(ReadFastCategoryLines(store::LineList{}), FastCategoryMember{});
}

TEST(OsCategoryTest, TheProductsSystemChoosesTheCaaPair)
{
    const store::LineList caa = {"<Palm>Games</Palm>",
                                 "Palm Games",
                                 "<Palm>ALL</Palm>",
                                 "Palm Software",
                                 "<palm>Games</palm>",
                                 "Palm Fun",
                                 "<Mac>ALL</Mac>",
                                 "Mac Software"};
    EXPECT_EQ(OsCategory(caa, "Palm", "Games"), "Palm Fun");
    EXPECT_EQ(OsCategory(caa, "Palm", "Business"), "Palm Software");
    EXPECT_EQ(OsCategory(caa, "Mac", "Games"), "Mac Software");
    EXPECT_EQ(OsCategory(caa, "Linux", "Games"), std::nullopt);
    EXPECT_EQ(OsCategory(caa, "Palm", ""), "Palm Software");

    EXPECT_EQ(TopGroup("Games - Arcade"), "Games");
    EXPECT_EQ(TopGroup("Business"), "");
    EXPECT_EQ(TopGroup(" - Odd"), "");

    const struct
    {
        std::initializer_list<std::string_view> os;
        std::optional<std::string> word;
    } cases[] = {
        {{"Palm OS 3.1"}, "Palm"},
        {{"Palm OS 5", "Windows XP"}, std::nullopt},
        {{"Windows 3.1x"}, std::nullopt},
        {{"Windows CE"}, "Pocket"},
        {{"Pocket PC"}, "Pocket"},
        {{"OS/2 Warp"}, "OS/2"},
        {{"MAC 68k"}, "Mac"},
        {{"Linux"}, "Linux"},
        {{"Unix"}, "Unix"},
        {{"BEOS"}, "BEOS"},
        {{"Symbian"}, std::nullopt},
    };

    for (const auto& c : cases) {
        SCOPED_TRACE(*c.os.begin());
        EXPECT_EQ(OsCategoryWord(ProductOsText(Os(c.os))), c.word);
    }
}

class FastCategoryApplyTest : public ::testing::Test
{
protected:
    FastCategoryApplyTest()
        : m_scratch(m_workspace.Path())
        , m_packages(m_workspace.Path(), m_scratch)
    {
        WriteFastCategories(
            {{"Categories.lst", "Games - Arcade\r\nUtilities - Disk"},
             {"Games - Arcade.fct",
              "Games - Arcade\r\nAlpha\r\nArcade\r\nBravo\r\nNot Available\r\nPalmy\r\nWin Arcade"
              "\r\nNowhere\r\nX\r\nPlain\r\nPlain Arcade\r\n@\r\nXcl\r\nPlain"},
             {"Utilities - Disk.fct", "Utilities - Disk\r\nAlpha\r\nDisk\r\n@\r\nBravo"}});
        WritePackage(m_workspace.Path(),
                     "Palmy",
                     {{"Palmy.caa", "<Palm>Games</Palm>\r\nPalm Games\r\n<Palm>ALL</Palm>\r\nPalm Other"}});
        for (const char* name : {"Alpha", "Bravo", "Palmy", "Plain", "Xcl"}) {
            SitesR site;
            site.Name = name;
            site.HasCategories = std::string_view(name) != "Plain";
            site.OsCategories = std::string_view(name) == "Palmy";
            site.Category = "-";
            site.Submitted.clear();
            m_table.sites.push_back(site);
        }
        m_list.RefreshColumns(DefaultColumns());
        const FilterSettings filter = ShowAllFilter(0);
        const catalogue::AccountsList accounts;
        m_list.RefreshSites(m_table, {filter, {}, accounts, "1.0", false});
        m_editor.product.program.os = Os({"Windows XP"});
        m_fast.LoadFastCats(m_workspace.Path());
    }

    void WriteFastCategories(const std::vector<ZipMember>& members)
    {
        std::filesystem::create_directories(m_workspace / "Sites");
        ASSERT_TRUE(WriteZip(m_workspace / "Sites" / "fastcats.dat", members).HasValue());
    }

    FastCategoryTarget Target() { return {m_table, m_list, m_packages, m_editor, m_workspace.Path()}; }

    std::string CategoryOf(std::string_view name)
    {
        return m_table.sites[FindDBIndex(m_table, name)].Category;
    }

    std::string CellOf(std::string_view name)
    {
        SiteRow* row = m_list.FindRow(name);
        return *m_list.Cell(*row, ColumnDatum::Category);
    }

    testsupport::TempDir m_workspace;
    ScratchDir m_scratch;
    SitePackages m_packages;
    SiteTable m_table;
    SiteList m_list;
    catalogue::ProductEditor m_editor;
    FastCategories m_fast;
};

TEST_F(FastCategoryApplyTest, LoadsTheListOncePerRun)
{
    EXPECT_EQ(m_fast.Entries(),
              (std::vector<std::string>{kNoFastCategoryEntry.data(), "Games - Arcade", "Utilities - Disk"}));
    WriteFastCategories({{"Categories.lst", "Office - Mail"}});
    m_fast.LoadFastCats(m_workspace.Path());
    EXPECT_EQ(m_fast.Entries().size(), 3u);
    EXPECT_EQ(Texts(m_fast.Tree()),
              (std::vector<std::string>{kNoFastCategoryEntry.data(), "Games", "Utilities"}));

    FastCategories fresh;
    fresh.LoadFastCats(m_workspace / "missing");
    EXPECT_EQ(fresh.Entries(), (std::vector<std::string>{kNoFastCategoryEntry.data()}));
    EXPECT_EQ(fresh.Tree().size(), 1u);
}

TEST_F(FastCategoryApplyTest, FromTheListSkipsNotAvailableAndReadsTheExclusions)
{
    m_table.sites[FindDBIndex(m_table, "Bravo")].Category = "Kept";
    ApplyFastCategoryFromList(m_fast, Target(), "Games - Arcade");
    EXPECT_EQ(m_editor.product.category.fastCategory, "Games - Arcade");
    EXPECT_EQ(CategoryOf("Alpha"), "Arcade");
    EXPECT_EQ(CategoryOf("Bravo"), "Kept");
    EXPECT_EQ(CategoryOf("Palmy"), "Win Arcade"); // a Windows product keeps the fast category's choice
    EXPECT_EQ(CategoryOf("Plain"), "Plain Arcade");
    EXPECT_EQ(CellOf("Alpha"), "Arcade");
    EXPECT_EQ(CellOf("Bravo"), "Kept");
    EXPECT_EQ(CellOf("Plain"), "--== Not Available ==--");
    EXPECT_EQ(m_fast.Exclusions(), (std::vector<std::string>{"Xcl", "Plain"}));

    // "Do not use" chooses no fast category, so no site is left out any more.
    ApplyFastCategoryFromList(m_fast, Target(), kNoFastCategoryEntry);
    EXPECT_EQ(m_editor.product.category.fastCategory, "none");
    EXPECT_TRUE(m_fast.Exclusions().empty());
    EXPECT_EQ(CategoryOf("Alpha"), "Arcade");
}

TEST_F(FastCategoryApplyTest, FromTheTreeAppliesEveryPairToSitesWithCategories)
{
    ApplyFastCategoryFromList(m_fast, Target(), "Utilities - Disk");
    ASSERT_EQ(m_fast.Exclusions(), (std::vector<std::string>{"Bravo"}));

    const TreePath games = SelectFastCat(m_fast.Tree(), "Games - Arcade");
    ASSERT_EQ(games, (TreePath{1, 0}));
    ApplyFastCategoryFromTree(m_fast, Target(), games);
    EXPECT_TRUE(m_editor.modified);
    EXPECT_EQ(m_editor.product.category.fastCategory, "Games - Arcade");
    EXPECT_EQ(CategoryOf("Bravo"), "Not Available");
    EXPECT_EQ(CategoryOf("Plain"), "-");                                 // no categories of its own
    EXPECT_EQ(m_fast.Exclusions(), (std::vector<std::string>{"Bravo"})); // the tree does not read them
    ASSERT_EQ(m_list.CategoryRows().size(), 4u);
    EXPECT_EQ(m_list.CategoryRows()[0].category, "Arcade");
    EXPECT_EQ(FastCategoryLabel("Games & Fun"), "Selected Fast Category: Games && Fun");

    ApplyFastCategoryFromTree(m_fast, Target(), {0});
    EXPECT_EQ(m_editor.product.category.fastCategory, "none");
    EXPECT_TRUE(m_fast.Exclusions().empty());
}

TEST_F(FastCategoryApplyTest, PalmOnlyProductTakesTheSitesPalmCategory)
{
    m_editor.product.program.os = Os({"Palm OS 3.1"});
    ApplyFastCategoryFromList(m_fast, Target(), "Games - Arcade");
    EXPECT_EQ(CategoryOf("Palmy"), "Palm Games");
    EXPECT_EQ(CellOf("Palmy"), "Palm Games");
    EXPECT_EQ(CategoryOf("Alpha"), "Arcade");

    ApplyFastCategoryFromList(m_fast, Target(), "Utilities - Disk");
    EXPECT_EQ(CategoryOf("Palmy"), "Palm Other");

    m_editor.product.program.os = Os({"Palm OS 3.1", "Windows XP"});
    ApplyFastCategoryFromList(m_fast, Target(), "Games - Arcade");
    EXPECT_EQ(CategoryOf("Palmy"), "Win Arcade");
}

} // namespace
} // namespace listrider::sites
