// Company.dat of a company folder and company.dat of a product folder.
#pragma once

#include "catalogue/affiliate_info.h"
#include "catalogue/company_info.h"
#include "store/line_list.h"

namespace listrider::catalogue {

/// Which copy of the company record a file is.
enum class CompanyCopy
{
    ProductFolder, ///< the state as typed; read into the editor
    CompanyFolder, ///< the chosen state entry, and the company IDs of eSellerate and ShareIt
};

/// Fills the company fields from a company record; the eSellerate and ShareIt company IDs go
/// into the affiliate fields.
void ReadCompanyFile(store::LineSpan lines, CompanyInfo& company, AffiliateInfo& affiliates);

/// Returns the lines of one copy of the company record.
store::LineList
CompanyFileLines(const CompanyInfo& company, const AffiliateInfo& affiliates, CompanyCopy copy);

/// Returns the lines of the record a new company starts with: its name only.
store::LineList NewCompanyFileLines(std::string_view name);

/// Returns the company name of a Company.dat: the value of the last line that contains
/// "Company_Name", empty when there is none.
std::string CompanyNameOf(store::LineSpan lines);

} // namespace listrider::catalogue
