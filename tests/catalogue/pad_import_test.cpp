#include <gtest/gtest.h>

#include "catalogue/company_list.h"
#include "catalogue/data_set.h"
#include "catalogue/pad_generate.h"
#include "catalogue/pad_import.h"
#include "catalogue/pad_reader.h"
#include "catalogue/pad_source.h"
#include "catalogue/pad_writer.h"
#include "catalogue/product_list.h"
#include "catalogue/reseller_ids.h"
#include "catalogue/value_set.h"
#include "sample_product.h"
#include "store/file_io.h"
#include "support/result_matchers.h"

namespace listrider::catalogue {
namespace {

namespace fs = std::filesystem;

using testing::SampleProduct;
using testing::ScriptedPrompter;
using testing::TestDataPath;
using testing::Workspace;

std::vector<std::string> OsCaptionsOf(const OsSelection& selection)
{
    std::vector<std::string> captions;
    for (std::size_t i = 0; i < kOsCount; ++i) {
        if (selection.ticked[i]) {
            captions.emplace_back(OsCaptions()[i]);
        }
    }
    return captions;
}

// Imports a fixture into a fresh workspace and returns the editor afterwards.
struct Imported
{
    Workspace ws;
    ProductEditor editor;
    PadImportResult result;
};

std::unique_ptr<Imported> Import(const fs::path& file)
{
    auto imported = std::make_unique<Imported>();
    ScriptedPrompter prompter;
    store::Result<PadImportResult> result =
        ImportPad(imported->editor, imported->ws.Context(), file, prompter);
    EXPECT_OK(result);
    EXPECT_TRUE(prompter.questions.empty());
    if (result) {
        imported->result = result.Value();
    }
    return imported;
}

TEST(PadImportTest, Utf8FileWithSeveralLanguagesAndMultiLineTexts)
{
    const auto imported = Import(TestDataPath("pad_201_utf8_crlf.xml"));
    const ProductEditor& editor = imported->editor;
    const Product& p = editor.product;
    EXPECT_TRUE(imported->result.saved);
    EXPECT_TRUE(imported->result.createdCompany && imported->result.createdProduct);
    EXPECT_EQ(imported->result.status, "Product information is successfully imported from PAD file.");
    EXPECT_TRUE(editor.imported);

    EXPECT_EQ(p.company.name, "Nordlicht Software GmbH");
    EXPECT_EQ(p.company.address1,
              "Hauptstra\xDF"
              "e 5");
    EXPECT_EQ(p.company.city, "M\xFCnchen");
    EXPECT_EQ(p.company.authorLastName, "Wei\xDF");
    EXPECT_TRUE(p.company.aspMember);
    EXPECT_EQ(p.company.aspMemberNumber, "4321");

    const ProgramInfo& g = p.program;
    EXPECT_EQ(g.name, "Photo Sorter & Renamer");
    EXPECT_EQ(g.version, "3.1.2");
    EXPECT_EQ(g.releaseMonth, "July");
    EXPECT_EQ(g.releaseDay, "05");
    EXPECT_EQ(g.releaseYear, "2005");
    EXPECT_EQ(g.costDollars, "29.95");
    EXPECT_EQ(g.costOther, "24.95");
    EXPECT_EQ(g.costOtherCode, "EUR");
    EXPECT_EQ(g.releaseStatus, "Major Update");
    EXPECT_EQ(OsCaptionsOf(g.os),
              (std::vector<std::string>{"Windows 98", "Windows ME", "Windows 2000", "Windows XP"}));
    EXPECT_EQ(g.languages.Encode(), "English,German,Russian");
    EXPECT_EQ(g.fileSizeBytes, "2345678");
    EXPECT_EQ(g.fileSizeK, "2290");
    EXPECT_EQ(g.fileSizeMb, "2.24");
    EXPECT_TRUE(g.hasExpireInfo);
    EXPECT_EQ(g.expireMonth, "December");
    EXPECT_EQ(g.expireDay, "31");
    EXPECT_EQ(g.expireYear, "2006");
    EXPECT_TRUE(g.includesVbRuntime);
    EXPECT_EQ(g.changeInfo, (MemoLines{"New batch rename; faster \"EXIF\" reading."}));
    EXPECT_EQ(g.permissions,
              (MemoLines{"You may distribute this program freely", "on CD-ROM and web sites."}));
    EXPECT_EQ(g.eula, (MemoLines{"THIS SOFTWARE IS PROVIDED \"AS IS\".", "Use it <at your own risk>."}));
    EXPECT_EQ(p.category.padSpecificCategory, "Graphics");
    EXPECT_EQ(p.category.categoryClass, "Graphic Apps::Viewers");
    EXPECT_EQ(p.category.padCategories, "Photo Tools");

    const EnglishDescription& e = p.descriptions.english;
    EXPECT_EQ(e.desc45, "Sorts & renames your photos"); // escaped twice, unescaped twice
    EXPECT_EQ(e.desc80, "Sorts and renames digital photos by their EXIF date \x96 fast");
    EXPECT_EQ(e.desc250,
              (MemoLines{"Photo Sorter sorts your digital photos into folders by date <and> renames them."}));
    EXPECT_EQ(e.desc450, (MemoLines{"Photo Sorter sorts your digital photos", "into folders by date."}));
    EXPECT_EQ(e.desc2000,
              (MemoLines{"Photo Sorter sorts your digital photos into folders by date.",
                         "It reads EXIF & IPTC data.",
                         "",
                         "It renames files by templates <date>_<n>."}));
    ASSERT_EQ(p.descriptions.others.size(), 2u);
    EXPECT_EQ(p.descriptions.others[0].language, "German");
    EXPECT_EQ(p.descriptions.others[0].desc45, u"Sortiert & benennt Fotos um");
    EXPECT_EQ(p.descriptions.others[0].desc2000,
              (std::vector<std::u16string>{u"Photo Sorter sortiert Ihre Fotos.",
                                           u"Größere Sammlungen? Kein Problem."}));
    EXPECT_EQ(p.descriptions.others[1].language, "Russian");
    EXPECT_EQ(p.descriptions.others[1].keywords, u"фото, сортировка");

    const AffiliateInfo& a = p.affiliates;
    EXPECT_EQ(a.regNowId, "12345-1");
    EXPECT_EQ(a.regNowCommission, "25");
    EXPECT_EQ(a.shareItCommission, "30"); // "25%" is no whole number
    EXPECT_EQ(p.urls.orderUrl, "https://www.regnow.com/softsell/nph-softsell.cgi?item=12345-1&ss=1");
    EXPECT_EQ(p.urls.uploadPadLocation, TestDataPath("pad_201_utf8_crlf.xml").string());
    EXPECT_TRUE(a.support.regNow);

    // Saved and listed; real files rarely pass every rule: the import only warns.
    const std::vector<CompanyEntry> companies = ListCompanies(imported->ws.Context());
    ASSERT_EQ(companies.size(), 1u);
    ASSERT_EQ(ShowListOfProducts(companies[0], imported->ws.Context().codePage).size(), 1u);
    bool osWarning = false;
    for (const PadWarning& warning : imported->result.warnings) {
        osWarning = osWarning || warning.field == "Program_OS_Support";
    }
    EXPECT_TRUE(osWarning);
}

TEST(PadImportTest, DeclaredSingleByteFileWithLfLines)
{
    const auto imported = Import(TestDataPath("pad_311_windows1252_lf.xml"));
    const Product& p = imported->editor.product;
    EXPECT_EQ(p.company.name, "Soci\xE9t\xE9 G\xE9n\xE9rale du Logiciel");
    EXPECT_EQ(p.company.address1, "3 rue de l'\xC9glise");
    EXPECT_EQ(p.program.version, "1.0 beta");
    EXPECT_EQ(p.program.releaseMonth, "March");
    EXPECT_EQ(p.program.releaseYear, "2008");
    EXPECT_EQ(p.program.type, "Freeware");
    EXPECT_EQ(p.program.releaseStatus, ""); // no entry "new release"
    EXPECT_EQ(OsCaptionsOf(p.program.os), (std::vector<std::string>{"Windows XP", "Linux"}));
    EXPECT_EQ(p.program.languages.Encode(), "French,Italian,Walloon");
    EXPECT_EQ(p.program.changeInfo, (MemoLines{"Premi\xE8re version.", "Second line of changes."}));
    EXPECT_EQ(p.category.categoryClass, "Home & Hobby::Food & Drink");
    EXPECT_EQ(p.descriptions.english.desc45, "Plans your caf\xE9 menus");

    // German lacks its 2000 character text and is left out; "_" in a name is a space.
    ASSERT_EQ(p.descriptions.others.size(), 2u);
    EXPECT_EQ(p.descriptions.others[0].language, "Italian");
    EXPECT_EQ(p.descriptions.others[0].desc45, u"Pianifica i menù");
    EXPECT_EQ(p.descriptions.others[1].language, "Chinese Simplified");

    EXPECT_EQ(p.affiliates.shareItId, "300123");
    EXPECT_EQ(p.affiliates.shareItCompanyId, "20055");
    EXPECT_TRUE(p.affiliates.support.shareIt);
    EXPECT_FALSE(p.affiliates.support.eSellerate);
}

TEST(PadImportTest, LinesSplitAtEveryBreakAndValuesFollowTheEncoding)
{
    const store::CodePage codePage = store::CodePage::Default();
    const PadSource mixed("\xEF\xBB\xBF<a>1</a>\r<b>R&amp;D</b>\n<c>caf\xC3\xA9 &#8364; &lt;b&gt;</c>\r\n<d>",
                          codePage);
    ASSERT_EQ(mixed.Lines().size(), 4u);
    EXPECT_EQ(mixed.Lines()[0], "<a>1</a>");
    EXPECT_EQ(mixed.Lines()[1], "<b>R&D</b>");
    EXPECT_TRUE(mixed.IsUtf8());
    EXPECT_EQ(mixed.Text("caf\xC3\xA9 &#8364; &#60;b&gt;"), "caf\xE9 \x80 &#60;b&gt;");
    EXPECT_EQ(mixed.Text("&lt;b&gt; &#x3c;", true), "<b> <");
    EXPECT_EQ(mixed.Wide("\xE2\x82\xAC \xE6\x97\xA5"), u"€ 日");
    EXPECT_EQ(mixed.Text("\xE6\x97\xA5"), "?");

    const PadSource declared("<?xml version=\"1.0\" encoding='ISO-8859-15'?>\n<a>\xA4</a>", codePage);
    EXPECT_EQ(DeclaredEncoding(declared.RawText()), "ISO-8859-15");
    EXPECT_FALSE(declared.IsUtf8());
    EXPECT_EQ(declared.Wide("\xA4"), u"€");
    const PadSource ansi("<a>caf\xE9</a>", codePage);
    EXPECT_FALSE(ansi.IsUtf8());
    EXPECT_EQ(ansi.Text("caf\xE9"), "caf\xE9");
}

TEST(PadImportTest, MonthAndDayRules)
{
    struct Case
    {
        std::string_view month;
        std::string_view expected;
    };

    for (const Case& c : {Case{"7", "July"},
                          Case{"07", "July"},
                          Case{"July", "July"},
                          Case{"13", "Month"},
                          Case{"july", "Month"}}) {
        SCOPED_TRACE(std::string(c.month));
        Product product;
        const PadSource source(
            "<Program_Release_Month>" + std::string(c.month) +
                "</Program_Release_Month>\r\n<Program_Release_Day>9</Program_Release_Day>\r\n"
                "<Program_Release_Year>2099</Program_Release_Year>",
            store::CodePage::Default());
        ReadPadElements(source, product, "");
        EXPECT_EQ(product.program.releaseMonth, c.expected);
        EXPECT_EQ(product.program.releaseDay, "09");
        EXPECT_EQ(product.program.releaseYear, "Year");
    }
}

TEST(PadImportTest, ResellerIdsFromTheOrderUrl)
{
    struct Case
    {
        std::string_view line;
        std::string_view parent;
        AffiliateInfo expected;
    };

    AffiliateInfo regNow;
    regNow.regNowId = "12345-1";
    AffiliateInfo shareIt;
    shareIt.shareItId = "4711";
    AffiliateInfo regSoft;
    regSoft.regSoftId = "998";
    AffiliateInfo eSellerate;
    eSellerate.eSellerateCompanyId = "STR555";
    const Case cases[] = {
        {"<Application_Order_URL>http://www.RegNow.com/x?ITEM=12345-1</Application_Order_URL>", "", regNow},
        {"<Application_Order_URL>http://www.regnow.com/x?item=12345-1", "", {}}, // nothing follows the ID
        {"<Application_Order_URL>http://www.shareit.com/product.html?productid=4711</A>", "", shareIt},
        {"<Application_Order_URL>https://order.parent.example/add?PRODUCT[4711]=1</A>",
         "parent.example",
         shareIt},
        {"<Application_Order_URL>https://order.parent.example/add?PRODUCT[4711]=1</A>", "", {}},
        {"<Application_Order_URL>http://www.regsoft.net/purchase.php3?productid=998</A>", "", regSoft},
        {"<Application_Order_URL>https://store.esellerate.net/cart.aspx?s=STR555&amp;x=1</A>",
         "",
         eSellerate},
        {"<Application_Order_URL>https://www.regnow.com/x?item=</A>", "", {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.line));
        AffiliateInfo affiliates;
        ReadResellerIds(c.line, c.parent, affiliates);
        EXPECT_EQ(affiliates, c.expected);
    }
}

TEST(PadImportTest, RefusesFilesThatAreNotPad)
{
    Workspace ws;
    ProductEditor editor;
    ScriptedPrompter prompter;
    store::Result<PadImportResult> result =
        ImportPad(editor, ws.Context(), TestDataPath("not_a_pad.xml"), prompter);
    EXPECT_ERROR_KIND(result, store::ErrorKind::Malformed);
    EXPECT_EQ(result.GetError().message, "Selected file is not correct PAD XML.");
    EXPECT_FALSE(fs::exists(ws.Path() / "Products"));
}

TEST(PadImportTest, GeneratedFileImportsBackToTheSameProduct)
{
    Workspace source;
    const CompanyEntry company = source.AddCompany("Caf\xE9 Soft");
    Product original = SampleProduct();
    // Single-line memos survive as they are; longer ones come back joined, as the file has them.
    original.program.changeInfo = {"Faster scanning."};
    original.descriptions.english.desc250 = {"Disk Cleaner Pro removes junk files."};
    original.descriptions.english.desc2000 = {"Disk Cleaner Pro removes junk files."};
    original.descriptions.others[0].desc2000 = {u"Entfernt überflüssige Dateien. Größer & schöner."};
    ProductEditor editor = source.AddSampleProduct(company);
    editor.product = original;
    ASSERT_OK(SaveProduct(editor, source.Context()));
    ProductEditor generator;
    store::Result<PadDocument> document =
        BuildPadDocument(generator, source.Context(), company, "Disk Cleaner Pro");
    ASSERT_OK(document);
    const fs::path file = source.Dir().Write("out/dcpro.xml", document.Value().text);

    const auto imported = Import(file);
    const Product& back = imported->editor.product;
    EXPECT_EQ(back.company, generator.product.company);
    EXPECT_EQ(back.descriptions, generator.product.descriptions);
    ProgramInfo program = back.program;
    program.awards = generator.product.program.awards; // not in PAD files
    program.editDate = generator.product.program.editDate;
    // The file holds the changes as one sentence line.
    EXPECT_EQ(JoinChangeInfo(program.changeInfo), JoinChangeInfo(generator.product.program.changeInfo));
    program.changeInfo = generator.product.program.changeInfo;
    EXPECT_EQ(program, generator.product.program);
    EXPECT_EQ(back.program.eula, (MemoLines{"Use at your own risk; see <b>terms</b>."}));
    EXPECT_EQ(back.category.padSpecificCategory, original.category.padSpecificCategory);
    EXPECT_EQ(back.category.categoryClass, original.category.categoryClass);
    EXPECT_EQ(back.affiliates.regNowId, original.affiliates.regNowId);
    EXPECT_EQ(back.affiliates.eSellerateId, original.affiliates.eSellerateId);
    EXPECT_EQ(back.urls.primaryDownloadUrl, original.urls.primaryDownloadUrl);
    // A validator takes no markup in the licence text; everything else passes.
    ASSERT_EQ(imported->result.warnings.size(), 1u);
    EXPECT_EQ(imported->result.warnings[0].field, "EULA");

    // And the file it makes is the file it came from.
    const CompanyEntry importedCompany = ListCompanies(imported->ws.Context()).front();
    ProductEditor again;
    EditProduct(again, imported->ws.Context(), importedCompany, "Disk Cleaner Pro");
    again.accounts.defaults = editor.accounts.defaults; // accounts are not part of PAD files
    ASSERT_OK(SaveProduct(again, imported->ws.Context()));
    store::Result<PadDocument> regenerated =
        BuildPadDocument(again, imported->ws.Context(), importedCompany, "Disk Cleaner Pro");
    ASSERT_OK(regenerated);
    EXPECT_EQ(regenerated.Value().text, document.Value().text);
}

TEST(PadImportTest, ListedProductIsOverwrittenOnlyAfterYes)
{
    Workspace ws;
    const CompanyEntry company = ws.AddCompany("Nordlicht Software GmbH");
    ProductEditor listed = ws.AddSampleProduct(company, "PHOTO SORTER & RENAMER");
    listed.product.urls.uploadFileLocation = "/home/user/psort.exe";
    listed.product.registration.singleCode = "KEEP-ME";
    listed.product.category.fastCategory = "Graphics";
    ASSERT_OK(SaveProduct(listed, ws.Context()));
    const auto before = testing::Snapshot(company.folder);

    ProductEditor editor;
    ScriptedPrompter no({false});
    store::Result<PadImportResult> kept =
        ImportPad(editor, ws.Context(), TestDataPath("pad_201_utf8_crlf.xml"), no);
    ASSERT_OK(kept);
    EXPECT_FALSE(kept.Value().saved);
    ASSERT_EQ(no.questions.size(), 1u);
    EXPECT_EQ(no.questions[0],
              "A product with the same name already exists. Would you like to overwrite it?\n\n"
              "Current Version: 2.5\nNew Version: 3.1.2");
    EXPECT_EQ(editor.product.program.version, "3.1.2"); // the editor shows the imported values
    EXPECT_EQ(testing::Snapshot(company.folder), before);

    ScriptedPrompter yes({true});
    ASSERT_OK(ImportPad(editor, ws.Context(), TestDataPath("pad_201_utf8_crlf.xml"), yes));
    const std::vector<ProductEntry> products = ShowListOfProducts(company, ws.Context().codePage);
    ASSERT_EQ(products.size(), 1u);
    EXPECT_EQ(products[0].version, "3.1.2");
    ProductEditor reopened;
    EditProduct(reopened, ws.Context(), company, products[0].name);
    EXPECT_EQ(reopened.product.urls.uploadFileLocation, "/home/user/psort.exe");
    EXPECT_EQ(reopened.product.registration.singleCode, "KEEP-ME");
    EXPECT_EQ(reopened.product.category.fastCategory, "Graphics");
    EXPECT_EQ(reopened.product.affiliates.regNowId, "12345-1");
    EXPECT_TRUE(reopened.imported);
}

TEST(PadImportTest, AccountsFromSubmissionFileBesideThePad)
{
    Workspace ws;
    const fs::path pad = ws.Dir().Write("import/app.xml", testing::ReadTestData("pad_201_utf8_crlf.xml"));
    ws.Dir().Write("import/submission.tmp",
                   "header\r\n=====\r\n@\r\nunused 1\r\nunused 2\r\ntoollogin\r\ntoolpass\r\n"
                   "zeta downloads\r\nzlogin\r\nzpass\r\n"
                   "Unknown Site\r\nx\r\ny\r\n"
                   "Alpha Files\r\nNone\r\n \r\n"
                   "=====\r\ntrailer\r\n=====\r\n");
    ProductEditor editor;
    editor.accounts =
        LoadPasswords(std::vector<AccountSiteRow>{{"Zeta Downloads", "LOGINPASSWORD", false, false, ""},
                                                  {"Alpha Files", "LOGINPASSWORD", false, false, ""}});
    ScriptedPrompter prompter;
    store::Result<PadImportResult> result = ImportPad(editor, ws.Context(), pad, prompter);
    ASSERT_OK(result);
    EXPECT_TRUE(result.Value().accountsImported);
    EXPECT_EQ(editor.accounts.defaults.login, "toollogin");
    EXPECT_EQ(editor.accounts.defaults.password, "toolpass");
    EXPECT_EQ(editor.accounts.FindExact("Zeta Downloads")->login, "zlogin");
    EXPECT_EQ(editor.accounts.FindExact("Zeta Downloads")->password, "zpass");
    EXPECT_EQ(editor.accounts.FindExact("Alpha Files")->login, "");
    const CompanyEntry company = ListCompanies(ws.Context()).front();
    EXPECT_NE(testsupport::ReadBytes(ProductFolder(company, "Photo Sorter & Renamer", ws.Context().codePage) /
                                     "password.dat")
                  .find("<Site_Login>zlogin</Site_Login>"),
              std::string::npos);
}

TEST(PadImportTest, CompanyImportCreatesTheNamedCompany)
{
    Workspace ws;
    store::Result<std::vector<CompanyEntry>> created =
        ImportPadCompanies(ws.Context(), TestDataPath("pad_311_windows1252_lf.xml"));
    ASSERT_OK(created);
    ASSERT_EQ(created.Value().size(), 1u);
    EXPECT_EQ(created.Value()[0].name, "Soci\xE9t\xE9 G\xE9n\xE9rale du Logiciel");
    EXPECT_EQ(created.Value()[0].folder.filename(), "Société Générale du Logiciel");
    store::Result<std::vector<CompanyEntry>> again =
        ImportPadCompanies(ws.Context(), TestDataPath("pad_311_windows1252_lf.xml"));
    EXPECT_ERROR_KIND(again, store::ErrorKind::Refused);
    EXPECT_EQ(again.GetError().message, "A company with the name you have entered already exists");
}

} // namespace
} // namespace listrider::catalogue
