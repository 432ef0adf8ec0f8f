#include <gtest/gtest.h>
#include <libxml/parser.h>
#include <libxml/tree.h>

#include "catalogue/pad_writer.h"
#include "catalogue/value_set.h"
#include "catalogue/xml_text.h"
#include "sample_product.h"

namespace listrider::catalogue {
namespace {

using testing::SampleProduct;
using testing::Workspace;

std::vector<std::string> SplitCrLf(const std::string& text)
{
    std::vector<std::string> lines;
    std::size_t start = 0;
    for (std::size_t end; (end = text.find("\r\n", start)) != std::string::npos; start = end + 2) {
        lines.push_back(text.substr(start, end - start));
    }
    EXPECT_EQ(start, text.size()) << "every line, the last one too, ends with CR LF";
    return lines;
}

// A parsed document, freed at the end of the test.
struct XmlDocument
{
    explicit XmlDocument(const std::string& text)
        : doc(xmlReadMemory(text.data(), static_cast<int>(text.size()), "pad.xml", nullptr, XML_PARSE_NONET))
    {}

    ~XmlDocument() { xmlFreeDoc(doc); }

    XmlDocument(const XmlDocument&) = delete;
    XmlDocument& operator=(const XmlDocument&) = delete;

    // Returns the text of the first element at the path below the root ("Company_Info/Company_Name").
    std::string Text(std::string_view path) const
    {
        xmlNode* node = xmlDocGetRootElement(doc);
        while (!path.empty() && node != nullptr) {
            const std::size_t slash = path.find('/');
            const std::string name(path.substr(0, slash));
            path = slash == std::string_view::npos ? std::string_view() : path.substr(slash + 1);
            xmlNode* child = node->children;
            while (child != nullptr &&
                   (child->type != XML_ELEMENT_NODE || name != reinterpret_cast<const char*>(child->name))) {
                child = child->next;
            }
            node = child;
        }
        if (node == nullptr) {
            return "(missing)";
        }
        xmlChar* content = xmlNodeGetContent(node);
        std::string text = content != nullptr ? reinterpret_cast<const char*>(content) : "";
        xmlFree(content);
        return text;
    }

    xmlDoc* doc;
};

std::string SamplePadText(Product product)
{
    Workspace ws;
    const ProductValues values = GetValues(product, ws.Context());
    return BuildPadText(values, store::CodePage::Default(), "http://www.asp-shareware.org/pad");
}

TEST(PadWriterTest, LayoutMatchesTheFixtureLineByLine)
{
    const std::vector<std::string> lines = SplitCrLf(SamplePadText(SampleProduct()));
    const std::vector<std::string> expected = SplitCrLf(testing::ReadTestData("sample_product_pad.xml"));
    // 127 rows, the row of the language blocks giving eight lines per language.
    ASSERT_EQ(lines.size(), 126u + 3 * 8);
    ASSERT_EQ(lines.size(), expected.size());
    for (std::size_t i = 0; i < lines.size(); ++i) {
        EXPECT_EQ(lines[i], expected[i]) << "line " << i + 1;
    }
}

TEST(PadWriterTest, OutputIsWellFormedUtf8Xml)
{
    Product product = SampleProduct();
    product.program.systemRequirements = "Needs <DirectX> & \x01 a \"fast\" PC";
    product.program.limitations = std::string("line\nbreak");
    product.descriptions.others[0].desc45 = u"Gr\u00f6\u00dfe <b>\U0001F600</b>\uFFFF";
    product.descriptions.others.push_back({"1337 Speak: C++", u"k,w", u"d", u"d", {u"d"}, {u"d"}, {u"d"}});
    const std::string text = SamplePadText(product);
    const XmlDocument xml(text);
    ASSERT_NE(xml.doc, nullptr) << text;
    EXPECT_EQ(xml.Text("Company_Info/Company_Name"), "Café Soft");
    EXPECT_EQ(xml.Text("Company_Info/Contact_Info/Author_First_Name"), "José");
    EXPECT_EQ(xml.Text("Program_Info/Program_System_Requirements"), "Needs <DirectX> &  a \"fast\" PC");
    EXPECT_EQ(xml.Text("Program_Info/Limitations"), "line break");
    EXPECT_EQ(xml.Text("Program_Descriptions/English/Keywords"), "disk, cleaner, café, junk, R&D");
    EXPECT_EQ(xml.Text("Program_Descriptions/German/Char_Desc_45"), "Größe <b>\U0001F600</b>");
    EXPECT_EQ(xml.Text("Program_Descriptions/Chinise_Traditional/Char_Desc_80"), "清除垃圾檔案");
    EXPECT_EQ(xml.Text("Program_Descriptions/_1337_Speak__C__/Keywords"), "k,w");
    EXPECT_EQ(xml.Text("Program_Info/Program_Category_Class"), "System Utilities::File & Disk Management");
    EXPECT_NE(text.find("<Keywords>disk, cleaner, caf\xC3\xA9, junk, R&amp;D</Keywords>"), std::string::npos);
    EXPECT_NE(text.find("<Char_Desc_45>Cleans disks &quot;fast&quot; &amp; safe</Char_Desc_45>"),
              std::string::npos);
    EXPECT_NE(text.find("see &lt;b&gt;terms&lt;/b&gt;."), std::string::npos);
}

TEST(PadWriterTest, FileNames)
{
    EXPECT_EQ(DefaultPadFileName("My App 2.0"), "My_App_20.xml");
    EXPECT_EQ(DefaultPadFileName("A \"B\": C's, D/E\\F"), "A_B_Cs_DEF.xml");
    EXPECT_EQ(WithXmlExtension("pad"), "pad.xml");
    EXPECT_EQ(WithXmlExtension("my.xml.txt"), "my.xml.txt");
    EXPECT_EQ(WithXmlExtension("PAD.XML"), "PAD.XML");
}

TEST(PadWriterTest, LanguageElementNames)
{
    EXPECT_EQ(PadElementName("Chinise Traditional"), "Chinise_Traditional");
    EXPECT_EQ(PadElementName("Fran\xC3\xA7"
                             "ais"),
              "Fran\xC3\xA7"
              "ais");
    EXPECT_EQ(PadElementName("9 Lives"), "_9_Lives");
    EXPECT_EQ(PadElementName(""), "_");
    EXPECT_EQ(LanguageOfElementName("Chinise_Traditional"), "Chinise Traditional");
    EXPECT_EQ(LanguageOfElementName("_9_Lives"), "9 Lives");
}

} // namespace
} // namespace listrider::catalogue
