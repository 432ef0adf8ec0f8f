#include <gtest/gtest.h>

#include "engine/macro_resolver.h"
#include "script_fixtures.h"

namespace listrider::engine {
namespace {

using testing::SampleValues;
using testing::ScriptRun;

struct MacroCase
{
    const char* text;
    const char* expected;
};

void ExpectExpansions(ScriptRun& run, std::initializer_list<MacroCase> cases)
{
    for (const MacroCase& c : cases) {
        SCOPED_TRACE(c.text);
        EXPECT_EQ(run.Expand(c.text), c.expected);
    }
    EXPECT_FALSE(run.Values().failure.has_value());
}

class MacroResolverTest : public ::testing::Test
{
protected:
    // Prepares a run for the product and starts it at a plain site in "Graphics - Editors".
    void StartWith(catalogue::ProductValues product = SampleValues(), const std::string& site = "Plain Site")
    {
        const int position = m_run.AddSite(site, "Graphics - Editors");
        m_run.Prepare(std::move(product));
        m_run.StartAt(position);
    }

    ScriptRun m_run;
};

TEST_F(MacroResolverTest, ProgramReleaseAndDateValues)
{
    StartWith();
    ExpectExpansions(m_run,
                     {
                         {"|ProgramName|", "Photo Resizer Deluxe"},
                         {"|ProgramNameFirstLetter|", "P"},
                         {"|ProgramName10|", "Photo Resi"},
                         {"|ProgramName30|", "Photo Resizer Deluxe"},
                         {"|ProgramNameSpecial|", "Photo%20Resizer%20Deluxe"},
                         {"|ProgramNameDefis|", "Photo-Resizer-Deluxe"},
                         {"|ProgramNameExact|", "Photo & Resizer & Deluxe"},
                         {"|ProgramVersion| |SoftwareType| |AdSupported|", "2.1 Shareware No"},
                         {"|SysReq|", "n/a"},
                         {"|ProgramLimitations|", "30 Days Trial"},
                         {"|OSSupport|", "Win95,Win98,Windows2000,WinXP"},
                         {"|MainLanguage|/|ExtraLanguagesWinSite|", "English/German,Chinise Traditional"},
                         {"|GeneralFileName|", "resizer21.exe"},
                         {"|SizeB| |SizeK| |SizeM|", "3000000 2930 2.86"},
                         {"|ReleaseDD|.|ReleaseMM|.|RYear|", "07.03.2005"},
                         {"|ReleaseD|.|ReleaseM|.|ReleaseYY| |RMonth|", "7.3.05 03"},
                         {"|TodayD|.|TodayM|.|TodayY| |TodayDD|.|TodayMM|.|TodayYY| |TodayYear|",
                          "9.3.2024 09.03.24 2024"},
                         {"|IsBeta|", "No"},
                         {"[|ReceivedAwards||IsNew||Add-Update-Rad||WebAtPrice|]", "[]"},
                     });
}

TEST_F(MacroResolverTest, PricesAndExpiry)
{
    StartWith();
    ExpectExpansions(m_run,
                     {
                         {"|PriceDollars|.|PriceCents|", "19.95"}, // typed as 19,95
                         {"|Price|", "19,95"},
                         {"|FullPrice| |PriceFull|", "19.95 19.95"},
                         {"|RoundedPrice|", "20"},
                         {"|PriceEuro|", "15"},
                         {"|PriceOther| |PriceOtherCode|", "17 EUR"},
                         {"|#Days|/|#Uses|", "30/"},
                         {"|ExpiresAfterAndBasedOn|", "30 Days"},
                         {"|ExpireDD||ExpireMonthWinSite|", ""},
                         {"|TimeLimitWinSite|/|FunctionLimitWinSite|", "on/on"},
                         {"|ZeroPrice|", "19,95"},
                     });
}

TEST_F(MacroResolverTest, PriceAndExpiryRulesOfOtherProducts)
{
    struct Case
    {
        const char* what;
        void (*change)(catalogue::ProgramValues&);
        std::initializer_list<MacroCase> expansions;
    };

    const Case cases[] = {
        {"a price of 9.5 has the cents 5",
         [](catalogue::ProgramValues& p) { p.priceDollars = "9.5"; },
         {{"|RoundedPrice| |PriceCents| |FullPrice|", "9 5 9.5"}}},
        {"a price without separator",
         [](catalogue::ProgramValues& p) { p.priceDollars = "15"; },
         {{"|PriceCents| |FullPrice| |ZeroPrice| |ZeroPriceFree|", "00 15.00 15 15"}}},
        {"a free product",
         [](catalogue::ProgramValues& p) { p.priceDollars = "0"; },
         {{"[|ZeroPrice|] |ZeroPriceFree| |zeropriceNothing|", "[] Free Nothing"}}},
        {"uses as the unit",
         [](catalogue::ProgramValues& p) {
             p.expireBasedOn = "Uses";
             p.expireCount = "5";
         },
         {{"|ProgramLimitations|", "Expires after 5 uses"}, {"|#Days|/|#Uses|", "/5"}}},
        {"an expiry date",
         [](catalogue::ProgramValues& p) {
             p.expireDay = "01";
             p.expireMonth = "03";
             p.expireYear = "2025";
         },
         {{"|ExpiresAfterAndBasedOn|", "Expires on 03/01/2025"},
          {"|ExpireD|.|ExpireM|.|ExpireY| |ExpireMonthWinSite|", "1.3.2025 Mar"}}},
        {"no expiry data",
         [](catalogue::ProgramValues& p) {
             p.hasExpireInfo = "N";
             p.expireOtherInfo.clear();
             p.expireCount = "0";
         },
         {{"|ProgramLimitations| |ExpiresAfterAndBasedOn| [|TimeLimitWinSite||FunctionLimitWinSite|]",
           "N/A none []"}}},
        {"an adware product has no registration code",
         [](catalogue::ProgramValues& p) { p.type = "Adware"; },
         {{"|AdSupported| [|RegKey|]", "Yes []"}}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        catalogue::ProductValues product = SampleValues();
        c.change(product.program);
        ScriptRun run;
        const int site = run.AddSite("Plain Site");
        run.Prepare(product);
        run.StartAt(site);
        ExpectExpansions(run, c.expansions);
    }
}

TEST_F(MacroResolverTest, WinSiteSitesGetNoPrices)
{
    StartWith(SampleValues(), "WinSite Files");
    ExpectExpansions(m_run,
                     {
                         {"[|Price||RoundedPrice||FullPrice||PriceFull|]", "[]"},
                         {"|PriceDollars|", "19"},
                         {"|ZeroPrice|", "19,95"},
                     });
}

TEST_F(MacroResolverTest, CompanyUrlsAndAffiliates)
{
    StartWith();
    ExpectExpansions(
        m_run,
        {
            {"|Company|, |Address1|, [|Address2|], |City|, |Province|, |PostalZip|, |Country|",
             "Acme Soft, 1 Main Street, [], Springfield, -, 12345, United Kingdom"},
            {"|ContactFirstName| |ContactLastName|", "Jane Jane"},
            {"|GeneralPhone| |ContactPhone| |ContactFax|", "- - 555-0199"},
            {"|ASPMemberYN| |ASPMemberYesNo| |TPAMemberYesNo| |ASPMemberWinSite||TPAMemberWinSite| "
             "|ASPNumber|",
             "Y Yes No 10 A-77"},
            {"|CutCompanyWebSite|", "www.acme.example"},
            {"|CutInfoURL|", "www.acme.example/resizer"}, // https:// removed whole
            {"[|CutShotURL|]", "[]"},                     // typed without a scheme
            {"|CutDownload1|", "ftp.acme.example/pub/resizer21.zip"},
            {"|CutPADURL|", "www.acme.example/resizer.xml"},
            {"|DownloadFTP| [|DownloadHTTP|]", "ftp://ftp.acme.example/pub/resizer21.zip []"},
            {"|PADPath| |FilePath|", "-empty text- -empty binary-"},
            {"|RegNowID| |RegNowCompanyID| |IsRegNowSoftSeek| |RegNowOrRegSoftID|", "1234-5 1234 1 1234-5"},
            {"|ShareItID| |ShareItCompanyID|", "300100 2001"},
            {"|RegKey|", "RC-2222"},
            {"[|AffiliateID|]", "[]"},
        });
}

TEST_F(MacroResolverTest, CheckFlags)
{
    StartWith();
    ExpectExpansions(m_run,
                     {
                         {"|ChkEnglish||ChkGerman|", "onon"},
                         {"[|ChkChineseT|]", "[]"}, // the built-in entry is spelt "Chinise Traditional"
                         {"|ChkW95| |ChkW98| |ChkW9x| |ChkW2000| |ChkWXP|", "on on on on on"},
                         {"[|ChkWME||ChkWNT||ChkWCE||ChkW31||ChkMacAny||ChkPalmOSAny||ChkLinux|]", "[]"},
                         {"|ChkShareware| [|ChkDemo||ChkFreeware|]", "on []"},
                         {"|ChkExpires| |ChkEDays| [|ChkEUses||ChkEOther|]", "on on []"},
                         {"|ChkRegNow||ChkShareIt| [|ChkRegSoft||ChkeSellerate|]", "onon []"},
                         {"|ChkIncludesDX| [|ChkIncludesJAVA||ChkBeta|]", "on []"},
                         {"|ChkASPMember| [|ChkTPAMember|]", "on []"},
                     });
}

TEST_F(MacroResolverTest, DescriptionsCategoriesAndAccounts)
{
    catalogue::AccountsList accounts;
    accounts.defaults = {"defaultuser", "", "defaultpass"};
    accounts.rows.push_back(
        {"Plain Site", "averyverylonglogin", "secretpassword", "LOGIN", "", "", false, ""});
    const int position = m_run.AddSite("Plain Site", "Games - Arcade");
    m_run.Prepare();
    m_run.StartAt(position, accounts);
    ExpectExpansions(
        m_run,
        {
            {"|Desc45|", "Resize photos in batches"},
            {"|Desc80|", "Resize many photos at once"},
            {"|Desc250|", "Photo Resizer resizes photos."},
            {"|KeyWords|", "photo, resize, batch, image"},
            {"|KeyWordsSpace|", "photo resize batch image"},
            {"|KeyWord1| |KeyWord4| [|KeyWord5|]", "photo image []"},
            {"|Category| / |SubCategory| / |TopDownloadsCat|", "Games - Arcade / Games - Arcade / games"},
            {"|SiteLogin| |SitePassword|", "averyverylonglogin secretpassword"},
            {"|SiteLogin-Limit8| |SitePassword-Limit10|", "averyver secretpass"},
            {"[|LocalIP||RequestLogin||Custom1||Custom14|]", "[]"},
        });
}

TEST_F(MacroResolverTest, PrefixFormsAndTextThatIsNoMacro)
{
    StartWith();
    ExpectExpansions(m_run,
                     {
                         {"|Limiting(10)ProgramName|", "Photo Resi"},
                         {"|limiting(3)Desc80|", "Res"},
                         {"[|Limiting(x)ProgramName|]", "[]"},
                         {"[|Limiting(5ProgramName|]", "[]"},
                         {"|Limiting(99)ProgramName|", "Photo Resizer Deluxe"},
                         {"|Limiting(4)NoSuchMacro|", "|NoS"},
                         {"a||b", "a||b"},
                         {"|programname|", "|programname|"},
                         {"|NoSuchMacro| stays", "|NoSuchMacro| stays"},
                         {"price | open", "price | open"},
                         {"|ProgramVersion| and | open", "2.1 and | open"},
                     });
}

TEST_F(MacroResolverTest, EveryNameOfTheVocabularyIsKnown)
{
    // A name the resolver does not know would go out to the sites as written.
    static const char* const kNames[] = {
        "#Days",
        "#Uses",
        "ASPMemberWinSite",
        "ASPMemberYN",
        "ASPMemberYesNo",
        "ASPNumber",
        "AdSupported",
        "Add-Update-ABCdatos",
        "Add-Update-GrassHeap",
        "Add-Update-Rad",
        "Add-Update-Slaughter",
        "Add-Update-StuffAll",
        "Address1",
        "Address2",
        "AffiliateID",
        "AffiliateSelect",
        "BackLink",
        "BetaSelect",
        "Category",
        "ChkASPMember",
        "ChkBEOS",
        "ChkBeta",
        "ChkChineseS",
        "ChkChineseT",
        "ChkDemo",
        "ChkEDays",
        "ChkEOther",
        "ChkEUses",
        "ChkEnglish",
        "ChkExpires",
        "ChkFreeware",
        "ChkFrench",
        "ChkGerman",
        "ChkIncludesDX",
        "ChkIncludesJAVA",
        "ChkIncludesVB",
        "ChkItalian",
        "ChkJapanese",
        "ChkLinux",
        "ChkMSDOS",
        "ChkMac86k",
        "ChkMacAny",
        "ChkMacOSX",
        "ChkMacOther",
        "ChkMacPPC",
        "ChkOS2",
        "ChkOS2Warp",
        "ChkOS2Warp4",
        "ChkPalm10",
        "ChkPalm20",
        "ChkPalm21",
        "ChkPalm30",
        "ChkPalm31",
        "ChkPalm32",
        "ChkPalm40",
        "ChkPalm50",
        "ChkPalmOSAny",
        "ChkPocket",
        "ChkRegNow",
        "ChkRegSoft",
        "ChkRussian",
        "ChkShareIt",
        "ChkShareware",
        "ChkSpanish",
        "ChkSymbian",
        "ChkTPAMember",
        "ChkUnix",
        "ChkW2000",
        "ChkW2003",
        "ChkW31",
        "ChkW95",
        "ChkW98",
        "ChkW9x",
        "ChkWCE",
        "ChkWME",
        "ChkWNT",
        "ChkWNT3x",
        "ChkWNT4x",
        "ChkWXP",
        "ChkeSellerate",
        "City",
        "Company",
        "CompanyWebSite",
        "ContactEmail",
        "ContactFax",
        "ContactFirstName",
        "ContactLastName",
        "ContactPhone",
        "Country",
        "CountrySelect",
        "Custom1",
        "Custom10",
        "Custom11",
        "Custom12",
        "Custom13",
        "Custom14",
        "Custom2",
        "Custom3",
        "Custom4",
        "Custom5",
        "Custom6",
        "Custom7",
        "Custom8",
        "Custom9",
        "CutCompanyWebSite",
        "CutDownload1",
        "CutInfoURL",
        "CutPADURL",
        "CutShotURL",
        "Desc2000",
        "Desc250",
        "Desc45",
        "Desc450",
        "Desc80",
        "Download1",
        "Download2",
        "Download3",
        "Download4",
        "DownloadFTP",
        "DownloadHTTP",
        "EULA",
        "ExpireBaseSelect",
        "ExpireBasedOn",
        "ExpireCount",
        "ExpireD",
        "ExpireDD",
        "ExpireLimitationsBrother",
        "ExpireM",
        "ExpireMM",
        "ExpireMonthWinSite",
        "ExpireOtherInfo",
        "ExpireSelect",
        "ExpireY",
        "ExpiresAfterAndBasedOn",
        "ExtraLanguagesWinSite",
        "FDepotRegKey",
        "FilePath",
        "FullPrice",
        "FunctionLimitWinSite",
        "GeneralEmail",
        "GeneralFileName",
        "GeneralPhone",
        "IconPath",
        "IconURL",
        "InfoURL",
        "InstallSupport",
        "InstallSupportSelect",
        "IsBeta",
        "IsNew",
        "IsRegNowSoftSeek",
        "IsUpdate",
        "KeyWord1",
        "KeyWord2",
        "KeyWord3",
        "KeyWord4",
        "KeyWord5",
        "KeyWords",
        "KeyWordsShort",
        "KeyWordsSpace",
        "LanguageSelect",
        "LocalIP",
        "MainLanguage",
        "MonthSelect",
        "OSSupport",
        "OSSupportSelect",
        "OSSupportShort",
        "OrderURL",
        "OrderURLAff",
        "PADPath",
        "PADURL",
        "Permissions",
        "PostalZip",
        "Price",
        "PriceCents",
        "PriceDollars",
        "PriceEuro",
        "PriceFull",
        "PriceOther",
        "PriceOtherCode",
        "ProgramCategories",
        "ProgramChangeInfo",
        "ProgramLanguages",
        "ProgramLimitations",
        "ProgramName",
        "ProgramName10",
        "ProgramName20",
        "ProgramName30",
        "ProgramNameDefis",
        "ProgramNameExact",
        "ProgramNameFirstLetter",
        "ProgramNameSpecial",
        "ProgramSpecificCategory",
        "ProgramType",
        "ProgramTypeSelect",
        "ProgramVersion",
        "Province",
        "RMonth",
        "RYear",
        "ReceivedAwards",
        "RegKey",
        "RegKeyWinPicks",
        "RegNowCommission",
        "RegNowCompanyID",
        "RegNowID",
        "RegNowOrRegSoftID",
        "RegNowURL",
        "RegSoftCommission",
        "RegSoftID",
        "RegSoftURL",
        "ReleaseD",
        "ReleaseDD",
        "ReleaseM",
        "ReleaseMM",
        "ReleaseStatus",
        "ReleaseStatusSelect",
        "ReleaseYY",
        "RequestEmail",
        "RequestLogin",
        "RoundedPrice",
        "SalesEmail",
        "ShareItCommission",
        "ShareItCompanyID",
        "ShareItID",
        "ShareItURL",
        "ShotPath",
        "ShotURL",
        "SiteEMailLogin",
        "SiteLogin",
        "SiteLogin-Limit10",
        "SiteLogin-Limit12",
        "SiteLogin-Limit8",
        "SitePassword",
        "SitePassword-Limit10",
        "SitePassword-Limit12",
        "SitePassword-Limit8",
        "SizeB",
        "SizeK",
        "SizeM",
        "SizeSelect",
        "SmallShotURL",
        "SoftwareType",
        "StateSelect",
        "SubCategory",
        "SupportEmail",
        "SysReq",
        "TPAMemberWinSite",
        "TPAMemberYesNo",
        "TextArea",
        "TimeLimitWinSite",
        "TodayD",
        "TodayDD",
        "TodayM",
        "TodayMM",
        "TodayY",
        "TodayYY",
        "TodayYear",
        "TopDownloadsCat",
        "UpdateBool",
        "WebAtPrice",
        "eSellerateCommission",
        "eSellerateID",
        "eSellerateURL",
    };
    StartWith();
    for (const char* name : kNames) {
        const std::string token = "|" + std::string(name) + "|";
        EXPECT_NE(m_run.Expand(token), token) << name;
    }
}

TEST_F(MacroResolverTest, StepFieldsExpandValuesBeforeNamesThenThePath)
{
    StartWith();
    std::vector<std::string> names = {"v_|ProgramVersion|", "cat"};
    std::vector<std::string> fields = {"|ProgramName10|", "|Category|"};
    std::string path = "/add.php?n=|ProgramNameSpecial|";
    ExpandStepFields(m_run.Values(), names, fields, path);
    EXPECT_EQ(names, (std::vector<std::string>{"v_2.1", "cat"}));
    EXPECT_EQ(fields, (std::vector<std::string>{"Photo Resi", "Graphics - Editors"}));
    EXPECT_EQ(path, "/add.php?n=Photo%20Resizer%20Deluxe");
}

TEST_F(MacroResolverTest, CustomValuesOfTheFirstTenAreClearedWhenASiteStarts)
{
    const int first = m_run.AddSite("First");
    const int second = m_run.AddSite("Second");
    m_run.Prepare();
    m_run.StartAt(first);
    m_run.Values().custom[0] = "one";
    m_run.Values().custom[9] = "ten";
    m_run.Values().custom[10] = "eleven";
    m_run.Values().affiliateId = "kept";
    m_run.StartAt(second);
    EXPECT_EQ(m_run.Expand("[|Custom1||Custom10|] |Custom11| |AffiliateID|"), "[] eleven kept");
}

} // namespace
} // namespace listrider::engine
