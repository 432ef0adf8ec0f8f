#include "catalogue/country_state.h"

#include "store/ascii.h"
#include "store/state_lookup.h"

namespace listrider::catalogue {

void NormaliseCountryAndState(CompanyInfo& company, const std::filesystem::path& statesFile)
{
    const std::string& country = company.country;
    if (store::ContainsNoCase(country, "england") || store::EqualsNoCase(country, "gb")) {
        company.country = "United Kingdom";
    }
    if ((store::ContainsNoCase(country, "united") && store::ContainsNoCase(country, "state")) ||
        store::EqualsNoCase(country, "usa") || store::EqualsNoCase(country, "us")) {
        company.country = "USA";
        company.state = store::StateLookup(company.state, statesFile);
    }
}

} // namespace listrider::catalogue
