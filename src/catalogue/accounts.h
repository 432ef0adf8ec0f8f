// The site accounts of the open product: one row per site that needs an account.
#pragma once

#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace listrider::catalogue {

/// What the site table tells the accounts list about one site.
struct AccountSiteRow
{
    std::string name;
    std::string accountKind; ///< "n/a", "LOGINPASSWORD", "MAILPASSWORD", "PASSWORD"
    bool unique = false;
    bool request = false;
    std::string validate;
};

/// One row of the accounts list.
struct AccountRow
{
    std::string siteName;
    std::string login;
    std::string password;
    std::string loginIs;   ///< "LOGIN" or "E-MAIL"
    std::string requested; ///< set when lost account information was requested
    std::string unique;    ///< "YES" or empty
    bool request = false;  ///< the site can send lost account information
    std::string validate;

    friend bool operator==(const AccountRow&, const AccountRow&) = default;
};

/// An account of the company file for a site without a row, kept to be written back.
struct Passwordo
{
    std::string siteName;
    std::string login;
    std::string password;

    friend bool operator==(const Passwordo&, const Passwordo&) = default;
};

/// The three defaults of the accounts page.
struct AccountDefaults
{
    std::string login;      ///< "Default login:"
    std::string emailLogin; ///< "Default E-mail login:"
    std::string password;   ///< "Default password:"

    friend bool operator==(const AccountDefaults&, const AccountDefaults&) = default;
};

/// The accounts list with its defaults and the kept records.
struct AccountsList
{
    std::vector<AccountRow> rows;
    AccountDefaults defaults;
    std::vector<Passwordo> passwordo;
    bool copyToSiteList = false; ///< the rows changed and the site list should show them

    /// Returns the row of the site by exact name, or null.
    AccountRow* FindExact(std::string_view siteName);

    /// Returns the row of the site ignoring ASCII case, or null.
    AccountRow* FindNoCase(std::string_view siteName);
    const AccountRow* FindNoCase(std::string_view siteName) const;

    friend bool operator==(const AccountsList&, const AccountsList&) = default;
};

/// Returns the accounts list of the site table: one row per site whose account kind is not
/// "n/a", sorted by site name, logins and passwords empty.
AccountsList LoadPasswords(std::span<const AccountSiteRow> sites);

/// Empties the login and password of every row ("Requested" stays).
void ClearPasswords(AccountsList& accounts);

/// Stores an edited login and password into the site's row and marks the list for the site
/// list; false when the site has no row.
bool SetAccount(AccountsList& accounts,
                std::string_view siteName,
                std::string_view login,
                std::string_view password);

/// The login and password a run uses at one site.
struct SiteAccount
{
    std::string login;
    std::string emailLogin;
    std::string password;

    friend bool operator==(const SiteAccount&, const SiteAccount&) = default;
};

/// Returns the account for a site: the row's values where they are set, the defaults
/// otherwise (the company's general e-mail when the default e-mail login is empty); an e-mail
/// site logs in with the e-mail login.
SiteAccount
SiteAccountForRun(const AccountsList& accounts, std::string_view siteName, std::string_view generalEmail);

/// Returns whether a row's "Login is" names an e-mail login.
bool IsEmailLogin(const AccountRow& row);

} // namespace listrider::catalogue
