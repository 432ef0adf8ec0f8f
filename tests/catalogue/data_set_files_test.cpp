#include <gtest/gtest.h>

#include "catalogue/affiliate_file.h"
#include "catalogue/category_file.h"
#include "catalogue/company_file.h"
#include "catalogue/description_file.h"
#include "catalogue/program_file.h"
#include "catalogue/regkey_file.h"
#include "catalogue/urls_file.h"
#include "sample_product.h"
#include "store/line_list.h"

namespace listrider::catalogue {
namespace {

using testing::SampleProduct;

store::LineList Lines(std::string text)
{
    return store::LineList::FromText(std::move(text));
}

TEST(ProgramFileTest, WritesEveryTagInOrderAndReadsItBack)
{
    const ProgramInfo program = SampleProduct().program;
    const store::LineList lines = ProgramFileLines(program, false);
    ASSERT_GE(lines.size(), 6u);
    EXPECT_EQ(lines[0], "<Program_Name>Disk Cleaner Pro</Program_Name>");
    EXPECT_EQ(lines[4], "<PAD_Imported>NO</PAD_Imported>");
    EXPECT_EQ(lines[9], "<Program_Release_Month>July</Program_Release_Month>");
    EXPECT_EQ(store::JoinLines(ProgramFileLines(program, true)).find("PAD_Imported"), std::string::npos);

    ProgramInfo read;
    EXPECT_FALSE(ReadProgramFile(lines, read).imported);
    EXPECT_EQ(read, program);
    EXPECT_TRUE(ReadProgramFile(ProgramFileLines(program, true), read).imported);
}

TEST(ProgramFileTest, ReadingKeepsDefaultsForMissingTagsAndUnknownEntries)
{
    ProgramInfo program;
    const store::LineList lines = Lines("<Program_Type>Shareware</Program_Type>\r\n"
                                        "<program_type>freeware</program_type>\r\n" // no entry: kept
                                        "<Program_Release_Year>2015</Program_Release_Year>\r\n"
                                        "<Expire_Year>1990</Expire_Year>\r\n"
                                        "<Program_Version>1</Program_Version>\r\n"
                                        "<Program_Version>2</Program_Version>\r\n"
                                        "<Has_Expire_Info>y</Has_Expire_Info>\r\n"
                                        "<EULA>\r\n<b>bold</b> text\r\n\r\n</EULA>\r\n"
                                        "<Program_Awards>Only award</Program_Awards>\r\n"
                                        "<PAD_Imported>no</PAD_Imported>");
    EXPECT_TRUE(ReadProgramFile(lines, program).imported); // only "NO" clears the mark
    EXPECT_EQ(program.type, "Shareware");
    EXPECT_EQ(program.releaseYear, "2015");
    EXPECT_EQ(program.expireYear, "Year");
    EXPECT_EQ(program.version, "2");
    EXPECT_FALSE(program.hasExpireInfo);
    EXPECT_EQ(program.eula, (MemoLines{"<b>bold</b> text", ""}));
    EXPECT_EQ(program.awards, (MemoLines{"Only award"}));
    EXPECT_EQ(program.releaseDay, "Day");
    EXPECT_TRUE(program.name.empty());
}

TEST(DescriptionFileTest, EnglishStaysInTheCodePageAndOtherLanguagesAreUtf8)
{
    const DescriptionSet descriptions = SampleProduct().descriptions;
    const store::LineList lines = DescriptionFileLines(descriptions);
    EXPECT_EQ(lines[0], "UTF-8");
    EXPECT_EQ(lines[1], "<English>");
    EXPECT_EQ(lines[2], "<Keywords>disk, cleaner, caf\xE9, junk, R&D</Keywords>");
    const std::string text = store::JoinLines(lines);
    EXPECT_NE(
        text.find("<German>\r\n<Keywords>festplatte, reiniger</Keywords>\r\n<Char_Desc_45>R\xC3\xA4umt"),
        std::string::npos);
    EXPECT_NE(text.find("<Chinise Traditional>"), std::string::npos);

    DescriptionSet read;
    ReadDescriptionFile(lines, store::CodePage::Default(), read);
    EXPECT_EQ(read, descriptions);
}

TEST(DescriptionFileTest, OldFormWithoutMarkerReadsLanguagesAsCodePageText)
{
    DescriptionSet read;
    ReadDescriptionFile(Lines("<English>\r\n"
                              "<Char_Desc_45>" +
                              std::string(50, 'a') +
                              "</Char_Desc_45>\r\n"
                              "<Char_Desc_80>" +
                              std::string(90, 'b') +
                              "</Char_Desc_80>\r\n"
                              "</English>\r\n"
                              "<German>\r\n"
                              "<Char_Desc_45>R\xE4umt auf</Char_Desc_45>\r\n"
                              "<Char_Desc_250>\r\nZeile 1\r\nZeile 2\r\n</Char_Desc_250>\r\n"
                              "</German>"),
                        store::CodePage::Default(),
                        read);
    EXPECT_EQ(read.english.desc45, std::string(45, 'a'));
    EXPECT_EQ(read.english.desc80, std::string(80, 'b'));
    ASSERT_EQ(read.others.size(), 1u);
    EXPECT_EQ(read.others[0].desc45, u"Räumt auf");
    EXPECT_EQ(read.others[0].desc250, (std::vector<std::u16string>{u"Zeile 1", u"Zeile 2"}));
    // The next save writes the marker.
    EXPECT_EQ(DescriptionFileLines(read)[0], "UTF-8");
}

TEST(CompanyFileTest, TheTwoCopiesDifferInStateAndCompanyIds)
{
    Product product = SampleProduct();
    product.company.state = "Ontario"; // typed, not an entry of the list
    const std::string productCopy =
        store::JoinLines(CompanyFileLines(product.company, product.affiliates, CompanyCopy::ProductFolder));
    const std::string companyCopy =
        store::JoinLines(CompanyFileLines(product.company, product.affiliates, CompanyCopy::CompanyFolder));
    EXPECT_NE(productCopy.find("<State_Province>Ontario</State_Province>"), std::string::npos);
    EXPECT_NE(companyCopy.find("<State_Province></State_Province>"), std::string::npos);
    EXPECT_EQ(productCopy.find("CompanyAff"), std::string::npos);
    EXPECT_TRUE(companyCopy.ends_with("<ESellerateCompanyAff>STR12345</ESellerateCompanyAff>\r\n"
                                      "<ShareItCompanyAff>20010</ShareItCompanyAff>"));
    EXPECT_TRUE(productCopy.starts_with("<Company_Name>Caf\xE9 Soft</Company_Name>\r\n<Address_1>"));

    CompanyInfo company;
    AffiliateInfo affiliates;
    ReadCompanyFile(Lines(companyCopy), company, affiliates);
    EXPECT_EQ(affiliates.eSellerateCompanyId, "STR12345");
    EXPECT_EQ(affiliates.shareItCompanyId, "20010");
    EXPECT_TRUE(company.aspMember);
    EXPECT_EQ(CompanyNameOf(Lines("<Company_Name>A</Company_Name>\r\n<company_name>B</company_name>")), "B");
    EXPECT_EQ(CompanyNameOf(Lines("<Address_1>x</Address_1>")), "");
}

TEST(SmallFilesTest, CategoryAffiliateRegkeyAndUrlsRoundTrip)
{
    const Product product = SampleProduct();
    ProductCategory category;
    ReadCategoryFile(CategoryFileLines(product.category, true), category);
    EXPECT_EQ(category, product.category);

    ProductCategory read;
    read.fastCategory = "Utilities";
    ReadCategoryFile(Lines("<Fast_Category>none</Fast_Category>\r\n"
                           "<PAD_Specific_Category>utilities</PAD_Specific_Category>\r\n"
                           "<Program_Category_Class>no such class</Program_Category_Class>"),
                     read);
    EXPECT_EQ(read.fastCategory, "Utilities");
    EXPECT_EQ(read.padSpecificCategory, "Utilities");
    EXPECT_EQ(read.categoryClass, "");
    EXPECT_EQ(store::JoinLines(CategoryFileLines(product.category, false)).find("Fast_Category"),
              std::string::npos);

    AffiliateInfo affiliates;
    ReadAffiliateFile(AffiliateFileLines(product.affiliates), affiliates);
    affiliates.support = product.affiliates.support;
    EXPECT_EQ(affiliates, product.affiliates);
    AffiliateInfo anyCase;
    ReadAffiliateFile(Lines("<eSellerateAff>SKU1</eSellerateAff>\r\n<SHAREITAFF>77</SHAREITAFF>"), anyCase);
    EXPECT_EQ(anyCase.eSellerateId, "SKU1");
    EXPECT_EQ(anyCase.shareItId, "77");
    EXPECT_EQ(anyCase.shareItCompanyId, "");

    RegistrationCodes codes;
    codes.kind = CodeKind::Personal;
    codes.registrationName = "Winpicks Review";
    RegistrationCodes readCodes;
    ReadRegkeyFile(RegkeyFileLines(codes), readCodes);
    EXPECT_EQ(readCodes, codes);
    EXPECT_EQ(RegkeyFileLines(codes)[0], "<Code_Type>Personal</Code_Type>");

    ProductUrls urls;
    ReadUrlsFile(UrlsFileLines(product.urls), urls);
    EXPECT_EQ(urls, product.urls);
    EXPECT_EQ(UrlsFileLines(product.urls).size(), 14u);
}

} // namespace
} // namespace listrider::catalogue
