#include <gtest/gtest.h>

#include "catalogue/description_counter.h"
#include "catalogue/field_access.h"
#include "catalogue/field_examiner.h"
#include "catalogue/field_help.h"
#include "catalogue/field_rules.h"
#include "catalogue/pad_reminders.h"
#include "sample_product.h"
#include "store/unicode.h"
#include "support/temp_dir.h"

namespace listrider::catalogue {
namespace {

using enum FieldKind;

ProductEditor SampleEditor()
{
    ProductEditor editor;
    editor.product = testing::SampleProduct();
    editor.accounts.defaults = {"author1", "", "secret1"};
    return editor;
}

// Sets a field through the front ends' accessor and returns its message.
std::string MessageFor(FieldId field, std::u16string_view value)
{
    ProductEditor editor = SampleEditor();
    EXPECT_TRUE(SetFieldText(editor, field, value, store::CodePage::Default()).HasValue());
    return CheckField(editor, field);
}

struct RuleCase
{
    FieldKind kind;
    std::u16string value;
    std::string_view message; ///< empty: the value passes
};

TEST(FieldRulesTest, EveryRuleWithGoodAndBadValues)
{
    const RuleCase cases[] = {
        {Version, u"", "Product version must be entered."},
        {Version, u"v2.1", "Product version must not begin with \"v\" or \"v.\" characters."},
        {Version, u"V.2", "Product version must not begin with \"v\" or \"v.\" characters."},
        {Version, u"2.1 beta", ""},
        {Type, u"", "Program type must be selected."},
        {ReleaseStatus, u"", "Release status must be selected."},
        {InstallSupport, u"", "Install support must be selected."},
        {ReleaseDay, u"", "Release day must be selected."},
        {ReleaseMonth, u"", "Release month must be selected."},
        {ReleaseYear, u"", "Release year must be selected."},
        {ReleaseYear, u"2024", ""},
        {PriceDollars, u"9,95", ""},
        {PriceDollars,
         u"$10",
         "A numeric value must be entered into the price field without the dollar sign ($)."},
        {PriceOther, u"10 EUR", "A numeric value must be entered into the price field without the currency."},
        {FilenameGeneric, u"", "The Generic File Name can not be empty."},
        {SizeBytes, u"1.234.567", ""},
        {SizeBytes, u"abc", "The field must not be empty."},
        {SizeK, u"", "The field must not be empty."},
        {SizeMb, u"1,5 MB", ""},
        {SizeMb, u"MB", "The field must not be empty."},
        {OsSupport, u"", "At least one operating system must be selected."},
        {Languages, u"", "At least one language must be selected."},
        {Keywords, u"", "Keywords must be entered."},
        {Keywords, u"word", "Keywords must be separated with commas."},
        {Keywords, u",", "Keywords must be separated with commas."},
        {Keywords, u"a,b", ""},
        {Desc45, u"", "45 Chars Description must be entered."},
        {Desc80, u"", "80 Chars Description must be entered."},
        {Desc250, u"", "250 Chars Description must be entered."},
        {Desc250, u"\n", ""}, // two empty lines count as entered
        {Desc250, std::u16string(251, u'x'), "The description must not exceed 250 characters."},
        {Desc450, std::u16string(200, u'x') + u"\n" + std::u16string(250, u'y'), ""},
        {Desc450, std::u16string(451, u'x'), "The description must not exceed 450 characters."},
        {Desc2000, u"", "2000 Chars Description must be entered."},
        {CompanyUrl, u"", "A Company URL must be entered."},
        {CompanyUrl, u"www.example.com", "A URL must begin with http://"},
        {CompanyUrl, u"https://www.example.com", ""},
        {GeneralEmail, u"", "General E-Mail must be entered."},
        {SupportEmail, u"", "Support E-Mail must be entered."},
        {SalesEmail, u"", "Sales E-Mail must be entered."},
        {ContactEmail, u"", "Contact E-Mail must be entered."},
        {AuthorEmail, u"", "Author E-Mail must be entered."},
        {AuthorEmail, u"me@example", "Incorrect E-Mail format"},
        {AuthorEmail, u"me.example", "Incorrect E-Mail format"},
        {InfoUrl, u"", "A required field can not be empty."},
        {InfoUrl, u"ftp://example.com", "A URL must begin with http://"},
        {OrderUrl, u"", ""},
        {OrderUrl, u"https://shop.example", ""},
        {OrderUrl, u"shop.example", "A URL must begin with http:// or https://"},
        {ScreenshotUrl, u"http://", ""},
        {ScreenshotUrl, u"http://example.com/shot.bmp", "A screenshot must be in JPG, PNG or GIF format."},
        {ScreenshotUrl, u"ftp://example.com/shot.gif", "A URL must begin with http://"},
        {ScreenshotUrl, u"HTTP://EXAMPLE.COM/SHOT.JPEG", ""},
        {SmallScreenshotUrl, u"http://example.com/s.tif", "A screenshot must be in JPG, PNG or GIF format."},
        {IconUrl, u"http://example.com/icon.png", "An icon must be in GIF or JPG format."},
        {IconUrl, u"https://example.com/icon.jpeg", ""},
        {PadUrl, u"", "A required field can not be empty."},
        {PadUrl, u"example.com/pad.xml", "A URL must begin with http://"},
        {PadUrl, u"http://example.com/pad.txt", "A PAD file is an XML file and must have .xml extention."},
        {PrimaryDownloadUrl, u"", "A required field can not be empty."},
        {PrimaryDownloadUrl, u"ftp://example.com/app.zip", ""},
        {PrimaryDownloadUrl, u"https://example.com/app.dmg", ""},
        {PrimaryDownloadUrl, u"gopher://example.com/app.zip", "A URL must begin with http:// or ftp://"},
        {PrimaryDownloadUrl,
         u"http://example.com/get.cgi",
         "A downloadable file must be in ZIP, EXE, MSI, DMG or SIT format."},
        {SecondaryDownloadUrl, u"", ""},
        {SecondaryDownloadUrl, u"http://", ""},
        {AdditionalDownloadUrl1,
         u"http://example.com/a.rar",
         "A downloadable file must be in ZIP, EXE, MSI, DMG or SIT format."},
        {AdditionalDownloadUrl2, u"example.com/a.zip", "A URL must begin with http:// or ftp://"},
        {UploadFileLocation, u"", "A required field can not be empty."},
        {UploadPadLocation, u"/no/such/file.xml", "File cannot be found."},
        {LinksPage, u"", ""},
        {LinksPage, u"links.html", "A URL must begin with http://"},
        {RegNowId, u"1234-5", ""},
        {RegNowId, u"1234/5", "A RegNow Product ID must be entered in xxxx-x format."},
        {RegSoftId, u"12a", "A RegSoft Product ID must be entered in xxxxxxx format."},
        {ShareItId, u"1-2", "A ShareIt! Product ID must be entered in xxxxxxx format."},
        {ShareItCompanyId, u"x", "A ShareIt! Company ID must be entered in xxxxx format."},
        {ESellerateCompanyId, u"STR123", ""},
        {ESellerateCompanyId, u"str123", "A eSellerate Company ID must be entered in STRxxxxxxxxx format."},
        {ESellerateId, u"SKU123", ""},
        {ESellerateId, u"SKU-1", "A eSellerate Product ID must be entered in SKUxxxxxxxxx format."},
        {RegNowCommission, u"25%", "Affiliate commission percent must be a numeric value."},
        {ShareItCommission, u"", "Affiliate commission percent cannot be empty."},
        {DefaultLogin, u"", "A Default login must be set."},
        {DefaultLogin, u"abcd", "A Default login must have more than 4 characters."},
        {DefaultLogin, u"user 01", "A Default login must contain only alphabetic characters and numerals."},
        {DefaultLogin, u"user_01", ""},
        {DefaultPassword, u"", "Default password must be set."},
        {DefaultPassword, u"12345", "A Default password must have from 6 to 10 characters."},
        {DefaultPassword, u"12345678901", "A Default password must have from 6 to 10 characters."},
        {DefaultPassword, u"1234567890", ""},
        {PadSpecificCategory, u"", "PAD File Specific Category must be selected."},
        {PadCategories, u"", "PAD File Categories must be entered."},
        {CategoryClass, u"", ""}, // no rule
        {CompanyName, u"", ""},
    };
    for (const RuleCase& c : cases) {
        SCOPED_TRACE(std::string(InfoOf(c.kind).name) + " = \"" + store::WideToUtf8(c.value) + "\"");
        EXPECT_EQ(MessageFor({c.kind, 0}, c.value), c.message);
    }
}

TEST(FieldRulesTest, ConditionalRulesAndTidying)
{
    ProductEditor editor = SampleEditor();
    Product& p = editor.product;
    p.program.costOther = "5";
    p.program.costOtherCode.clear();
    EXPECT_EQ(CheckField(editor, {Currency, 0}), "A currency code must be selected.");
    p.program.costOther.clear();
    EXPECT_EQ(CheckField(editor, {Currency, 0}), "");
    p.program.expireBasedOn.clear();
    EXPECT_EQ(CheckField(editor, {ExpireBasedOn, 0}),
              "You should choose what expire is based on: Days, Uses or Either/Or.");
    p.program.hasExpireInfo = false;
    EXPECT_EQ(CheckField(editor, {ExpireBasedOn, 0}), "");

    p.program.costDollars = "9,95";
    p.program.fileSizeBytes = "1.234.567 bytes";
    EXPECT_EQ(CheckField(editor, {PriceDollars, 0}), "");
    EXPECT_EQ(CheckField(editor, {SizeBytes, 0}), "");
    EXPECT_EQ(p.program.costDollars, "9.95");
    EXPECT_EQ(p.program.fileSizeBytes, "1234567");

    testsupport::TempDir dir;
    p.urls.uploadFileLocation = dir.Write("app.exe", "MZ").string();
    EXPECT_EQ(CheckField(editor, {UploadFileLocation, 0}), "");

    // Further languages carry the same rules.
    p.descriptions.others[1].keywords = u"一,二";
    p.descriptions.others[1].desc450 = {std::u16string(451, u'字')};
    EXPECT_EQ(CheckField(editor, {Keywords, 2}), "");
    EXPECT_EQ(CheckField(editor, {Desc450, 2}), "The description must not exceed 450 characters.");
    EXPECT_EQ(CheckField(editor, {Desc450, 9}), ""); // no such tab
}

TEST(FieldExaminerTest, TypingClearsMessagesButAddsFieldsOnlyOnLeaving)
{
    ProductEditor editor = SampleEditor();
    const FieldId version{Version, 0};
    editor.product.program.version = "";
    FieldLeft(editor, version);
    EXPECT_EQ(editor.faults.Fields(), std::vector<FieldId>{version});
    EXPECT_EQ(editor.faults.Message(version), "Product version must be entered.");
    EXPECT_TRUE(editor.faults.flashing);

    editor.product.program.version = "3";
    FieldChanged(editor, version);
    EXPECT_TRUE(editor.versionChanged);
    EXPECT_TRUE(editor.modified);
    EXPECT_TRUE(editor.faults.Empty()); // the message goes while the user types
    EXPECT_EQ(editor.faults.Message(version), "");

    // A correct field that turns faulty while typing joins the list only when left.
    const FieldId keywords{Keywords, 0};
    editor.faults.typing = true;
    editor.product.descriptions.english.keywords = "single";
    ExamineField(editor, keywords);
    EXPECT_TRUE(editor.faults.Empty());
    EXPECT_EQ(editor.faults.Message(keywords), "Keywords must be separated with commas.");
    FieldLeft(editor, keywords);
    EXPECT_EQ(editor.faults.Fields(), std::vector<FieldId>{keywords});
    EXPECT_FALSE(editor.faults.typing);
    EXPECT_TRUE(editor.faults.CheckIfExists(keywords));
    editor.faults.DeleteFlashingField(keywords);
    EXPECT_FALSE(editor.faults.CheckIfExists(keywords));
}

TEST(FieldExaminerTest, ChangesFollowTheAffiliateAndCodeRules)
{
    ProductEditor editor = SampleEditor();
    editor.product.affiliates.shareItCompanyId.clear();
    FieldChanged(editor, {ShareItCompanyId, 0});
    EXPECT_FALSE(editor.product.affiliates.support.shareIt);
    EXPECT_TRUE(editor.product.affiliates.support.regNow);
    FieldChanged(editor, {RegistrationName, 0});
    EXPECT_EQ(editor.product.registration.kind, CodeKind::Personal);
    FieldChanged(editor, {ComplexCode, 0});
    EXPECT_EQ(editor.product.registration.kind, CodeKind::Complex);
    FieldChanged(editor, {SingleCode, 0});
    EXPECT_EQ(editor.product.registration.kind, CodeKind::Single);
}

TEST(FieldExaminerTest, FullValidationInItsOrderAndPadVariant)
{
    ProductEditor editor = SampleEditor();
    EXPECT_TRUE(ExamineErrors(editor, ValidationKind::Pad));
    // The local program and PAD files are examined before a run only.
    EXPECT_FALSE(ExamineErrors(editor, ValidationKind::Submission));
    EXPECT_EQ(editor.faults.Fields(),
              (std::vector<FieldId>{{UploadFileLocation, 0}, {UploadPadLocation, 0}}));

    editor.product.program.version.clear();
    editor.product.affiliates.regNowCommission = "many";
    editor.product.affiliates.eSellerateId = "bad";
    editor.product.descriptions.others[0].desc80.clear();
    editor.product.urls.smallScreenshotUrl = "http://example.com/s.bmp";
    editor.accounts.defaults.login.clear();
    editor.faults.typing = true;
    EXPECT_FALSE(ExamineErrors(editor, ValidationKind::Pad));
    EXPECT_EQ(editor.faults.Fields(),
              (std::vector<FieldId>{{Version, 0}, {Desc80, 1}, {DefaultLogin, 0}, {SmallScreenshotUrl, 0}}));
    EXPECT_TRUE(editor.faults.flashing);

    // The commissions and the eSellerate product ID are examined only when left.
    FieldLeft(editor, {RegNowCommission, 0});
    EXPECT_TRUE(editor.faults.CheckIfExists({RegNowCommission, 0}));
}

TEST(FieldExaminerTest, DescriptionCounters)
{
    ProductEditor editor = SampleEditor();
    editor.product.descriptions.english.desc250 = {std::string(200, 'a'), std::string(51, 'b')};
    EXPECT_EQ(CheckDescriptions(editor, {Desc250, 0}), (DescriptionCounter{-1, true}));
    editor.product.descriptions.others[0].desc45 = u"Größe";
    EXPECT_EQ(CheckDescriptions(editor, {Desc45, 1}), (DescriptionCounter{40, false}));
    EXPECT_FALSE(CheckDescriptions(editor, {Keywords, 0}).has_value());
    EXPECT_FALSE(CheckDescriptions(editor, {Desc80, 7}).has_value());
}

TEST(FieldAccessTest, TextsOfEveryShape)
{
    ProductEditor editor = SampleEditor();
    const store::CodePage codePage = store::CodePage::Default();
    EXPECT_EQ(GetFieldText(editor, {CompanyName, 0}, codePage), u"Café Soft");
    EXPECT_EQ(GetFieldText(editor, {Desc2000, 1}, codePage),
              u"Entfernt überflüssige Dateien.\nGrößer & schöner.");
    EXPECT_EQ(GetFieldText(editor, {HasExpireInfo, 0}, codePage), u"Y");
    EXPECT_EQ(GetFieldText(editor, {ExpireDay, 0}, codePage), u"");
    EXPECT_EQ(GetFieldText(editor, {RegistrationKind, 0}, codePage), u"Single");

    ASSERT_TRUE(SetFieldText(editor, {Eula, 0}, u"one\r\ntwo\nthree", codePage).HasValue());
    EXPECT_EQ(editor.product.program.eula, (MemoLines{"one", "two", "three"}));
    ASSERT_TRUE(SetFieldText(editor, {City, 0}, u"Łódź", codePage).HasValue());
    EXPECT_EQ(editor.product.company.city,
              "?\xF3"
              "d?");
    ASSERT_TRUE(SetFieldText(editor, {OsSupport, 0}, u"Linux, Win95,Windows XP", codePage).HasValue());
    EXPECT_EQ(EncodeOsList(editor.product.program.os), "Win95,WinXP,Linux");
    EXPECT_FALSE(SetFieldText(editor, {OsSupport, 0}, u"Amiga", codePage).HasValue());
    EXPECT_FALSE(SetFieldText(editor, {Type, 0}, u"shareware", codePage).HasValue());
    ASSERT_TRUE(SetFieldText(editor, {ReleaseMonth, 0}, u"", codePage).HasValue());
    EXPECT_EQ(editor.product.program.releaseMonth, "Month");
    EXPECT_FALSE(SetFieldText(editor, {Desc45, 1}, std::u16string(46, u'ä'), codePage).HasValue());
    EXPECT_FALSE(SetFieldText(editor, {AspMember, 0}, u"yes", codePage).HasValue());
    ASSERT_TRUE(SetFieldText(editor, {Languages, 0}, u"German,Klingon", codePage).HasValue());
    EXPECT_EQ(editor.product.program.languages.Encode(), "German,Klingon");
}

TEST(FieldHelpTest, HelpTextsAndReminders)
{
    EXPECT_EQ(FieldHelp(Version),
              std::vector<std::string>{"A version number of your product without \"v.\" prefix."});
    EXPECT_EQ(FieldHelp(Type).size(), 2u);
    EXPECT_EQ(FieldHelp(FilenamePrevious).size(), 3u);
    EXPECT_NE(FieldHelp(ChangeInfo)[0].find("A recommended format:\r1. Feature 1 added;\r2."),
              std::string::npos);
    EXPECT_EQ(FieldHelp(RegNowCommission), FieldHelp(ESellerateCommission));
    EXPECT_TRUE(
        FieldHelp(FilenameGeneric)[0].starts_with("A generi\xD1\x81 filename")); // as the window has it
    for (const FieldInfo& info : FieldInfos()) {
        for (const std::string& line : FieldHelp(info.kind)) {
            EXPECT_TRUE(store::IsValidUtf8(line)) << info.name;
        }
    }

    ProductEditor editor;
    editor.imported = true;
    EXPECT_FALSE(PadReminder(editor).has_value());
    editor.imported = false;
    EXPECT_EQ(PadReminder(editor), kNotImportedReminder);
    editor.versionChanged = true;
    EXPECT_EQ(PadReminder(editor), kVersionChangedReminder);
    EXPECT_NE(kNotImportedReminder.find("enterend without using of PAD file"), std::string_view::npos);
}

} // namespace
} // namespace listrider::catalogue
