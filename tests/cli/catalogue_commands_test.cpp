#include <map>
#include <sstream>

#include <gtest/gtest.h>

#include "cli/cli_app.h"
#include "cli/exit_codes.h"
#include "cli_runner.h"
#include "support/temp_dir.h"

namespace listrider::cli {
namespace {

namespace fs = std::filesystem;

class CatalogueCommandsTest : public ::testing::Test
{
protected:
    CliRun Run(std::vector<std::string> args) { return RunCliIn(m_dir.Path(), std::move(args)); }

    CliRun Set(const std::string& field, const std::string& value)
    {
        return Run({"product", "set", "--company", "Café Soft", "--product", "Disk Cleaner", field, value});
    }

    // A company and a product with every field a PAD file needs.
    void AddFilledProduct()
    {
        ASSERT_EQ(Run({"company", "new", "Café Soft"}).code, kExitOk);
        ASSERT_EQ(Run({"product", "new", "--company", "Café Soft", "Disk Cleaner", "1.0"}).code, kExitOk);
        const std::pair<std::string, std::string> fields[] = {
            {"Program_Type", "Shareware"},
            {"Program_Release_Status", "New Release"},
            {"Program_Install_Support", "Install Only"},
            {"Program_Release_Day", "05"},
            {"Program_Release_Month", "May"},
            {"Program_Release_Year", "2024"},
            {"Program_Cost_Dollars", "9,95"},
            {"Filename_Generic", "dc.exe"},
            {"File_Size_Bytes", "1000"},
            {"File_Size_K", "1"},
            {"File_Size_MB", "0.01"},
            {"Program_OS_Support", "Win95,Linux"},
            {"Program_Language", "English"},
            {"Keywords", "disk,cleaner"},
            {"Char_Desc_45", "Cleans disks"},
            {"Char_Desc_80", "Cleans disks of José's café"},
            {"Char_Desc_250", "Cleans disks.\nFast."},
            {"Char_Desc_450", "Cleans disks."},
            {"Char_Desc_2000", "Cleans disks."},
            {"Company_WebSite_URL", "https://cafe.example"},
            {"Contact_Email", "a@cafe.example"},
            {"Author_Email", "a@cafe.example"},
            {"General_Email", "a@cafe.example"},
            {"Support_Email", "a@cafe.example"},
            {"Sales_Email", "a@cafe.example"},
            {"Application_Info_URL", "http://cafe.example/dc"},
            {"Application_XML_File_URL", "http://cafe.example/dc.xml"},
            {"Primary_Download_URL", "http://cafe.example/dc.zip"},
            {"PAD_Specific_Category", "Utilities"},
            {"PAD_Categories", "Disk"},
        };
        for (const auto& [field, value] : fields) {
            const CliRun run = Set(field, value);
            ASSERT_EQ(run.code, kExitOk) << field << ": " << run.err;
        }
        ASSERT_EQ(Run({"accounts",
                       "set",
                       "--company",
                       "Café Soft",
                       "--product",
                       "Disk Cleaner",
                       "--default-login",
                       "author1",
                       "--default-password",
                       "secret1"})
                      .code,
                  kExitOk);
    }

    static std::map<std::string, std::string> Files(const fs::path& folder)
    {
        std::map<std::string, std::string> files;
        for (const auto& entry : fs::recursive_directory_iterator(folder)) {
            if (entry.is_regular_file()) {
                files[entry.path().string()] = testsupport::ReadBytes(entry.path());
            }
        }
        return files;
    }

    fs::path ProductFolder() const { return m_dir.Path() / "Products" / "Café Soft" / "Disk Cleaner"; }

