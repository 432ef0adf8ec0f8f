// Company and contact values.
#include "engine/macro_families.h"

namespace listrider::engine {
namespace {

std::string DashWhenEmpty(const std::string& text)
{
    return text.empty() ? "-" : text;
}

} // namespace

void AddCompanyMacros(MacroTable& table, const catalogue::ProductValues& product)
{
    const catalogue::CompanyInfo& company = product.company;
    table["Company"] = company.name;
    table["Address1"] = DashWhenEmpty(company.address1);
    table["Address2"] = company.address2;
    table["City"] = DashWhenEmpty(company.city);
    table["Province"] = DashWhenEmpty(company.state);
    table["PostalZip"] = DashWhenEmpty(company.zip);
    table["Country"] = company.country;
    table["CompanyWebSite"] = company.webSiteUrl;
    table["CutCompanyWebSite"] = CutUrl(company.webSiteUrl);
    table["ContactFirstName"] = company.contactFirstName;
    table["ContactLastName"] =
        company.contactLastName.empty() ? company.contactFirstName : company.contactLastName;
    table["ContactEmail"] = company.contactEmail;
    table["GeneralEmail"] = company.generalEmail;
    table["SalesEmail"] = company.salesEmail;
    table["SupportEmail"] = company.supportEmail;
    table["GeneralPhone"] = DashWhenEmpty(company.generalPhone);
    table["ContactPhone"] = DashWhenEmpty(company.generalPhone);
    table["ContactFax"] = company.faxPhone;
    table["ASPMemberYN"] = product.aspMember;
    table["ASPMemberYesNo"] = product.aspMember == "Y" ? "Yes" : "No";
    table["TPAMemberYesNo"] = product.tpaMember == "Y" ? "Yes" : "No";
    table["ASPMemberWinSite"] = product.aspMemberDigit;
    table["TPAMemberWinSite"] = product.tpaMemberDigit;
    table["ASPNumber"] = company.aspMemberNumber;
}

} // namespace listrider::engine
