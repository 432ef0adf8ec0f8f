// The e-mail addresses and logins the account requester tries at each site.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "catalogue/accounts.h"
#include "catalogue/company_info.h"

namespace listrider::companions {

/// What the author may have registered with.
struct RequestCandidates
{
    std::vector<std::string> emails;
    std::vector<std::string> logins;
};

/// Returns the candidates: the company's general, support, sales, contact and author e-mail
/// addresses, the submit wizard's default e-mail login, the accounts page's default e-mail login
/// and the logins of the "E-MAIL" rows, keeping only entries with "@"; the accounts page's default
/// login and the logins of the "LOGIN" rows. Empty and single-space entries are dropped, and of
/// entries equal when ASCII case is ignored only the last one stays.
RequestCandidates GatherRequestCandidates(const catalogue::CompanyInfo& company,
                                          std::string_view wizardEmailLogin,
                                          const catalogue::AccountsList& accounts);

} // namespace listrider::companions
