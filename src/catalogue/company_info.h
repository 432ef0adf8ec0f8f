// The company record of a product (company.dat, Company.dat).
#pragma once

#include <string>

namespace listrider::catalogue {

/// The company fields of the product editor, in the code page.
struct CompanyInfo
{
    std::string name;
    std::string address1;
    std::string address2;
    std::string city;
    std::string state; ///< the text of the state field (a list entry or free text)
    std::string zip;
    std::string country;
    std::string webSiteUrl;
    std::string contactFirstName;
    std::string contactLastName;
    std::string contactEmail;
    std::string authorFirstName;
    std::string authorLastName;
    std::string authorEmail;
    std::string generalEmail;
    std::string supportEmail;
    std::string salesEmail;
    std::string generalPhone;
    std::string supportPhone;
    std::string salesPhone;
    std::string faxPhone;
    bool aspMember = false;
    std::string aspMemberNumber;
    bool tpaMember = false;
    std::string tpaMemberId;

    friend bool operator==(const CompanyInfo&, const CompanyInfo&) = default;
};

/// Returns the entry of the state list equal to the state text, or the empty text when the
/// user typed a state that is not in the list.
std::string ChosenStateEntry(const CompanyInfo& company);

} // namespace listrider::catalogue
