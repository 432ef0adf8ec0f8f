#include <gtest/gtest.h>

#include "catalogue/pad_spec_rules.h"
#include "catalogue/pad_writer.h"
#include "catalogue/value_set.h"
#include "sample_product.h"

namespace listrider::catalogue {
namespace {

// Returns whether a validator rejects the value in a file that holds only this field.
bool Rejected(std::string_view field, std::string_view value)
{
    const std::string path = PadSpecPath(field);
    EXPECT_FALSE(path.empty()) << field;
    for (const PadWarning& warning : CheckPadConformance(std::vector<PadLeaf>{{path, std::string(value)}})) {
        if (warning.field == field) {
            return true;
        }
    }
    return false;
}

TEST(PadSpecRulesTest, ValuesAValidatorTakesOrRejects)
{
    struct Case
    {
        std::string_view field;
        std::string value;
        bool rejected;
    };

    const Case cases[] = {
        {"Company_Name", "A", true},
        {"Company_Name", "Café Soft", false},
        {"Company_Name", "Tab\there", true},
        {"Address_1", "12 Main St., #4 / 'B'", false},
        {"Address_1", "Main St (rear)", true},
        {"Address_1", "Hauptstraße 5", false},
        {"City_Town", "Łódź", true},
        {"Country", "USA", false},
        {"Country", "U.S.A.", true},
        {"Company_WebSite_URL", "http://www.example.com", false},
        {"Company_WebSite_URL", "https://www.example.com", true},
        {"Author_Email", "me@example.com", false},
        {"Author_Email", "m@example.com", true},
        {"Author_Email", "me@example", true},
        {"Sales_Phone", "", false},
        {"Sales_Phone", "+1 (555) 010-0200", false},
        {"Sales_Phone", "555-12", true},
        {"Sales_Phone", "call 5551234", true},
        {"Program_Version", "2.5.1-beta_2", false},
        {"Program_Version", "2.5 beta", true},
        {"Program_Version", "", true},
        {"Program_Release_Month", "07", false},
        {"Program_Release_Month", "7", true},
        {"Program_Release_Day", "31", false},
        {"Program_Release_Day", "32", true},
        {"Program_Release_Year", "2024", false},
        {"Program_Release_Year", "Year", true},
        {"Program_Cost_Dollars", "19.95", false},
        {"Program_Cost_Dollars", "19.9", true},
        {"Program_Cost_Dollars", "", false},
        {"Program_Cost_Other_Code", "EUR", false},
        {"Program_Cost_Other_Code", "AFA", true},
        {"Program_Type", "Shareware", false},
        {"Program_Type", "shareware", true},
        {"Program_OS_Support", "Win98,Windows2000,WinXP", false},
        {"Program_OS_Support", "Linux, Mac OS X 10.5 Java", false},
        {"Program_OS_Support", "Palm OS 5", true},
        {"Program_OS_Support", "", true},
        {"Program_Language", "English,German", false},
        {"Program_Language", "English, German", true},
        {"Program_Language", "Chinese Simplified", true},
        {"File_Size_Bytes", "12", true},
        {"File_Size_Bytes", "1234567", false},
        {"File_Size_MB", "1.18", false},
        {"Has_Expire_Info", "n", false},
        {"Expire_Based_On", "Either/Or", false},
        {"Expire_Based_On", "", false},
        {"Expire_Month", "", false},
        {"Expire_Year", "1899", true},
        {"Program_Category_Class", "Graphic Apps::Viewers", false},
        {"Program_Category_Class", "Graphic Apps", true},
        {"Program_Specific_Category", "", false},
        {"Char_Desc_45", std::string(45, 'x'), false},
        {"Char_Desc_45", std::string(46, 'x'), true},
        {"Char_Desc_250", "two\nlines", true},
        {"Char_Desc_2000", "two\nlines", false},
        {"Char_Desc_2000", "<b>bold</b>", true},
        {"Application_Order_URL", "", false},
        {"Application_Order_URL", "https://shop.example/buy", false},
        {"Application_Screenshot_URL", "http://example.com/s.png", false},
        {"Application_Screenshot_URL", "http://example.com/s.jpeg", true},
        {"Application_Screenshot_URL", "http://example.com/s.PNG", true},
        {"Application_XML_File_URL", "http://example.com/pad.php", false},
        {"Primary_Download_URL", "ftp://example.com/app.tar.gz", false},
        {"Primary_Download_URL", "https://example.com/app.zip", true},
        {"Primary_Download_URL", "http://x.zip", true},
        {"Secondary_Download_URL", "", false},
        {"EULA", std::string(20000, 'x'), false},
        {"EULA", std::string(20001, 'x'), true},
        {"MASTER_PAD_VERSION", "2.01", false},
        {"MASTER_PAD_VERSION", "2", true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.field) + " = \"" + std::string(c.value.substr(0, 40)) + "\"");
        EXPECT_EQ(Rejected(c.field, c.value), c.rejected);
    }
}

TEST(PadSpecRulesTest, ScanFindsValuesByPathAndDecodesEntities)
{
    const std::vector<PadLeaf> leaves = ScanXmlLeaves(
        "<?xml version=\"1.0\"?>\n<!-- c --><XML_DIZ_INFO><Program_Info>\n  <Program_Name>A &amp; B "
        "&#233;</Program_Name>"
        "<Empty/><Program_Version><![CDATA[1<2]]></Program_Version></Program_Info></XML_DIZ_INFO>");
    ASSERT_EQ(leaves.size(), 3u);
    EXPECT_EQ(leaves[0].path, "XML_DIZ_INFO/Program_Info/Program_Name");
    EXPECT_EQ(leaves[0].value, "A & B é");
    EXPECT_EQ(leaves[1].path, "XML_DIZ_INFO/Program_Info/Empty");
    EXPECT_EQ(leaves[2].value, "1<2");
}

TEST(PadSpecRulesTest, SampleProductPassesExceptItsMarkup)
{
    testing::Workspace ws;
    Product product = testing::SampleProduct();
    const std::vector<PadWarning> warnings = CheckPadConformance(
        BuildPadText(GetValues(product, ws.Context()), store::CodePage::Default(), "http://pad"));
    ASSERT_EQ(warnings.size(), 1u);
    EXPECT_EQ(warnings[0].field, "EULA");
    EXPECT_EQ(warnings[0].value, "Use at your own risk; see <b>terms</b>.");
    EXPECT_EQ(DescribeWarning(warnings[0]),
              "EULA: a PAD validator expects Multiple lines (no HTML) text string 0-20000 characters (value "
              "\"Use at "
              "your own risk; see <b>terms</b>.\")");
}

} // namespace
} // namespace listrider::catalogue
