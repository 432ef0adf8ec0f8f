#include <gtest/gtest.h>

#include "catalogue/accounts.h"
#include "catalogue/data_set.h"
#include "catalogue/password_file.h"
#include "sample_product.h"
#include "store/file_io.h"
#include "support/result_matchers.h"

namespace listrider::catalogue {
namespace {

namespace fs = std::filesystem;

using testing::Workspace;
using testsupport::ReadBytes;

std::vector<AccountSiteRow> Sites()
{
    return {
        {"Zeta Downloads", "LOGINPASSWORD", false, true, ""},
        {"alpha files", "MAILPASSWORD", false, false, "VALIDATE"},
        {"No Account", "n/a", false, false, ""},
        {"Unique Site", "LOGINPASSWORD", true, false, ""},
        {"Pass Only", "PASSWORD", false, false, ""},
    };
}

store::LineList Lines(std::string text)
{
    return store::LineList::FromText(std::move(text));
}

TEST(AccountsTest, RowsComeFromTheSitesThatNeedAnAccount)
{
    const AccountsList accounts = LoadPasswords(Sites());
    ASSERT_EQ(accounts.rows.size(), 4u);
    EXPECT_EQ(accounts.rows[0].siteName, "alpha files");
    EXPECT_EQ(accounts.rows[0].loginIs, "E-MAIL");
    EXPECT_EQ(accounts.rows[0].validate, "VALIDATE");
    EXPECT_EQ(accounts.rows[1].siteName, "Pass Only");
    EXPECT_EQ(accounts.rows[1].loginIs, "E-MAIL");
    EXPECT_EQ(accounts.rows[2].unique, "YES");
    EXPECT_EQ(accounts.rows[3].loginIs, "LOGIN");
    EXPECT_TRUE(accounts.rows[3].request);
}

TEST(AccountsTest, CompanyFileWinsAndKeepsRecordsOfUnknownSites)
{
    AccountsList accounts = LoadPasswords(Sites());
    ReadCompanyPasswords(Lines("<Common_Login>companylogin</Common_Login>\r\n"
                               "<Site_Name>Zeta Downloads</Site_Name>\r\n"
                               "<Site_Login>zeta</Site_Login>\r\n"
                               "<Site_Password>zpass</Site_Password>\r\n"
                               "<Requested>Y</Requested>\r\n"
                               "<Site_Name>ALPHA FILES</Site_Name>\r\n" // another case: kept aside
                               "<Site_Login>a@b.c</Site_Login>\r\n"
                               "<Site_Password>apass</Site_Password>\r\n"
                               "<Requested>Y</Requested>"),
                         accounts);
    ReadProductPasswords(Lines("<Common_Login>productlogin</Common_Login>\r\n"
                               "<Common_Password>productpass</Common_Password>\r\n"
                               "<Site_Name>zeta downloads</Site_Name>\r\n"
                               "<Site_Login>other</Site_Login>\r\n"
                               "<Site_Password>other</Site_Password>\r\n"
                               "<Site_Name>unique site</Site_Name>\r\n"
                               "<Site_Login>uniq</Site_Login>\r\n"
                               "<Site_Name>Gone Site</Site_Name>\r\n"
                               "<Site_Login>gone</Site_Login>"),
                         accounts);
    EXPECT_EQ(accounts.defaults, (AccountDefaults{"companylogin", "", "productpass"}));
    const AccountRow* zeta = accounts.FindExact("Zeta Downloads");
    EXPECT_EQ(zeta->login, "zeta");
    EXPECT_EQ(zeta->password, "zpass");
    EXPECT_EQ(zeta->requested, "Y");
    EXPECT_EQ(accounts.FindExact("Unique Site")->login, "uniq");
    EXPECT_EQ(accounts.FindExact("alpha files")->login, "");
    EXPECT_EQ(accounts.passwordo, (std::vector<Passwordo>{{"ALPHA FILES", "a@b.c", "apass"}}));

    // Written back as it was, without its Requested line.
    const std::string company = store::JoinLines(*CompanyPasswordLines(accounts, true));
    EXPECT_TRUE(company.ends_with("<Site_Name>ALPHA FILES</Site_Name>\r\n<Site_Login>a@b.c</Site_Login>\r\n"
                                  "<Site_Password>apass</Site_Password>"));
    EXPECT_EQ(company.find("Unique Site"), std::string::npos);
    EXPECT_NE(store::JoinLines(ProductPasswordLines(accounts)).find("<Site_Name>Unique Site</Site_Name>"),
              std::string::npos);
}

TEST(AccountsTest, CompanyFileIsRewrittenOnlyWhenSomethingIsSet)
{
    AccountsList accounts = LoadPasswords(Sites());
    EXPECT_FALSE(CompanyPasswordLines(accounts, true).has_value());
    EXPECT_TRUE(CompanyPasswordLines(accounts, false).has_value());
    accounts.FindExact("Unique Site")->login = "only-unique";
    EXPECT_FALSE(CompanyPasswordLines(accounts, true).has_value());
    accounts.FindExact("Pass Only")->requested = "Y";
    EXPECT_TRUE(CompanyPasswordLines(accounts, true).has_value());
}

TEST(AccountsTest, EmailLoginsWithoutAtAreDroppedBeforeSaving)
{
    AccountsList accounts = LoadPasswords(Sites());
    ASSERT_TRUE(SetAccount(accounts, "alpha files", "nobody", "pw"));
    ASSERT_TRUE(SetAccount(accounts, "Zeta Downloads", "nobody", "pw"));
    EXPECT_TRUE(accounts.copyToSiteList);
    EXPECT_FALSE(SetAccount(accounts, "No Account", "x", "y"));
    DropLoginsWithoutAt(accounts);
    EXPECT_EQ(accounts.FindExact("alpha files")->login, "");
    EXPECT_EQ(accounts.FindExact("alpha files")->password, "pw");
    EXPECT_EQ(accounts.FindExact("Zeta Downloads")->login, "nobody");
}

TEST(AccountsTest, SiteAccountForARun)
{
    AccountsList accounts = LoadPasswords(Sites());
    accounts.defaults = {"deflogin", "", "defpass"};
    accounts.FindExact("Zeta Downloads")->login = "zeta";
    accounts.FindExact("Zeta Downloads")->password = "-";
    accounts.FindExact("alpha files")->login = "me@alpha.example";
    accounts.FindExact("alpha files")->password = "apass";
    accounts.FindExact("Pass Only")->login = "n/a";

    struct Case
    {
        std::string_view site;
        SiteAccount expected;
    };

    const Case cases[] = {
        {"zeta downloads", {"zeta", "zeta", "defpass"}},
        {"Alpha Files", {"me@alpha.example", "me@alpha.example", "apass"}},
        {"Pass Only", {"info@example.com", "info@example.com", "defpass"}},
        {"No Row Site", {"deflogin", "", "defpass"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.site));
        EXPECT_EQ(SiteAccountForRun(accounts, c.site, "info@example.com"), c.expected);
    }
    accounts.defaults.emailLogin = "mail@default.example";
    EXPECT_EQ(SiteAccountForRun(accounts, "Pass Only", "info@example.com").login, "mail@default.example");
}

TEST(AccountsTest, UniqueAccountsStayWithTheirProduct)
{
    Workspace ws;
    const CompanyEntry company = ws.AddCompany("Acme");
    ProductEditor a = ws.AddSampleProduct(company, "Product A");
    a.accounts = LoadPasswords(Sites());
    a.accounts.defaults = {"author1", "", "secret1"};
    ASSERT_TRUE(SetAccount(a.accounts, "Unique Site", "ua", "upass"));
    ASSERT_TRUE(SetAccount(a.accounts, "Zeta Downloads", "shared", "spass"));
    ASSERT_OK(SaveProduct(a, ws.Context()));
    EXPECT_EQ(fs::status(company.folder / "password.dat").permissions() & fs::perms::others_read,
              fs::perms::none);

    ProductEditor b;
    b.accounts = LoadPasswords(Sites());
    ASSERT_OK(NewProduct(b, ws.Context(), &company, "Product B", "1"));
    EXPECT_EQ(b.accounts.FindExact("Zeta Downloads")->login, "shared");
    EXPECT_EQ(b.accounts.FindExact("Unique Site")->login, "");

    ProductEditor reopened;
    reopened.accounts = LoadPasswords(Sites());
    EditProduct(reopened, ws.Context(), company, "Product A");
    EXPECT_EQ(reopened.accounts.FindExact("Unique Site")->login, "ua");

    // "Clear All" then a save: the product file is written with empty cells, the company file
    // stays because its defaults are still set.
    const std::string companyFile = ReadBytes(company.folder / "password.dat");
    ClearPasswords(reopened.accounts);
    ASSERT_OK(SaveProduct(reopened, ws.Context()));
    EXPECT_NE(ReadBytes(company.folder / "Product A" / "password.dat")
                  .find("<Site_Name>Unique Site</Site_Name>\r\n<Site_Login></Site_Login>"),
              std::string::npos);
    EXPECT_NE(ReadBytes(company.folder / "password.dat"), companyFile);
    EXPECT_NE(ReadBytes(company.folder / "password.dat").find("<Common_Login>author1</Common_Login>"),
              std::string::npos);
}

} // namespace
} // namespace listrider::catalogue
