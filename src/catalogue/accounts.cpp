#include "catalogue/accounts.h"

#include <algorithm>

#include "store/ascii.h"

namespace listrider::catalogue {
namespace {

bool IsSet(std::string_view value)
{
    return !value.empty() && value != "-" && value != "n/a";
}

} // namespace

AccountRow* AccountsList::FindExact(std::string_view siteName)
{
    for (AccountRow& row : rows) {
        if (row.siteName == siteName) {
            return &row;
        }
    }
    return nullptr;
}

AccountRow* AccountsList::FindNoCase(std::string_view siteName)
{
    for (AccountRow& row : rows) {
        if (store::EqualsNoCase(row.siteName, siteName)) {
            return &row;
        }
    }
    return nullptr;
}

const AccountRow* AccountsList::FindNoCase(std::string_view siteName) const
{
    for (const AccountRow& row : rows) {
        if (store::EqualsNoCase(row.siteName, siteName)) {
            return &row;
        }
    }
    return nullptr;
}

AccountsList LoadPasswords(std::span<const AccountSiteRow> sites)
{
    AccountsList accounts;
    for (const AccountSiteRow& site : sites) {
        if (site.accountKind == "n/a") {
            continue;
        }
        AccountRow row;
        row.siteName = site.name;
        row.loginIs = site.accountKind == "LOGINPASSWORD" ? "LOGIN" : "E-MAIL";
        row.unique = site.unique ? "YES" : "";
        row.request = site.request;
        row.validate = site.validate;
        accounts.rows.push_back(std::move(row));
    }
    std::stable_sort(
        accounts.rows.begin(), accounts.rows.end(), [](const AccountRow& a, const AccountRow& b) {
            return store::AsciiUpper(a.siteName) < store::AsciiUpper(b.siteName);
        });
    return accounts;
}

void ClearPasswords(AccountsList& accounts)
{
    for (AccountRow& row : accounts.rows) {
        row.login.clear();
        row.password.clear();
    }
}

bool SetAccount(AccountsList& accounts,
                std::string_view siteName,
                std::string_view login,
                std::string_view password)
{
    AccountRow* row = accounts.FindNoCase(siteName);
    if (row == nullptr) {
        return false;
    }
    row->login = login;
    row->password = password;
    accounts.copyToSiteList = true;
    return true;
}

bool IsEmailLogin(const AccountRow& row)
{
    return store::ContainsNoCase(row.loginIs, "mail");
}

SiteAccount
SiteAccountForRun(const AccountsList& accounts, std::string_view siteName, std::string_view generalEmail)
{
    SiteAccount account;
    const AccountRow* row = accounts.FindNoCase(siteName);
    if (row == nullptr) {
        account.login = accounts.defaults.login;
        account.password = accounts.defaults.password;
        return account;
    }
    account.password = IsSet(row->password) ? row->password : accounts.defaults.password;
    if (IsSet(row->login)) {
        account.login = row->login;
        account.emailLogin = row->login;
    } else {
        account.login = accounts.defaults.login;
        account.emailLogin =
            accounts.defaults.emailLogin.empty() ? std::string(generalEmail) : accounts.defaults.emailLogin;
    }
    if (IsEmailLogin(*row)) {
        account.login = account.emailLogin;
    }
    return account;
}

} // namespace listrider::catalogue