    testsupport::TempDir m_dir;
};

TEST_F(CatalogueCommandsTest, CompaniesAndProductsFromTheCommandLine)
{
    EXPECT_EQ(Run({"company", "new", "Café Soft"}).out, "Created company Café Soft\n");
    const CliRun duplicate = Run({"company", "new", "Café Soft"});
    EXPECT_EQ(duplicate.code, kExitFailure);
    EXPECT_NE(duplicate.err.find("A company with the name you have entered already exists"),
              std::string::npos);
    EXPECT_EQ(Run({"company", "new", ".."}).code, kExitFailure);
    EXPECT_EQ(Run({"company", "list", "--json"}).out.substr(0, 22), "[{\"name\":\"Café Soft\",");

    EXPECT_EQ(Run({"product", "new", "--company", "Nobody", "X", "1"}).err,
              "listrider-cli: Company must be created first.\n");
    ASSERT_EQ(Run({"product", "new", "--company", "café soft", "Disk Cleaner", "1.0"}).code, kExitOk);
    const std::string product = testsupport::ReadBytes(ProductFolder() / "product.dat");
    EXPECT_NE(product.find("<PAD_Imported>NO</PAD_Imported>"), std::string::npos);
    // Reopened and saved again, the data set reads the same byte for byte.
    const auto before = Files(m_dir.Path() / "Products");
    ASSERT_EQ(Set("Program_Version", "1.0").code, kExitOk);
    EXPECT_EQ(Files(m_dir.Path() / "Products"), before);

    const CliRun warned = Set("Program_Version", "v1.1");
    EXPECT_EQ(warned.code, kExitOk);
    EXPECT_EQ(warned.err,
              "warning: Version: Product version must not begin with \"v\" or \"v.\" characters.\n");
    EXPECT_EQ(Set("Program_Type", "Sharewhere").code, kExitUsage);
    EXPECT_EQ(Set("No_Such_Field", "x").code, kExitUsage);
    ASSERT_EQ(Set("Address_1", "Rue de l'Église 5").code, kExitOk);
    EXPECT_NE(testsupport::ReadBytes(ProductFolder() / "company.dat")
                  .find("<Address_1>Rue de l'\xC9glise 5</Address_1>"),
              std::string::npos);

    EXPECT_EQ(
        Run({"product", "add-language", "--company", "Café Soft", "--product", "Disk Cleaner", "German"})
            .code,
        kExitOk);
    ASSERT_EQ(Run({"product",
                   "set",
                   "--company",
                   "Café Soft",
                   "--product",
                   "Disk Cleaner",
                   "--language",
                   "German",
                   "Char_Desc_45",
                   "Räumt auf"})
                  .code,
              kExitOk);
    const CliRun shown =
        Run({"product", "show", "--company", "Café Soft", "--product", "Disk Cleaner", "--json"});
    EXPECT_NE(shown.out.find("\"Program_Version\":\"v1.1\""), std::string::npos);
    EXPECT_NE(shown.out.find("\"Address_1\":\"Rue de l'Église 5\""), std::string::npos);
    EXPECT_NE(shown.out.find("{\"language\":\"German\",\"Keywords\":\"\",\"Char_Desc_45\":\"Räumt auf\""),
              std::string::npos);

    m_dir.Write("Products/Café Soft/Disk Cleaner/Resume/resume.dat", "journal");
    ASSERT_EQ(
        Run({"product", "rename", "--company", "Café Soft", "--product", "Disk Cleaner", "Disk Cleaner Pro"})
            .code,
        kExitOk);
    EXPECT_FALSE(fs::exists(ProductFolder()));
    EXPECT_EQ(testsupport::ReadBytes(m_dir.Path() / "Products" / "Café Soft" / "Disk Cleaner Pro" / "Resume" /
                                     "resume.dat"),
              "journal");
    EXPECT_EQ(Run({"product", "list", "--company", "Café Soft", "--json"}).out.substr(0, 45),
              "[{\"name\":\"Disk Cleaner Pro\",\"version\":\"v1.1\",");

    EXPECT_EQ(Run({"product", "delete", "--company", "Café Soft", "--product", "Disk Cleaner Pro"}).code,
              kExitFailure);
    EXPECT_EQ(
        Run({"product", "delete", "--company", "Café Soft", "--product", "Disk Cleaner Pro", "--yes"}).code,
        kExitOk);
    EXPECT_EQ(Run({"product", "list", "--company", "Café Soft"}).out, "");
    EXPECT_NE(
        Run({"company", "delete", "Café Soft", "--no"}).out.find("[answered no]\nKept company Café Soft\n"),
        std::string::npos);
}

TEST_F(CatalogueCommandsTest, ValidateAndGeneratePad)
{
    AddFilledProduct();
    const CliRun before = Run({"validate", "--company", "Café Soft", "--product", "Disk Cleaner"});
    EXPECT_EQ(before.code, kExitFailure);
    EXPECT_EQ(before.out,
              "Upload_File_Location (Upload file location:): A required field can not be empty.\n"
              "Upload_PAD_Location (PAD file location:): A required field can not be empty.\n");
    const CliRun pad =
        Run({"validate", "--company", "Café Soft", "--product", "Disk Cleaner", "--pad", "--pad-spec"});
    EXPECT_EQ(pad.code, kExitOk) << pad.out;
    EXPECT_NE(pad.out.find("warning: Company_WebSite_URL: a PAD validator expects URL http://"),
              std::string::npos);
    EXPECT_NE(pad.out.find("All fields are filled out correctly."), std::string::npos);

    const CliRun generated = Run({"generate-pad",
                                  "--company",
                                  "Café Soft",
                                  "--product",
                                  "Disk Cleaner",
                                  "-o",
                                  (m_dir / "out").string()});
    ASSERT_EQ(generated.code, kExitOk) << generated.err;
    const std::string text = testsupport::ReadBytes(m_dir / "out.xml");
    EXPECT_NE(text.find("<Char_Desc_80>Cleans disks of José&apos;s café</Char_Desc_80>\r\n"),
              std::string::npos);
    EXPECT_NE(text.find("<Program_Cost_Dollars>9.95</Program_Cost_Dollars>"), std::string::npos);
    EXPECT_EQ(Run({"generate-pad",
                   "--company",
                   "Café Soft",
                   "--product",
                   "Disk Cleaner",
                   "-o",
                   (m_dir / "out.xml").string()})
                  .code,
              kExitFailure); // replacing needs an answer
    const CliRun byDefault = Run({"generate-pad", "--company", "Café Soft", "--product", "Disk Cleaner"});
    EXPECT_EQ(byDefault.code, kExitOk);
    EXPECT_TRUE(fs::exists(m_dir.Path() / "PAD Files" / "Disk_Cleaner.xml"));

    ASSERT_EQ(Set("Char_Desc_45", "").code, kExitOk);
    const CliRun refused =
        Run({"generate-pad", "--company", "Café Soft", "--product", "Disk Cleaner", "--yes"});
    EXPECT_EQ(refused.code, kExitFailure);
    EXPECT_NE(refused.err.find(
                  "Char_Desc_45 [English] (45 Char. Description:): 45 Chars Description must be entered."),
              std::string::npos);
    EXPECT_NE(refused.err.find("Not all fields were filled out correctly."), std::string::npos);
}

TEST_F(CatalogueCommandsTest, ImportPadAskingBeforeOverwriting)
{
    AddFilledProduct();
    ASSERT_EQ(Run({"generate-pad",
                   "--company",
                   "Café Soft",
                   "--product",
                   "Disk Cleaner",
                   "-o",
                   (m_dir / "dc.xml").string()})
                  .code,
              kExitOk);
    EXPECT_EQ(Run({"import-pad", (m_dir / "dc.xml").string()}).code, kExitFailure);
    const CliRun kept = Run({"import-pad", (m_dir / "dc.xml").string(), "--no"});
    EXPECT_EQ(kept.code, kExitOk);
    EXPECT_NE(kept.out.find("Current Version: 1.0\nNew Version: 1.0 [answered no]"), std::string::npos);
    const CliRun replaced = Run({"import-pad", (m_dir / "dc.xml").string(), "--yes"});
    EXPECT_EQ(replaced.code, kExitOk);
    EXPECT_NE(replaced.out.find("Product information is successfully imported from PAD file.\n"),
              std::string::npos);
    EXPECT_EQ(testsupport::ReadBytes(ProductFolder() / "product.dat").find("PAD_Imported"),
              std::string::npos);

    EXPECT_EQ(Run({"import-pad", (m_dir / "missing.xml").string()}).err,
              "listrider-cli: Selected file is not correct PAD XML. (" + (m_dir / "missing.xml").string() +
                  ")\n");
}

TEST_F(CatalogueCommandsTest, AccountsOfTheSitesThatNeedOne)
{
    m_dir.Write("Sites/sites.dat",
                "<SITE>\r\n<SITENAME>Zeta</SITENAME>\r\n<PASSWORD>LOGINPASSWORD</PASSWORD>\r\n</SITE>\r\n"
                "<SITE>\r\n<SITENAME>Mailer</SITENAME>\r\n<PASSWORD>MAILPASSWORD</PASSWORD>\r\n"
                "<UNIQUE>YES</UNIQUE>\r\n</SITE>\r\n"
                "<SITE>\r\n<SITENAME>Gone</SITENAME>\r\n<PASSWORD>LOGINPASSWORD</PASSWORD>\r\n"
                "<DISABLED>YES</DISABLED>\r\n</SITE>\r\n"
                "<SITE>\r\n<SITENAME>Open</SITENAME>\r\n</SITE>");
    ASSERT_EQ(Run({"company", "new", "Acme"}).code, kExitOk);
    ASSERT_EQ(Run({"product", "new", "--company", "Acme", "Tool", "1"}).code, kExitOk);
    const std::vector<std::string> target = {"--company", "Acme", "--product", "Tool"};
    auto accounts = [&](std::vector<std::string> args) {
        args.insert(args.begin(), "accounts");
        args.insert(args.begin() + 2, target.begin(), target.end());
        return Run(args);
    };
    ASSERT_EQ(accounts({"set", "zeta", "zlogin", "zpass"}).code, kExitOk);
    ASSERT_EQ(accounts({"set", "Mailer", "nomail", "mpass"}).code, kExitOk);
    EXPECT_EQ(accounts({"set", "Gone", "x", "y"}).code, kExitFailure);
    const CliRun listed = accounts({"list"});
    EXPECT_EQ(listed.out,
              "Default login: \nDefault E-mail login: \nDefault password: \n"
              "Site Name\tLogin\tPassword\tLogin is\tRequested\tUnique\n"
              "Mailer\t\tmpass\tE-MAIL\t\tYES\n"
              "Zeta\tzlogin\tzpass\tLOGIN\t\t\n");
    EXPECT_EQ(testsupport::ReadBytes(m_dir.Path() / "Products" / "Acme" / "password.dat").find("Mailer"),
              std::string::npos);
    // "Clear All" empties the product's file; the company's file is kept while nothing in the list
    // is set, so the company's accounts come back when the product is opened again.
    EXPECT_EQ(accounts({"clear", "--yes"}).code, kExitOk);
    EXPECT_NE(testsupport::ReadBytes(m_dir.Path() / "Products" / "Acme" / "Tool" / "password.dat")
                  .find("<Site_Name>Zeta</Site_Name>\r\n<Site_Login></Site_Login>\r\n<Site_Password></"
                        "Site_Password>"),
              std::string::npos);
    EXPECT_NE(accounts({"list", "--json"})
                  .out.find("{\"site\":\"Zeta\",\"login\":\"zlogin\",\"password\":\"zpass\""),
              std::string::npos);
}

} // namespace
} // namespace listrider::cli
