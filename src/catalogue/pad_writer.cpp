#include "catalogue/pad_writer.h"

#include "catalogue/xml_text.h"
#include "store/ascii.h"
#include "store/unicode.h"

namespace listrider::catalogue {
namespace {

constexpr std::string_view kPadInfo =
    "Portable Application Description, or PAD for short, is a data set that is used by shareware authors to "
    "disseminate information to anyone interested in their software products. To find out more go to ";

class PadLines
{
public:
    explicit PadLines(const store::CodePage& codePage)
        : m_codePage(codePage)
    {}

    /// A line written as it stands.
    void Literal(std::string_view indent, std::string_view line)
    {
        m_text.append(indent).append(line).append("\r\n");
    }

    /// An element with a code-page value.
    void Element(std::string_view indent, std::string_view tag, std::string_view value)
    {
        Utf8Element(indent, tag, m_codePage.ToUtf8(value));
    }

    /// An element with a Unicode value.
    void Element(std::string_view indent, std::string_view tag, std::u16string_view value)
    {
        Utf8Element(indent, tag, store::WideToUtf8(value));
    }

    std::string Take() { return std::move(m_text); }

private:
    void Utf8Element(std::string_view indent, std::string_view tag, std::string_view utf8)
    {
        m_text.append(indent).append("<").append(tag).append(">");
        m_text.append(PadValue(utf8));
        m_text.append("</").append(tag).append(">\r\n");
    }

