#include "catalogue/company_file.h"

#include <vector>

#include "catalogue/element_lines.h"
#include "catalogue/vocabularies.h"
#include "store/ascii.h"
#include "store/tag_document.h"

namespace listrider::catalogue {

using detail::FlagRule;
using detail::TextRule;

void ReadCompanyFile(store::LineSpan lines, CompanyInfo& company, AffiliateInfo& affiliates)
{
    const std::vector<detail::ElementRule> rules = {
        TextRule("Company_Name", company.name),
        TextRule("Address_1", company.address1),
        TextRule("Address_2", company.address2),
        TextRule("City_Town", company.city),
        TextRule("State_Province", company.state),
        TextRule("Zip_Postal_Code", company.zip),
        TextRule("Country", company.country),
        TextRule("Company_WebSite_URL", company.webSiteUrl),
        TextRule("Contact_First_Name", company.contactFirstName),
        TextRule("Contact_Last_Name", company.contactLastName),
        TextRule("Contact_Email", company.contactEmail),
        TextRule("Author_First_Name", company.authorFirstName),
        TextRule("Author_Last_Name", company.authorLastName),
        TextRule("Author_Email", company.authorEmail),
        TextRule("General_Email", company.generalEmail),
        TextRule("Support_Email", company.supportEmail),
        TextRule("Sales_Email", company.salesEmail),
        TextRule("General_Phone", company.generalPhone),
        TextRule("Support_Phone", company.supportPhone),
        TextRule("Sales_Phone", company.salesPhone),
        TextRule("Fax_Phone", company.faxPhone),
        FlagRule("ASP_Member", company.aspMember),
        TextRule("ASP_Member_Number", company.aspMemberNumber),
        FlagRule("TPA_Member", company.tpaMember),
        TextRule("TPA_Member_ID", company.tpaMemberId),
        TextRule("ESellerateCompanyAff", affiliates.eSellerateCompanyId),
        TextRule("ShareItCompanyAff", affiliates.shareItCompanyId),
    };
    detail::ApplyElements(lines, rules);
}

store::LineList
CompanyFileLines(const CompanyInfo& company, const AffiliateInfo& affiliates, CompanyCopy copy)
{
    store::TagWriter writer;
    writer.Element("Company_Name", company.name);
    writer.Element("Address_1", company.address1);
    writer.Element("Address_2", company.address2);
    writer.Element("City_Town", company.city);
    writer.Element("State_Province",
                   copy == CompanyCopy::CompanyFolder ? ChosenStateEntry(company) : company.state);
    writer.Element("Zip_Postal_Code", company.zip);
    writer.Element("Country", company.country);
    writer.Element("Company_WebSite_URL", company.webSiteUrl);
    writer.Element("Contact_First_Name", company.contactFirstName);
    writer.Element("Contact_Last_Name", company.contactLastName);
    writer.Element("Contact_Email", company.contactEmail);
    writer.Element("Author_First_Name", company.authorFirstName);
    writer.Element("Author_Last_Name", company.authorLastName);
    writer.Element("Author_Email", company.authorEmail);
    writer.Element("General_Email", company.generalEmail);
    writer.Element("Support_Email", company.supportEmail);
    writer.Element("Sales_Email", company.salesEmail);
    writer.Element("General_Phone", company.generalPhone);
    writer.Element("Support_Phone", company.supportPhone);
    writer.Element("Sales_Phone", company.salesPhone);
    writer.Element("Fax_Phone", company.faxPhone);
    writer.Flag("ASP_Member", company.aspMember, store::kYnFlags);
    writer.Element("ASP_Member_Number", company.aspMemberNumber);
    writer.Flag("TPA_Member", company.tpaMember, store::kYnFlags);
    writer.Element("TPA_Member_ID", company.tpaMemberId);
    if (copy == CompanyCopy::CompanyFolder) {
        writer.Element("ESellerateCompanyAff", affiliates.eSellerateCompanyId);
        writer.Element("ShareItCompanyAff", affiliates.shareItCompanyId);
    }
    return writer.Lines();
}

store::LineList NewCompanyFileLines(std::string_view name)
{
    return store::LineList{store::ElementLine("Company_Name", name)};
}

std::string CompanyNameOf(store::LineSpan lines)
{
    std::string name;
    for (std::string_view line : lines) {
        if (store::ContainsNoCase(line, "Company_Name")) {
            name = store::TagValue(line);
        }
    }
    return name;
}

std::string ChosenStateEntry(const CompanyInfo& company)
{
    return HasEntry(UsStates(), company.state) ? company.state : std::string();
}

} // namespace listrider::catalogue
