#include <gtest/gtest.h>

#include "catalogue/value_set.h"
#include "sample_product.h"
#include "store/file_io.h"

namespace listrider::catalogue {
namespace {

using testing::SampleProduct;
using testing::Workspace;

TEST(ValueSetTest, ProgramValues)
{
    Workspace ws;
    Product product = SampleProduct();
    product.program.name = "My App 2.0 Pro-X";
    product.program.expireBasedOn.clear();
    product.program.expireDay = "09";
    product.program.expireMonth = "March";
    const ProductValues values = GetValues(product, ws.Context());
    const ProgramValues& p = values.program;
    EXPECT_EQ(p.nameWithDashes, "My-App--ProX");
    EXPECT_EQ(p.releaseDay, "07");
    EXPECT_EQ(p.releaseMonth, "07");
    EXPECT_EQ(p.releaseYear, "2005");
    EXPECT_EQ(p.hasExpireInfo, "Y");
    EXPECT_EQ(p.expireBasedOn, "Days");
    EXPECT_EQ(product.program.expireBasedOn, "Days"); // chosen in the editor as well
    EXPECT_EQ(p.expireDay, "");                       // the year is not chosen
    EXPECT_EQ(p.expireMonth, "");
    EXPECT_EQ(p.includesDirectX, "Y");
    EXPECT_EQ(p.includesJavaVm, "N");
    EXPECT_EQ(p.osList, "Win98,Windows2000,WinXP");
    EXPECT_EQ(p.osShortList, "Win 98 2000 XP");
    EXPECT_EQ(p.languageList, "English,German");
    EXPECT_EQ(p.mainLanguage, "English");
    EXPECT_EQ(p.extraLanguages, "German");
    EXPECT_EQ(p.changeInfo, "Faster scanning. Fixed the caf\xE9 bug. ");
    EXPECT_EQ(p.eula, "Use at your own risk; see <b>terms</b>.");

    product.program.expireYear = "2006";
    product.program.releaseMonth = "Month";
    product.program.costDollars.clear();
    const ProductValues later = GetValues(product, ws.Context());
    EXPECT_EQ(later.program.expireDay, "09");
    EXPECT_EQ(later.program.expireMonth, "03");
    EXPECT_EQ(later.program.expireYear, "2006");
    EXPECT_EQ(later.program.releaseMonth, "00");
    EXPECT_EQ(later.program.priceDollars, "0");
}

TEST(ValueSetTest, JoinedTexts)
{
    EXPECT_EQ(JoinChangeInfo({"Added a", "Fixed b.", "Listed c,", "d  "}), "Added a. Fixed b. Listed c, d. ");
    // Blank lines add nothing, and a sentence read back from a PAD file does not grow.
    EXPECT_EQ(JoinChangeInfo({"", "   "}), "");
    EXPECT_EQ(JoinChangeInfo({"Added a. Fixed b. "}), "Added a. Fixed b. ");
    EXPECT_EQ(JoinMemo(std::vector<std::string>{"one", "two ", "three"}), "one two three");
    EXPECT_EQ(JoinMemo(std::vector<std::string>{"one", ""}), "one");
    EXPECT_EQ(JoinMemo(std::vector<std::string>{}), "");
    EXPECT_EQ(FirstKeywords(u"a,b,c,d,e,f,g,h,i,j,k,l,m"), u"a,b,c,d,e,f,g,h,i,j,k");
    EXPECT_EQ(FirstKeywords(u"a, b"), u"a, b");
}

TEST(ValueSetTest, KeywordSlots)
{
    EXPECT_EQ(KeywordSlots("a, b, c, d, e, f"), (std::array<std::string, 5>{"a", "b", "c", "d", "e"}));
    EXPECT_EQ(KeywordSlots("one"), (std::array<std::string, 5>{"one", "", "", "", ""}));
    EXPECT_EQ(KeywordSlots("x,,  y"), (std::array<std::string, 5>{"x", " y", "", "", ""}));
}

TEST(ValueSetTest, CompanyValuesAreNormalised)
{
    Workspace ws;
    ws.Dir().Write("states.dat", "IL\r\nIllinois\r\nCA\r\nCalifornia");
    Product product = SampleProduct();
    product.company.country = "United States of America";
    product.company.state = "ca";
    product.company.address1.clear();
    product.company.zip.clear();
    ProductValues values = GetValues(product, ws.Context());
    EXPECT_EQ(values.company.country, "USA");
    EXPECT_EQ(values.company.state, "California");
    EXPECT_EQ(values.company.address1, "-");
    EXPECT_EQ(values.company.zip, "-");
    EXPECT_EQ(values.company.city, "Springfield");
    EXPECT_EQ(values.aspMember, "Y");
    EXPECT_EQ(values.aspMemberDigit, "1");
    EXPECT_EQ(values.tpaMemberDigit, "0");

    for (std::string_view england : {"England", "gb", "New England Isles"}) {
        product.company.country = std::string(england);
        product.company.state = "Kent";
        values = GetValues(product, ws.Context());
        EXPECT_EQ(values.company.country, "United Kingdom") << england;
        EXPECT_EQ(values.company.state, "Kent");
    }
}

TEST(ValueSetTest, WebAffiliateAndRegistrationValues)
{
    Workspace ws;
    Product product = SampleProduct();
    product.urls.primaryDownloadUrl = "ftp://ftp.example/a.zip";
    product.urls.secondaryDownloadUrl = "https://www.example/a.zip";
    product.urls.uploadPadLocation = ws.Dir().Write("pad.xml", "x").string();
    product.urls.uploadFileLocation = (ws.Path() / "missing.exe").string();
    ProductValues values = GetValues(product, ws.Context());
    EXPECT_EQ(values.web.downloadHttp, "https://www.example/a.zip");
    EXPECT_EQ(values.web.downloadFtp, "ftp://ftp.example/a.zip");
    EXPECT_EQ(values.web.padPath, product.urls.uploadPadLocation);
    EXPECT_EQ(values.web.filePath, "-empty binary-");
    EXPECT_EQ(values.web.iconPath, "-empty binary-");

    const AffiliateValues& a = values.affiliates;
    EXPECT_EQ(a.regNowCompanyId, "12345");
    EXPECT_EQ(a.regNowOrderUrl, "https://www.regnow.com/softsell/nph-softsell.cgi?item=12345-1");
    EXPECT_EQ(a.affiliateOrderUrl, a.regNowOrderUrl);
    EXPECT_EQ(a.eSellerateOrderUrl,
              "https://www.esellerate.net/store/cart.aspx?s=STR12345&Cmd=BUY&SkuIDC=SKU999&pc=");
    EXPECT_EQ(a.regSoftOrderUrl, "");

    product.affiliates.regNowId = "12345";
    product.affiliates.shareItId.clear();
    values = GetValues(product, ws.Context());
    EXPECT_EQ(values.affiliates.regNowCompanyId, "");
    product.affiliates.regNowId.clear();
    EXPECT_EQ(GetValues(product, ws.Context()).affiliates.affiliateOrderUrl,
              values.affiliates.eSellerateOrderUrl);
    product.affiliates.eSellerateId.clear();
    EXPECT_EQ(GetValues(product, ws.Context()).affiliates.affiliateOrderUrl, product.urls.orderUrl);

    RegistrationCodes& codes = product.registration;
    codes.registrationName = "Winpicks Review";
    codes.registrationCode = "W-1";
    codes.complexCode = "two codes: 1 and 2";
    EXPECT_EQ(GetValues(product, ws.Context()).registration.registrationCode, "ABCD-1234");
    codes.kind = CodeKind::Personal;
    EXPECT_EQ(GetValues(product, ws.Context()).registration.registrationCode,
              "Name: \"Winpicks Review\"; Code: \"W-1\"");
    codes.kind = CodeKind::Complex;
    EXPECT_EQ(GetValues(product, ws.Context()).registration.registrationCode, "two codes: 1 and 2");
}

TEST(ValueSetTest, DescriptionRecordsEnglishFirst)
{
    Workspace ws;
    Product product = SampleProduct();
    const ProductValues values = GetValues(product, ws.Context());
    ASSERT_EQ(values.descriptions.size(), 3u);
    EXPECT_EQ(values.descriptions[0].Language, u"English");
    EXPECT_EQ(values.descriptions[0].Desc80, u"Removes junk files from your café computer's disks");
    EXPECT_EQ(values.descriptions[0].Desc250, u"Disk Cleaner Pro removes junk files. It is R&D's best tool.");
    EXPECT_EQ(values.descriptions[1].Language, u"German");
    EXPECT_EQ(values.descriptions[1].Desc2000, u"Entfernt überflüssige Dateien. Größer & schöner.");
    EXPECT_EQ(values.descriptions[2].Language, u"Chinise Traditional");
    EXPECT_EQ(values.keywords[2], "caf\xE9");
}

} // namespace
} // namespace listrider::catalogue