    const store::CodePage& m_codePage;
    std::string m_text;
};

constexpr std::string_view k0;
constexpr std::string_view k2 = "  ";
constexpr std::string_view k4 = "    ";
constexpr std::string_view k8 = "        ";
constexpr std::string_view kTab = "\t";
constexpr std::string_view kTab4 = "\t    ";

void WriteCompany(PadLines& pad, const CompanyInfo& company)
{
    pad.Literal(k0, "<Company_Info>");
    pad.Element(k8, "Company_Name", company.name);
    pad.Element(k8, "Address_1", company.address1);
    pad.Element(k8, "Address_2", company.address2);
    pad.Element(k8, "City_Town", company.city);
    pad.Element(k8, "State_Province", company.state);
    pad.Element(k8, "Zip_Postal_Code", company.zip);
    pad.Element(k8, "Country", company.country);
    pad.Element(k8, "Company_WebSite_URL", company.webSiteUrl);
    pad.Literal(k0, "<Contact_Info>");
    pad.Element(k8, "Author_First_Name", company.authorFirstName);
    pad.Element(k8, "Author_Last_Name", company.authorLastName);
    pad.Element(k8, "Author_Email", company.authorEmail);
    pad.Element(k8, "Contact_First_Name", company.contactFirstName);
    pad.Element(k8, "Contact_Last_Name", company.contactLastName);
    pad.Element(k8, "Contact_Email", company.contactEmail);
    pad.Literal(k4, "</Contact_Info>");
    pad.Literal(k0, "<Support_Info>");
    pad.Element(k8, "Sales_Email", company.salesEmail);
    pad.Element(k8, "Support_Email", company.supportEmail);
    pad.Element(k8, "General_Email", company.generalEmail);
    pad.Element(k8, "Sales_Phone", company.salesPhone);
    pad.Element(k8, "Support_Phone", company.supportPhone);
    pad.Element(k8, "General_Phone", company.generalPhone);
    pad.Element(k8, "Fax_Phone", company.faxPhone);
    pad.Literal(k4, "</Support_Info>");
    pad.Literal(k0, "</Company_Info>");
}

void WriteProgram(PadLines& pad, const ProductValues& values)
{
    const ProgramValues& program = values.program;
    pad.Literal(k0, "<Program_Info>");
    pad.Element(k8, "Program_Name", program.name);
    pad.Element(k8, "Program_Version", program.version);
    pad.Element(k8, "Program_Release_Month", program.releaseMonth);
    pad.Element(k8, "Program_Release_Day", program.releaseDay);
    pad.Element(k8, "Program_Release_Year", program.releaseYear);
    pad.Element(k8, "Program_Cost_Dollars", program.priceDollars);
    pad.Element(k8, "Program_Cost_Other", program.priceOther);
    pad.Element(k8, "Program_Cost_Other_Code", program.currency);
    pad.Element(k8, "Program_Type", program.type);
    pad.Element(k8, "Program_Release_Status", program.releaseStatus);
    pad.Element(k8, "Program_Install_Support", program.installSupport);
    pad.Element(k8, "Program_OS_Support", program.osList);
    pad.Element(k8, "Program_Language", program.languageList);
    pad.Literal(k0, "<File_Info>");
    pad.Element(k8, "Filename_Versioned", program.filenameVersioned);
    pad.Element(k8, "Filename_Previous", program.filenamePrevious);
    pad.Element(k8, "Filename_Generic", program.filenameGeneric);
    pad.Element(k8, "Filename_Long", program.filenameLong);
    pad.Element(k8, "File_Size_Bytes", program.fileSizeBytes);
    pad.Element(k8, "File_Size_K", program.fileSizeK);
    pad.Element(k8, "File_Size_MB", program.fileSizeMb);
    pad.Literal(k4, "</File_Info>");
    pad.Literal(k0, "<Expire_Info>");
    pad.Element(k8, "Has_Expire_Info", program.hasExpireInfo);
    pad.Element(k8, "Expire_Count", program.expireCount);
    pad.Element(k8, "Expire_Based_On", program.expireBasedOn);
    pad.Element(k8, "Expire_Other_Info", program.expireOtherInfo);
    pad.Element(k8, "Expire_Month", program.expireMonth);
    pad.Element(k8, "Expire_Day", program.expireDay);
    pad.Element(k8, "Expire_Year", program.expireYear);
    pad.Literal(k4, "</Expire_Info>");
    pad.Element(k8, "Program_Change_Info", program.changeInfo);
    pad.Element(k8, "Program_Specific_Category", values.padSpecificCategory);
    pad.Element(k8, "Program_Category_Class", values.categoryClass);
    pad.Element(k8, "Program_Categories", values.padCategories);
    pad.Element(k8, "Program_System_Requirements", program.systemRequirements);
    pad.Element(k8, "Limitations", program.limitations);
    pad.Element(k8, "Includes_JAVA_VM", program.includesJavaVm);
    pad.Element(k8, "Includes_VB_Runtime", program.includesVbRuntime);
    pad.Element(k8, "Includes_DirectX", program.includesDirectX);
    pad.Literal(k0, "</Program_Info>");
}

void WriteDescriptions(PadLines& pad, const std::vector<Desc>& descriptions)
{
    pad.Literal(k0, "<Program_Descriptions>");
    for (const Desc& desc : descriptions) {
        const std::string name = PadElementName(store::WideToUtf8(desc.Language));
        pad.Literal(k0, "<" + name + ">");
        pad.Element(k8, "Keywords", desc.Keywords);
        pad.Element(k8, "Char_Desc_45", desc.Desc45);
        pad.Element(k8, "Char_Desc_80", desc.Desc80);
        pad.Element(k8, "Char_Desc_250", desc.Desc250);
        pad.Element(k8, "Char_Desc_450", desc.Desc450);
        pad.Element(k8, "Char_Desc_2000", desc.Desc2000);
        pad.Literal(k0, "</" + name + ">");
    }
    pad.Literal(k0, "</Program_Descriptions>");
}

void WriteAffiliates(PadLines& pad, const AffiliateValues& affiliates)
{
    pad.Literal(k2, "<Affiliates>");
    pad.Literal(k4, "<Affiliates_FORM>Y</Affiliates_FORM>");
    pad.Literal(k4, "<Affiliates_FORM_VER>1.1 12/04/2002</Affiliates_FORM_VER>");
    pad.Element(k4, "Affiliates_Regsoft_Order_Page", affiliates.regSoftOrderUrl);
    pad.Literal(k4, "<Affiliates_Regsoft_Vendor_ID></Affiliates_Regsoft_Vendor_ID>");
    pad.Element(k4, "Affiliates_Regsoft_Product_ID", affiliates.regSoftId);
    pad.Element(k4, "Affiliates_Regsoft_Maximum_Commission_Rate", affiliates.regSoftCommission);
    pad.Element(k4, "Affiliates_Regnow_Order_Page", affiliates.regNowOrderUrl);
    pad.Element(k4, "Affiliates_Regnow_Vendor_ID", affiliates.regNowCompanyId);
    pad.Element(k4, "Affiliates_Regnow_Product_ID", affiliates.regNowId);
    pad.Element(k4, "Affiliates_Regnow_Maximum_Commission_Rate", affiliates.regNowCommission);
    pad.Element(k4, "Affiliates_ShareIt_Vendor_ID", affiliates.shareItCompanyId);
    pad.Element(k4, "Affiliates_ShareIt_Product_ID", affiliates.shareItId);
    pad.Element(k4, "Affiliates_ShareIt_Maximum_Commission_Rate", affiliates.shareItCommission);
    pad.Element(k4, "Affiliates_eSellerate_Vendor_ID", affiliates.eSellerateCompanyId);
    pad.Element(k4, "Affiliates_eSellerate_Product_ID", affiliates.eSellerateId);
    pad.Element(k4, "Affiliates_eSellerate_Maximum_Commission_Rate", affiliates.eSellerateCommission);
    pad.Literal(k2, "</Affiliates>");
}

void WriteWeb(PadLines& pad, const ProductUrls& urls)
{
    pad.Literal(k0, "<Web_Info>");
    pad.Literal(k0, "<Application_URLs>");
    pad.Element(k8, "Application_Info_URL", urls.infoUrl);
    pad.Element(k8, "Application_Order_URL", urls.orderUrl);
    pad.Element(k8, "Application_Screenshot_URL", urls.screenshotUrl);
    pad.Element(k8, "Application_Icon_URL", urls.iconUrl);
    pad.Element(k8, "Application_XML_File_URL", urls.xmlFileUrl);
    pad.Literal(k4, "</Application_URLs>");
    pad.Literal(k0, "<Download_URLs>");
    pad.Element(k8, "Primary_Download_URL", urls.primaryDownloadUrl);
    pad.Element(k8, "Secondary_Download_URL", urls.secondaryDownloadUrl);
    pad.Element(k8, "Additional_Download_URL_1", urls.additionalDownloadUrl1);
    pad.Element(k8, "Additional_Download_URL_2", urls.additionalDownloadUrl2);
    pad.Literal(k4, "</Download_URLs>");
    pad.Literal(k0, "</Web_Info>");
}

void WriteMembership(PadLines& pad, const ProductValues& values)
{
    pad.Literal(k0, "<Permissions>");
    pad.Element(k8, "Distribution_Permissions", values.program.permissions);
    pad.Element(k8, "EULA", values.program.eula);
    pad.Literal(k0, "</Permissions>");
    pad.Literal(k0, "<ASP>");
    pad.Literal(k4, "<ASP_FORM>Y</ASP_FORM>");
    pad.Element(k4, "ASP_Member", values.aspMember);
    pad.Element(k4, "ASP_Member_Number", values.company.aspMemberNumber);
    pad.Literal(k0, "</ASP>");
    pad.Literal(kTab, "<TPA>");
    pad.Literal(kTab4, "<TPA_FORM>Y</TPA_FORM>");
    pad.Element(kTab4, "TPA_Member", values.tpaMember);
    pad.Element(kTab4, "TPA_Member_ID", values.company.tpaMemberId);
    pad.Literal(kTab4, "<Trial_License_Type>Trialware</Trial_License_Type>");
    pad.Literal(kTab, "</TPA>");
}

} // namespace

std::string
BuildPadText(const ProductValues& values, const store::CodePage& codePage, std::string_view padSpecHomePage)
{
    PadLines pad(codePage);
    pad.Literal(k0, "<?xml version=\"1.0\" encoding=\"UTF-8\" ?>");
    pad.Literal(k0, "<XML_DIZ_INFO>");
    pad.Literal(k0, "<MASTER_PAD_VERSION_INFO>");
    pad.Literal(k4, "<MASTER_PAD_VERSION>2.01</MASTER_PAD_VERSION>");
    pad.Element(k4, "MASTER_PAD_INFO", std::string(kPadInfo) + std::string(padSpecHomePage));
    pad.Literal(k0, "</MASTER_PAD_VERSION_INFO>");
    WriteCompany(pad, values.company);
    WriteProgram(pad, values);
    WriteDescriptions(pad, values.descriptions);
    WriteAffiliates(pad, values.affiliates);
    WriteWeb(pad, values.web.urls);
    WriteMembership(pad, values);
    pad.Literal(k0, "</XML_DIZ_INFO>");
    return pad.Take();
}

std::string DefaultPadFileName(std::string_view programName)
{
    std::string name;
    for (const char c : programName) {
        if (c == ' ') {
            name.push_back('_');
        } else if (std::string_view("\"':,./\\").find(c) == std::string_view::npos) {
            name.push_back(c);
        }
    }
    return name + ".xml";
}

std::string WithXmlExtension(std::string_view chosen)
{
    std::string name(chosen);
    if (!store::ContainsNoCase(name, ".xml")) {
        name += ".xml";
    }
    return name;
}

} // namespace listrider::catalogue
