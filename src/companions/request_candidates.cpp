#include "companions/request_candidates.h"

#include <algorithm>

#include "store/ascii.h"

namespace listrider::companions {
namespace {

bool IsBlank(std::string_view entry)
{
    return entry.empty() || entry == " ";
}

// Of entries equal but for ASCII case the last one stays, in its place.
std::vector<std::string> KeepLastOfEqual(const std::vector<std::string>& entries)
{
    std::vector<std::string> kept;
    for (std::size_t i = 0; i < entries.size(); ++i) {
        const bool later =
            std::any_of(entries.begin() + static_cast<std::ptrdiff_t>(i) + 1,
                        entries.end(),
                        [&](const std::string& other) { return store::EqualsNoCase(other, entries[i]); });
        if (!later) {
            kept.push_back(entries[i]);
        }
    }
    return kept;
}

} // namespace

RequestCandidates GatherRequestCandidates(const catalogue::CompanyInfo& company,
                                          std::string_view wizardEmailLogin,
                                          const catalogue::AccountsList& accounts)
{
    std::vector<std::string> emails = {company.generalEmail,
                                       company.supportEmail,
                                       company.salesEmail,
                                       company.contactEmail,
                                       company.authorEmail,
                                       std::string(wizardEmailLogin),
                                       accounts.defaults.emailLogin};
    std::vector<std::string> logins = {accounts.defaults.login};
    for (const catalogue::AccountRow& row : accounts.rows) {
        if (row.loginIs == "E-MAIL") {
            emails.push_back(row.login);
        } else if (row.loginIs == "LOGIN") {
            logins.push_back(row.login);
        }
    }
    std::erase_if(emails, [](const std::string& entry) {
        return IsBlank(entry) || entry.find('@') == std::string::npos;
    });
    std::erase_if(logins, [](const std::string& entry) { return IsBlank(entry); });
    return RequestCandidates{KeepLastOfEqual(emails), KeepLastOfEqual(logins)};
}

} // namespace listrider::companions
