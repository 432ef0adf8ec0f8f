#include "catalogue/field_id.h"

#include <array>

#include "store/ascii.h"

namespace listrider::catalogue {
namespace {

using enum FieldShape;

constexpr std::array kInfos = {
    FieldInfo{FieldKind::ProgramName, "Program_Name", "Program Name:", Text},
    FieldInfo{FieldKind::Version, "Program_Version", "Version:", Text},
    FieldInfo{FieldKind::Type, "Program_Type", "Type:", Choice},
    FieldInfo{FieldKind::ReleaseStatus, "Program_Release_Status", "Release Status:", Choice},
    FieldInfo{FieldKind::InstallSupport, "Program_Install_Support", "Install Support:", Choice},
    FieldInfo{FieldKind::ReleaseDay, "Program_Release_Day", "Release Date: day", Choice},
    FieldInfo{FieldKind::ReleaseMonth, "Program_Release_Month", "Release Date: month", Choice},
    FieldInfo{FieldKind::ReleaseYear, "Program_Release_Year", "Release Date: year", Choice},
    FieldInfo{FieldKind::PriceDollars, "Program_Cost_Dollars", "Price (US$):", Text},
    FieldInfo{FieldKind::PriceOther, "Program_Cost_Other", "Price (other):", Text},
    FieldInfo{FieldKind::Currency, "Program_Cost_Other_Code", "Currency:", Choice},
    FieldInfo{FieldKind::HasExpireInfo, "Has_Expire_Info", "Program has expire info", Flag},
    FieldInfo{FieldKind::ExpireCount, "Expire_Count", "Expires After:", Text},
    FieldInfo{FieldKind::ExpireBasedOn, "Expire_Based_On", "Expire based on", Choice},
    FieldInfo{FieldKind::ExpireDay, "Expire_Day", "Expires On: day", Choice},
    FieldInfo{FieldKind::ExpireMonth, "Expire_Month", "Expires On: month", Choice},
    FieldInfo{FieldKind::ExpireYear, "Expire_Year", "Expires On: year", Choice},
    FieldInfo{FieldKind::ExpireOtherInfo, "Expire_Other_Info", "Other Expire Info:", Text},
    FieldInfo{FieldKind::IncludesJavaVm, "Includes_JAVA_VM", "Includes Java VM", Flag},
    FieldInfo{FieldKind::IncludesVbRuntime, "Includes_VB_Runtime", "Includes VB Runtime", Flag},
    FieldInfo{FieldKind::IncludesDirectX, "Includes_DirectX", "Includes DirectX", Flag},
    FieldInfo{FieldKind::FilenameGeneric, "Filename_Generic", "Generic Filename:", Text},
    FieldInfo{FieldKind::FilenameLong, "Filename_Long", "Long Filename:", Text},
    FieldInfo{FieldKind::FilenameVersioned, "Filename_Versioned", "Versioned Filename:", Text},
    FieldInfo{FieldKind::FilenamePrevious, "Filename_Previous", "Previous Filename:", Text},
    FieldInfo{FieldKind::SizeBytes, "File_Size_Bytes", "Size in Bytes:", Text},
    FieldInfo{FieldKind::SizeK, "File_Size_K", "Size in KB:", Text},
    FieldInfo{FieldKind::SizeMb, "File_Size_MB", "Size in MB:", Text},
    FieldInfo{FieldKind::OsSupport, "Program_OS_Support", "Supported Operating Systems", OsList},
    FieldInfo{FieldKind::Languages, "Program_Language", "Supported Languages", LanguageList},
    FieldInfo{FieldKind::SystemRequirements, "Program_System_Requirements", "System Requirements:", Text},
    FieldInfo{FieldKind::Limitations, "Program_Limitations", "Limitations of demo:", Text},
    FieldInfo{FieldKind::ChangeInfo, "Program_Change_Info", "Recent Changes:", Lines},
    FieldInfo{FieldKind::Awards, "Program_Awards", "Awards:", Lines},
    FieldInfo{FieldKind::Permissions, "Distribution_Permissions", "Distribution Agreements:", Lines},
    FieldInfo{FieldKind::Eula, "EULA", "License Agreement:", Lines},
    FieldInfo{FieldKind::Keywords, "Keywords", "Keywords:", Text},
    FieldInfo{FieldKind::Desc45, "Char_Desc_45", "45 Char. Description:", Text},
    FieldInfo{FieldKind::Desc80, "Char_Desc_80", "80 Char. Description:", Text},
    FieldInfo{FieldKind::Desc250, "Char_Desc_250", "250 Char. Description:", Lines},
    FieldInfo{FieldKind::Desc450, "Char_Desc_450", "450 Char. Description:", Lines},
    FieldInfo{FieldKind::Desc2000, "Char_Desc_2000", "2000 Char. Description:", Lines},
    FieldInfo{FieldKind::CompanyName, "Company_Name", "Company Name:", Text},
    FieldInfo{FieldKind::Address1, "Address_1", "Address1:", Text},
    FieldInfo{FieldKind::Address2, "Address_2", "Address2:", Text},
    FieldInfo{FieldKind::City, "City_Town", "City/Town:", Text},
    FieldInfo{FieldKind::State, "State_Province", "State/Province:", Text},
    FieldInfo{FieldKind::Zip, "Zip_Postal_Code", "Zip/Postal Code:", Text},
    FieldInfo{FieldKind::Country, "Country", "Country:", Text},
    FieldInfo{FieldKind::CompanyUrl, "Company_WebSite_URL", "Company URL:", Text},
    FieldInfo{FieldKind::ContactFirstName, "Contact_First_Name", "Contact First Name:", Text},
    FieldInfo{FieldKind::ContactLastName, "Contact_Last_Name", "Contact Last Name:", Text},
    FieldInfo{FieldKind::ContactEmail, "Contact_Email", "Contact E-Mail:", Text},
    FieldInfo{FieldKind::AuthorFirstName, "Author_First_Name", "Author First Name:", Text},
    FieldInfo{FieldKind::AuthorLastName, "Author_Last_Name", "Author Last Name:", Text},
    FieldInfo{FieldKind::AuthorEmail, "Author_Email", "Author E-Mail:", Text},
    FieldInfo{FieldKind::GeneralEmail, "General_Email", "General E-mail:", Text},
    FieldInfo{FieldKind::SupportEmail, "Support_Email", "Support E-Mail:", Text},
    FieldInfo{FieldKind::SalesEmail, "Sales_Email", "Sales E-Mail:", Text},
    FieldInfo{FieldKind::GeneralPhone, "General_Phone", "General Phone:", Text},
    FieldInfo{FieldKind::SupportPhone, "Support_Phone", "Support Phone:", Text},
    FieldInfo{FieldKind::SalesPhone, "Sales_Phone", "Sales Phone:", Text},
    FieldInfo{FieldKind::FaxPhone, "Fax_Phone", "Fax Phone:", Text},
    FieldInfo{FieldKind::AspMember, "ASP_Member", "ASP Member", Flag},
    FieldInfo{FieldKind::AspMemberNumber, "ASP_Member_Number", "ASP Member ID:", Text},
    FieldInfo{FieldKind::TpaMember, "TPA_Member", "TPA Member", Flag},
    FieldInfo{FieldKind::TpaMemberId, "TPA_Member_ID", "TPA Member ID:", Text},
    FieldInfo{FieldKind::InfoUrl, "Application_Info_URL", "Application Info URL:", Text},
    FieldInfo{FieldKind::OrderUrl, "Application_Order_URL", "Order Page URL:", Text},
    FieldInfo{FieldKind::ScreenshotUrl, "Application_Screenshot_URL", "Screenshot URL:", Text},
    FieldInfo{
        FieldKind::SmallScreenshotUrl, "Application_Small_Screenshot_URL", "Screenshot(100x100) URL:", Text},
    FieldInfo{FieldKind::IconUrl, "Application_Icon_URL", "Program Icon URL:", Text},
    FieldInfo{FieldKind::PadUrl, "Application_XML_File_URL", "PAD XML file URL:", Text},
    FieldInfo{FieldKind::PrimaryDownloadUrl, "Primary_Download_URL", "Primary Download URL:", Text},
    FieldInfo{FieldKind::SecondaryDownloadUrl, "Secondary_Download_URL", "Secondary Download URL:", Text},
    FieldInfo{
        FieldKind::AdditionalDownloadUrl1, "Additional_Download_URL_1", "Additional Download URL1:", Text},
    FieldInfo{
        FieldKind::AdditionalDownloadUrl2, "Additional_Download_URL_2", "Additional Download URL2:", Text},
    FieldInfo{FieldKind::UploadFileLocation, "Upload_File_Location", "Upload file location:", Text},
    FieldInfo{FieldKind::UploadPadLocation, "Upload_PAD_Location", "PAD file location:", Text},
    FieldInfo{FieldKind::UploadIconLocation, "Upload_Icon_Location", "Upload icon location:", Text},
    FieldInfo{FieldKind::UploadScreenshotLocation,
              "Upload_Screenshot_Location",
              "Upload screenshot location:",
              Text},
    FieldInfo{FieldKind::PadSpecificCategory, "PAD_Specific_Category", "PAD File Specific Category:", Choice},
    FieldInfo{FieldKind::PadCategories, "PAD_Categories", "PAD File Categories:", Text},
    FieldInfo{FieldKind::CategoryClass, "Program_Category_Class", "PAD Category Class:", Choice},
    FieldInfo{FieldKind::FastCategory, "Fast_Category", "Fast category", Text},
    FieldInfo{FieldKind::RegNowId, "RegNowAff", "RegNow Product ID:", Text},
    FieldInfo{FieldKind::RegNowCommission, "RegNowCommission", "Maximum commission rate: (RegNow)", Text},
    FieldInfo{FieldKind::RegSoftId, "RegSoftAff", "RegSoft Product ID:", Text},
    FieldInfo{FieldKind::RegSoftCommission, "RegSoftCommission", "Maximum commission rate: (RegSoft)", Text},
    FieldInfo{FieldKind::ShareItId, "ShareItAff", "ShareIt! Product ID:", Text},
    FieldInfo{FieldKind::ShareItCompanyId, "ShareItCompanyAff", "ShareIt! Company ID:", Text},
    FieldInfo{FieldKind::ShareItCommission, "ShareItCommission", "Maximum commission rate: (ShareIt!)", Text},
    FieldInfo{FieldKind::ESellerateCompanyId, "ESellerateCompanyAff", "eSellerate Company ID:", Text},
    FieldInfo{FieldKind::ESellerateId, "ESellerateAff", "eSellerate Product ID:", Text},
    FieldInfo{FieldKind::ESellerateCommission,
              "ESellerateCommission",
              "Maximum commission rate: (eSellerate)",
              Text},
    FieldInfo{FieldKind::LinksPage, "Links_Page", "Links Page URL:", Text},
    FieldInfo{FieldKind::RegistrationKind, "Code_Type", "Registration code kind", Choice},
    FieldInfo{FieldKind::SingleCode, "Single_Registration_Code", "Registration Code: (single)", Text},
    FieldInfo{FieldKind::RegistrationName, "Registration_Name", "Registration Name:", Text},
    FieldInfo{FieldKind::RegistrationCode, "Registration_Code", "Registration Code: (personal)", Text},
    FieldInfo{FieldKind::ComplexCode, "Complex_Code", "Registration codes (complex)", Text},
    FieldInfo{FieldKind::WinPicksCode, "WinPicks_Code", "Winpicks Review code", Text},
    FieldInfo{FieldKind::FDepotCode, "FDepot_Code", "fdepot code", Text},
    FieldInfo{FieldKind::DefaultLogin, "Common_Login", "Default login:", Text},
    FieldInfo{FieldKind::DefaultEmailLogin, "Common_EMail_Login", "Default E-mail login:", Text},
    FieldInfo{FieldKind::DefaultPassword, "Common_Password", "Default password:", Text},
};

static_assert(kInfos.size() == static_cast<std::size_t>(FieldKind::DefaultPassword) + 1);
static_assert(
    [] {
        for (std::size_t i = 0; i < kInfos.size(); ++i) {
            if (static_cast<std::size_t>(kInfos[i].kind) != i) {
                return false;
            }
        }
        return true;
    }(),
    "the field table follows the order of FieldKind");

} // namespace

std::span<const FieldInfo> FieldInfos()
{
    return kInfos;
}

const FieldInfo& InfoOf(FieldKind kind)
{
    return kInfos[static_cast<std::size_t>(kind)];
}

std::optional<FieldKind> FieldKindByName(std::string_view name)
{
    for (const FieldInfo& info : kInfos) {
        if (store::EqualsNoCase(info.name, name)) {
            return info.kind;
        }
    }
    return std::nullopt;
}

bool IsDescriptionField(FieldKind kind)
{
    return kind >= FieldKind::Keywords && kind <= FieldKind::Desc2000;
}

} // namespace listrider::catalogue
