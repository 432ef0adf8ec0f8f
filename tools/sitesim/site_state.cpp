#include "site_state.h"

namespace sitesim {

void SiteState::AddAccount(const std::string& site, const std::string& login, const std::string& password)
{
    std::lock_guard lock(m_mutex);
    m_accounts[{site, login}] = password;
}

bool SiteState::CheckAccount(const std::string& site,
                             const std::string& login,
                             const std::string& password) const
{
    std::lock_guard lock(m_mutex);
    const auto it = m_accounts.find({site, login});
    return it != m_accounts.end() && it->second == password;
}

bool SiteState::HasAccount(const std::string& site, const std::string& login) const
{
    std::lock_guard lock(m_mutex);
    return m_accounts.count({site, login}) != 0;
}

std::string SiteState::OpenSession(const std::string& site, const std::string& login)
{
    const std::string id =
        "S" + std::to_string(NextNumber()) + "x" + std::to_string(NextNumber() * 7919 % 10007);
    std::lock_guard lock(m_mutex);
    m_sessions[{site, id}] = login;
    return id;
}

std::optional<std::string> SiteState::SessionLogin(const std::string& site, const std::string& id) const
{
    std::lock_guard lock(m_mutex);
    const auto it = m_sessions.find({site, id});
    if (it == m_sessions.end()) {
        return std::nullopt;
    }
    return it->second;
}

void SiteState::SendMail(SentMail mail)
{
    std::lock_guard lock(m_mutex);
    m_mail.push_back(std::move(mail));
}

std::vector<SentMail> SiteState::MailOf(std::string_view site) const
{
    std::lock_guard lock(m_mutex);
    std::vector<SentMail> found;
    for (const SentMail& mail : m_mail) {
        if (mail.site == site) {
            found.push_back(mail);
        }
    }
    return found;
}

int SiteState::NextNumber()
{
    std::lock_guard lock(m_mutex);
    return ++m_counter;
}

void SiteState::Remember(const std::string& key, const std::string& value)
{
    std::lock_guard lock(m_mutex);
    m_remembered[key] = value;
}

std::optional<std::string> SiteState::Recall(const std::string& key) const
{
    std::lock_guard lock(m_mutex);
    const auto it = m_remembered.find(key);
    if (it == m_remembered.end()) {
        return std::nullopt;
    }
    return it->second;
}

} // namespace sitesim
