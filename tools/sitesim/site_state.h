// The memory of the simulated sites: author accounts, log-in sessions, the mail they sent and
// the tokens they handed out.
#pragma once

#include <map>
#include <mutex>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace sitesim {

/// An account message a site "e-mailed" to an author.
struct SentMail
{
    std::string site;
    std::string login;
    std::string password;
};

class SiteState
{
public:
    /// Adds an author account, or replaces its password.
    void AddAccount(const std::string& site, const std::string& login, const std::string& password);

    bool CheckAccount(const std::string& site, const std::string& login, const std::string& password) const;

    bool HasAccount(const std::string& site, const std::string& login) const;

    /// Returns a new session id for the login.
    std::string OpenSession(const std::string& site, const std::string& login);

    /// Returns the login of a session, when the id names one of the site's sessions.
    std::optional<std::string> SessionLogin(const std::string& site, const std::string& id) const;

    void SendMail(SentMail mail);

    std::vector<SentMail> MailOf(std::string_view site) const;

    /// Returns a number no earlier call returned (tokens, ids, passwords).
    int NextNumber();

    /// Remembers a value handed out under a key (a form token) and returns it later.
    void Remember(const std::string& key, const std::string& value);
    std::optional<std::string> Recall(const std::string& key) const;

private:
    mutable std::mutex m_mutex;
    std::map<std::pair<std::string, std::string>, std::string> m_accounts;
    std::map<std::pair<std::string, std::string>, std::string> m_sessions;
    std::map<std::string, std::string> m_remembered;
    std::vector<SentMail> m_mail;
    int m_counter = 4700;
};

} // namespace sitesim
