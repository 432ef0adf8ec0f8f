#include "catalogue/field_help.h"

namespace listrider::catalogue {
namespace {

using enum FieldKind;

constexpr std::string_view kDownloadEnd =
    " It must point to a ZIP, EXE, MSI, DMG or a SIT file, not to a download page.";
constexpr std::string_view kCommission =
    "Commission rate which will be received by affiliate for each generated sale of your product. It is "
    "recommended to offer 30%(or higher) comission rate to get additional promotion possibilities.";

std::vector<std::string> One(std::string_view text)
{
    return {std::string(text)};
}

} // namespace

std::vector<std::string> FieldHelp(FieldKind kind)
{
    switch (kind) {
    case ProgramName:
        return One(
            "A full program name must be entered in this field. It is recommended that its length would not "
            "exceed 25 characters so that not to have troubles when submitting.");
    case Version:
        return One("A version number of your product without \"v.\" prefix.");
    case Type:
        return {"Your program type.",
                "Select Shareware, Demo or Commercial if your program requires payment, Freeware if it is "
                "free or "
                "Adware if a user is displayed advertisements during its work."};
    case ReleaseStatus:
        return One(
            "If it is an initial release of your program, select New Release. Select Minor Update if a minor "
            "version was changed (for example, from 2.1 to 2.2), or Major Update if a major version digit "
            "was "
            "changed (for example, from 2.3 to 3.0). Select Beta or Alpha if your program is in Beta or "
            "Alpha "
            "testing.");
    case InstallSupport:
        return One("Choose if your product can be installed or uninstalled.");
    case ReleaseDay:
        return One("A day of the current version release.");
    case ReleaseMonth:
        return One("A month of the current version release.");
    case ReleaseYear:
        return One("A year of the current version release.");
    case PriceDollars:
        return One("The program's price in US dollars. Enter a numerical value without a dollar sign or "
                   "other special "
                   "characters. For free programs enter 0.");
    case PriceOther:
        return One(
            "The program's price in any other but US dollar currency. Enter a numerical value without a "
            "currency code.");
    case Currency:
        return One(
            "The currency code for Other Price, for example EUR for euros or AUD for Australian dollar.");
    case HasExpireInfo:
        return One("Check this field if your program functionality is limited by a number of uses or a "
                   "number of days "
                   "of using.");
    case ExpireCount:
        return One("A number of days or uses permitted in a trial version.");
    case ExpireBasedOn:
        return One("Expire based on Day, Uses or Either?");
    case ExpireDay:
        return One("If program expires on a certain date, select the expiration day.");
    case ExpireMonth:
        return One("If program expires on a certain date, select the expiration month.");
    case ExpireYear:
        return One("If program expires on a certain date, select the expiration year.");
    case ExpireOtherInfo:
        return One("If the program has any additional expiration info, enter it here.");
    case IncludesJavaVm:
        return One("Check this field if Java VM is included in the installation package.");
    case IncludesVbRuntime:
        return One("Check this field if VB Runtime is included in the installation package.");
    case IncludesDirectX:
        return One("Check this field if DirectX is included in the installation package.");
    case FilenameGeneric:
        return One(
            "A generiс filename of a downloadable file must be entered here. For example, if a path to your "
            "program in the Internet looks like http://www.yoursite.com/download/program.exe, you should "
            "enter "
            "program.exe in this field.");
    case FilenameLong:
        return One(
            "A long filename must be entered in this field. It should be generated from the name of your "
            "program. For example, for a program named Super Disk Cleaner its long name will be "
            "Super_Disk_Cleaner.exe");
    case FilenameVersioned:
        return One(
            "Here you should enter a filename with a version number. Do not use dots or commas here, only "
            "numerals. For example, for version 2.46 a \"versioned\" filename will be program246.exe");
    case FilenamePrevious:
        return {"This field is for a filename with a number of the previous version. Do not use dots or "
                "commas here, "
                "only numerals. For example, if the previous version of your program was 2.45, you should "
                "enter here "
                "a filename like program245.exe.",
                "",
                "If it is the first release of a program, the field should be left blank."};
    case SizeBytes:
        return One("A size of a downloadable file in bytes.");
    case SizeK:
        return One("A size of a downloadable file in kilobytes.");
    case SizeMb:
        return One("A size of a downloadable file in megabytes.");
    case OsSupport:
        return One("Check OSes under which your product works.");
    case Languages:
        return One("Check languages that are supported in your program.");
    case ChangeInfo:
        return One(
            "A list of changes from the previous program version. A recommended format:\r1. Feature 1 "
            "added;\r2. Error 1 fixed;\r...\r\rThis field is optional, but it is recommended to fill it out "
            "to "
            "gain more popularity for your listing. If your program is a new release, leave it blank.");
    case Awards:
        return One(
            "A list of awards received by your program from shareware sites. A recommended format:\r1. "
            "FileTransit 5 Stars;\r2. ShareUp 5 stars; \r...\r\rThis field is optional, but it is "
            "recommended "
            "to fill it out to gain more popularity for your listing.");
    case Permissions:
        return One(
            "A Distribution Agreements for your program. It is an optional field but filling it out can help "
            "the program to be listed more quickly. It is not a bad idea to indicate if you allow to "
            "distribute your program on CD-ROM.");
    case Eula:
        return One(
            "End User License Agreement. It is an optional field. Here you can put a text of EULA of your "
            "program--that very agreement that is concluded with end users.");
    case SystemRequirements:
        return One(
            "If your program has any specific requirements you need to put it here. (A necessary processor, "
            "RAM, etc.)");
    case Limitations:
        return One("If your program has any other limits besides date expiration, you can enter it here.");
    case Keywords:
        return One(
            "Enter up to 15 keywords which describe your product best. Separate keywords with comma \",\".");
    case Desc45:
        return One("Short description of your product (45 Chars limit).");
    case Desc80:
        return One("Short description of your product (80 Chars limit).");
    case Desc250:
        return One("Description of your product (250 Chars limit). Do not use HTML tags.");
    case Desc450:
        return One("Description of your product (450 Chars limit). Do not use HTML tags.");
    case Desc2000:
        return One("Description of your product (2000 Chars limit). Do not use HTML tags.");
    case CompanyName:
        return One(
            "Your company name. If you do not have a company (you are the only author), enter your first and "
            "last name.");
    case Address1:
    case Address2:
        return One("Your company address.");
    case City:
        return One("A city where your company is located.");
    case State:
        return One(
            "If your company is located in USA, select a state. If not, enter the name of your state or "
            "province or leave the field blank.");
    case Zip:
        return One("Your Zip/Postal code.");
    case Country:
        return One("A country where your company is located.");
    case CompanyUrl:
        return One("An URL of your company's site. It must begin with http://");
    case GeneralEmail:
        return One("An e-mail that you would like to use for contacts with shareware sites. On some sites "
                   "this e-mail "
                   "will be published.");
    case SalesEmail:
        return One("An e-mail that you would like to use for contacts with users about sales questions.");
    case SupportEmail:
        return One(
            "An e-mail that you would like to use for contacts with users about technical support matters.");
    case GeneralPhone:
        return One("A phone number you would like to use for contacts with users about any questions.");
    case SupportPhone:
        return One(
            "A phone number that you would like to use for contacts with users about technical support "
            "questions.");
    case SalesPhone:
        return One("A phone number that you would like to use for contacts with users about sales matters.");
    case FaxPhone:
        return One("A phone number you plan to use for contacts with users via fax.");
    case ContactFirstName:
        return One("The first name of a person to be contacted with in case of submission problems or to "
                   "inform about "
                   "changes on sites.");
    case ContactLastName:
        return One("The last name of a person to be contacted with in case of submission problems or to "
                   "inform about "
                   "changes on sites.");
    case ContactEmail:
        return One(
            "An e-mail of a person to be contacted with in case of submission problems or to inform about "
            "changes on sites.");
    case AuthorFirstName:
        return One("The first name of the product's author.");
    case AuthorLastName:
        return One("The last name of the product's author.");
    case AuthorEmail:
        return One("An e-mail of the product's author.");
    case AspMember:
        return One("Check this field if you are a member of Association of Shareware Professionals.");
    case AspMemberNumber:
        return One("Your personal Association of Shareware Professionals ID.");
    case TpaMember:
        return One("Check this field if you are a member of Trialware Professional Association.");
    case TpaMemberId:
        return One("Your personal Trialware Professional Association ID.");
    case InfoUrl:
        return One("A URL of a page where a user can find detailed information about the product.");
    case OrderUrl:
        return One(
            "A URL of a page where a user can order your product. If the program is free leave this field "
            "blank.");
    case ScreenshotUrl:
        return One(
            "A URL pointing to a screenshot of your program (GIF, PNG or JPG). Highly recommended for all "
            "submissions.");
    case SmallScreenshotUrl:
        return One("A URL pointing to a small screenshot of your program (GIF, PNG or JPG). Width and height "
                   "of image "
                   "must not exceed 100 pixels. Highly recommended for game submissions.");
    case IconUrl:
        return One("A URL pointing to a GIF icon of 32x32 pixels.");
    case PadUrl:
        return One("A URL pointing to a XML PAD file of your program. If you do not have a PAD file yet, "
                   "enter a URL "
                   "where you plan to place it. Listrider will generate a PAD file for you and upload it to "
                   "your FTP "
                   "server.");
    case PrimaryDownloadUrl:
        return One(
            "A Primary Download URL. It must point to a ZIP, EXE, MSI, DMG or a SIT file, not to a download "
            "page. We greatly do not recommend using links to CGI scripts as many sites do not accept them.");
    case SecondaryDownloadUrl:
        return One("A Secondary Download URL." + std::string(kDownloadEnd));
    case AdditionalDownloadUrl1:
        return One("Additional Download URL 1." + std::string(kDownloadEnd));
    case AdditionalDownloadUrl2:
        return One("Additional Download URL 2." + std::string(kDownloadEnd));
    case UploadFileLocation:
        return One(
            "A path to the program file on your hard drive. This information is needed for FTP and HTTP "
            "uploadings.");
    case UploadPadLocation:
        return One("A path to the PAD XML file on your hard drive.");
    case UploadIconLocation:
        return One("A path to a GIF icon of your program on your hard drive.");
    case UploadScreenshotLocation:
        return One("A path to a GIF or a JPG screenshot of your program on your hard drive.");
    case LinksPage:
        return One(
            "A URL where you plan to place back links to sites. It is recommended to place them to gain more "
            "submission effectiveness.");
    case RegNowCommission:
    case RegSoftCommission:
    case ShareItCommission:
    case ESellerateCommission:
        return One(kCommission);
    case RegNowId:
        return One("Your product's ID in RegNow. Its format is xxxx-x. If you are not registered as Vendor "
                   "in RegNow, "
                   "leave this field blank.");
    case RegSoftId:
        return One(
            "Your product's ID in RegSoft. Its format is xxxxxxx. If you are not registered as Vendor in "
            "RegSoft, leave this field blank.");
    case ShareItId:
        return One(
            "Your product's ID in ShareIt! Its format is xxxxxxx. If you are not registered as Vendor in "
            "ShareIt!, leave this field blank.");
    case ShareItCompanyId:
        return One(
            "Your company's (not a product!) ID in ShareIt! in a format xxxxxx. If you are not registered as "
            "Vendor in ShareIT!, leave this field blank.");
    case ESellerateCompanyId:
        return One("Your company's ID in eSellerate. Its format is STRxxxxxxxxx. If you are not registered "
                   "as Vendor "
                   "in eSellerate, leave this field blank.");
    case ESellerateId:
        return One("Your product's ID in eSellerate. Its format is SKUxxxxxxxxx. If you are not registered "
                   "as Vendor "
                   "in eSellerate, leave this field blank.");
    case DefaultLogin:
        return One(
            "A default login value. It will be used for creating new accounts and in case if you do not "
            "specify a login for some site.");
    case DefaultEmailLogin:
        return One(
            "A default login value for sites that use an e-mail as login. It will be used for creating new "
            "accounts and in case if you do not specify a login for some site.");
    case DefaultPassword:
        return One(
            "A default password value. It will be used for creating new accounts and in case if you do not "
            "specify a password for some site.");
    case PadSpecificCategory:
        return One("A Specific Category for PAD that best fits your product. This field is required.");
    case CategoryClass:
        return One("A category class that best fits your product.");
    case PadCategories:
        return One(
            "A Subcategory that defines a selected category in more detail. This field is required, too.");
    default:
        return {};
    }
}

} // namespace listrider::catalogue
