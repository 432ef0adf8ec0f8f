#include <gtest/gtest.h>

#include "catalogue/company_list.h"
#include "catalogue/data_set.h"
#include "catalogue/description_languages.h"
#include "catalogue/product_list.h"
#include "sample_product.h"
#include "store/file_io.h"
#include "support/result_matchers.h"

namespace listrider::catalogue {
namespace {

namespace fs = std::filesystem;

using testing::ScriptedPrompter;
using testing::Snapshot;
using testing::Workspace;
using testsupport::ReadBytes;

TEST(CompanyListTest, NewCompanyWritesOnlyItsNameAndRefusesClashes)
{
    Workspace ws;
    const CompanyEntry acme = ws.AddCompany("Acme, Inc.  ");
    EXPECT_EQ(acme.name, "Acme, Inc.");
    EXPECT_EQ(acme.folder, ws.Path() / "Products" / "Acme Inc");
    EXPECT_EQ(ReadBytes(acme.folder / "Company.dat"), "<Company_Name>Acme, Inc.</Company_Name>");

    struct Case
    {
        std::string_view name;
        std::string_view message;
    };

    const Case refused[] = {
        {"Acme, Inc.", "A company with the name you have entered already exists"},
        {"..", "cannot be used: it must hold a character"},
        {" / : ", "cannot be used: it must hold a character"},
        {"ACME INC", "would share the folder of \"Acme, Inc.\""},
    };
    for (const Case& c : refused) {
        SCOPED_TRACE(std::string(c.name));
        store::Result<CompanyEntry> result = NewCompany(ws.Context(), c.name);
        EXPECT_ERROR_KIND(result, store::ErrorKind::Refused);
        EXPECT_NE(result.GetError().message.find(c.message), std::string::npos) << result.GetError().message;
    }
    EXPECT_FALSE(fs::exists(ws.Path() / "Products" / "Company.dat"));
    EXPECT_EQ(ListCompanies(ws.Context()).size(), 1u);
}

TEST(CompanyListTest, ListIsNewestFolderFirstAndDeleteKeepsTheProducts)
{
    Workspace ws;
    ws.AddCompany("Alpha");
    const CompanyEntry beta = ws.AddCompany("Beta");
    ws.Dir().Write("Products/Gamma/company.dat", "<Address_1>x</Address_1>"); // no name: listed nameless
    fs::create_directories(ws.Path() / "Products" / "NotACompany");
    std::vector<CompanyEntry> companies = ListCompanies(ws.Context());
    ASSERT_EQ(companies.size(), 3u);
    EXPECT_EQ(companies[0].name, "");
    EXPECT_EQ(companies[1].name, "Beta");
    EXPECT_EQ(companies[2].name, "Alpha");

    ws.AddSampleProduct(beta);
    ScriptedPrompter no({false});
    store::Result<bool> kept = DeleteCompany(beta, no);
    ASSERT_OK(kept);
    EXPECT_FALSE(kept.Value());
    EXPECT_EQ(no.questions, std::vector<std::string>{"Are you sure you want to delete Beta company?"});
    ScriptedPrompter silent;
    EXPECT_ERROR_KIND(DeleteCompany(beta, silent), store::ErrorKind::Cancelled);
    ScriptedPrompter yes({true});
    ASSERT_OK(DeleteCompany(beta, yes));
    EXPECT_EQ(ListCompanies(ws.Context()).size(), 2u);
    EXPECT_TRUE(fs::exists(beta.folder / "Disk Cleaner Pro" / "product.dat"));
}

TEST(ProductTest, NewProductWritesTheThreeLineProductFileAndCopiesCompanyFiles)
{
    Workspace ws;
    const CompanyEntry company = ws.AddCompany("Acme");
    ws.Dir().Write("Products/Acme/password.dat", "<Common_Login>shared</Common_Login>");
    ProductEditor editor;
    ASSERT_OK(NewProduct(editor, ws.Context(), &company, "My App 2.0", "1.0"));
    const fs::path folder = company.folder / "My App 20";
    EXPECT_EQ(
        ReadBytes(folder / "product.dat"),
        "<Program_Name>My App 2.0</Program_Name>\r\n<Program_Version>1.0</Program_Version>\r\n<Edit_Date>" +
            TodayText() + "</Edit_Date>\r\n");
    EXPECT_EQ(ReadBytes(company.folder / "products.dat"), "My App 2.0");
    EXPECT_EQ(ReadBytes(folder / "company.dat"), "<Company_Name>Acme</Company_Name>");
    EXPECT_EQ(fs::status(folder / "password.dat").permissions() & fs::perms::group_read, fs::perms::none);
    EXPECT_EQ(editor.accounts.defaults.login, "shared");
    EXPECT_EQ(editor.productName, "My App 2.0");
    EXPECT_FALSE(editor.imported);

    EXPECT_ERROR_KIND(NewProduct(editor, ws.Context(), nullptr, "X", "1"), store::ErrorKind::Refused);
    store::Result<void> again = NewProduct(editor, ws.Context(), &company, "My App 2.0", "2.0");
    EXPECT_ERROR_KIND(again, store::ErrorKind::Refused);
    EXPECT_EQ(again.GetError().message,
              "A product with the same name already exists. Please use the \"Edit\" button instead.");
    EXPECT_ERROR_KIND(NewProduct(editor, ws.Context(), &company, "My App. 2.0", "1"),
                      store::ErrorKind::Refused);
    EXPECT_ERROR_KIND(NewProduct(editor, ws.Context(), &company, "..", "1"), store::ErrorKind::Refused);
    EXPECT_EQ(ShowListOfProducts(company, ws.Context().codePage).size(), 1u);
}

TEST(ProductTest, SavedProductReopensAndSavesToTheSameBytes)
{
    Workspace ws;
    const CompanyEntry company = ws.AddCompany("Caf\xE9 Soft");
    ProductEditor saved = ws.AddSampleProduct(company);
    const auto first = Snapshot(company.folder);
    EXPECT_NE(first.at("Disk Cleaner Pro/product.dat").find("<PAD_Imported>NO</PAD_Imported>"),
              std::string::npos);

    ProductEditor editor;
    EditProduct(editor, ws.Context(), company, "Disk Cleaner Pro");
    EXPECT_EQ(editor.product, saved.product);
    EXPECT_FALSE(editor.imported);
    EXPECT_FALSE(editor.modified);
    ASSERT_OK(SaveProduct(editor, ws.Context()));
    EXPECT_EQ(Snapshot(company.folder), first);

    const std::vector<ProductEntry> listed = ShowListOfProducts(company, ws.Context().codePage);
    ASSERT_EQ(listed.size(), 1u);
    EXPECT_EQ(listed[0].version, "2.5");
    EXPECT_EQ(listed[0].editDate, TodayText());
}

TEST(ProductTest, SaveRefusesMissingNameOrVersionAndWritesNothing)
{
    Workspace ws;
    const CompanyEntry company = ws.AddCompany("Acme");
    ProductEditor editor = ws.AddSampleProduct(company);
    const auto before = Snapshot(company.folder);
    editor.product.program.version.clear();
    store::Result<void> result = SaveProduct(editor, ws.Context());
    EXPECT_ERROR_KIND(result, store::ErrorKind::Refused);
    EXPECT_EQ(result.GetError().message, "Enter program name and version.");
    EXPECT_EQ(Snapshot(company.folder), before);
}

TEST(ProductTest, RenameMovesJournalAndAccountsThenRemovesTheOldFolder)
{
    Workspace ws;
    const CompanyEntry company = ws.AddCompany("Acme");
    ProductEditor editor = ws.AddSampleProduct(company);
    const fs::path oldFolder = company.folder / "Disk Cleaner Pro";
    ws.Dir().Write("Products/Acme/Disk Cleaner Pro/Resume/resume.dat", "journal");
    ws.Dir().Write("Products/Acme/Disk Cleaner Pro/sites.dat", "<Site_Name>A</Site_Name>");
    const std::string passwords = ReadBytes(oldFolder / "password.dat");

    editor.product.program.name = "Disk Cleaner Pro 3";
    ASSERT_OK(SaveProduct(editor, ws.Context()));
    const fs::path newFolder = company.folder / "Disk Cleaner Pro 3";
    EXPECT_FALSE(fs::exists(oldFolder));
    EXPECT_EQ(ReadBytes(newFolder / "Resume" / "resume.dat"), "journal");
    EXPECT_EQ(ReadBytes(newFolder / "sites.dat"), "<Site_Name>A</Site_Name>");
    EXPECT_EQ(ReadBytes(newFolder / "password.dat"), passwords);
    EXPECT_EQ(editor.productName, "Disk Cleaner Pro 3");
    EXPECT_EQ(ReadBytes(company.folder / "products.dat"), "Disk Cleaner Pro 3");
    const std::vector<ProductEntry> listed = ShowListOfProducts(company, ws.Context().codePage);
    ASSERT_EQ(listed.size(), 1u);
    EXPECT_EQ(listed[0].name, "Disk Cleaner Pro 3");
}

TEST(ProductTest, RenameToAnUnusableOrTakenFolderIsRefusedAndLosesNothing)
{
    Workspace ws;
    const CompanyEntry company = ws.AddCompany("Acme");
    ws.AddSampleProduct(company, "Other Tool");
    ProductEditor editor = ws.AddSampleProduct(company);
    ws.Dir().Write("Products/Acme/Disk Cleaner Pro/Resume/resume.dat", "journal");
    const auto before = Snapshot(company.folder);
    for (std::string_view name : {"..", "Other Tool.", "other tool"}) {
        SCOPED_TRACE(std::string(name));
        editor.product.program.name = std::string(name);
        EXPECT_ERROR_KIND(SaveProduct(editor, ws.Context()), store::ErrorKind::Refused);
        EXPECT_EQ(Snapshot(company.folder), before);
    }
    // A name with the same folder is the same product.
    editor.product.program.name = "Disk Cleaner Pro.";
    ASSERT_OK(SaveProduct(editor, ws.Context()));
    EXPECT_TRUE(fs::exists(company.folder / "Disk Cleaner Pro" / "Resume" / "resume.dat"));
    EXPECT_EQ(ReadBytes(company.folder / "products.dat"), "Other Tool\r\nDisk Cleaner Pro.");
    EXPECT_EQ(ShowListOfProducts(company, ws.Context().codePage).size(), 2u);
}

TEST(ProductTest, AFailedWriteIsReportedAndTheOldFolderStays)
{
    Workspace ws;
    const CompanyEntry company = ws.AddCompany("Acme");
    ProductEditor editor = ws.AddSampleProduct(company);
    ws.Dir().Write("Products/Acme/Renamed", "a file where the new folder would go");
    editor.product.program.name = "Renamed";
    EXPECT_ERROR_KIND(SaveProduct(editor, ws.Context()), store::ErrorKind::Io);
    EXPECT_TRUE(fs::exists(company.folder / "Disk Cleaner Pro" / "product.dat"));
    EXPECT_EQ(editor.productName, "Disk Cleaner Pro");
}

TEST(ProductTest, DeleteRemovesTheNameButKeepsTheFolder)
{
    Workspace ws;
    const CompanyEntry company = ws.AddCompany("Acme");
    ws.AddSampleProduct(company);
    ws.Dir().Write("Products/Acme/products.dat", "Disk Cleaner Pro\r\nDISK CLEANER PRO\r\nKeep");
    ScriptedPrompter yes({true});
    store::Result<bool> deleted = DeleteProduct(company, "Disk Cleaner Pro", yes);
    ASSERT_OK(deleted);
    EXPECT_TRUE(deleted.Value());
    EXPECT_EQ(yes.questions, std::vector<std::string>{"Are you sure?"});
    EXPECT_EQ(ReadBytes(company.folder / "products.dat"), "Keep");
    EXPECT_TRUE(fs::exists(company.folder / "Disk Cleaner Pro" / "product.dat"));
    EXPECT_TRUE(ShowListOfProducts(company, ws.Context().codePage).empty());
}

TEST(DescriptionLanguagesTest, AddAndDeleteFollowTheirRules)
{
    ProductEditor editor;
    DescriptionSet& descriptions = editor.product.descriptions;
    ASSERT_OK(AddDescriptionLanguage(descriptions, "German"));
    ASSERT_OK(AddDescriptionLanguage(descriptions, "French"));
    EXPECT_EQ(AddDescriptionLanguage(descriptions, "german").GetError().message,
              "german description is already created.");
    EXPECT_EQ(AddDescriptionLanguage(descriptions, "English").GetError().message,
              "English description is already created.");

    ScriptedPrompter prompter({true});
    EXPECT_EQ(DeleteDescriptionLanguage(editor, 0, prompter).GetError().message,
              "English language cannot be deleted");
    editor.faults.AddFlashingField({FieldKind::Desc45, 2});
    ASSERT_OK(DeleteDescriptionLanguage(editor, 1, prompter));
    EXPECT_EQ(prompter.questions, std::vector<std::string>{"Are you sure you want to delete this language?"});
    ASSERT_EQ(descriptions.others.size(), 1u);
    EXPECT_EQ(descriptions.others[0].language, "French");
    EXPECT_EQ(editor.faults.Fields(), (std::vector<FieldId>{{FieldKind::Desc45, 1}}));

    LanguageList languages;
    ASSERT_OK(AddSupportedLanguage(languages, "Klingon"));
    EXPECT_FALSE(languages.Entries().back().ticked);
    EXPECT_EQ(AddSupportedLanguage(languages, "GERMAN").GetError().message,
              "GERMAN language already is in the list.");
}

} // namespace
} // namespace listrider::catalogue
