// The account information requester (TRequester): each checked site's lost-account form filled
// with every e-mail address and login the author may have used, so that the site mails the
// account to the author.
#pragma once

#include <chrono>
#include <filesystem>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "catalogue/accounts.h"
#include "catalogue/value_set.h"
#include "engine/run_control.h"
#include "net/http_connection_pool.h"
#include "sites/site_index.h"
#include "sites/site_packages.h"
#include "store/date_time.h"
#include "store/installation_config.h"
#include "store/prefs.h"
#include "store/result.h"

namespace listrider::companions {

/// The results of a site in the request progress list.
inline constexpr std::string_view kRequestDone = "Done";
inline constexpr std::string_view kRequestNotFound = "Not Found";

/// The two final messages.
inline constexpr std::string_view kRequestAborted = "Passwords information request aborted.";
inline constexpr std::string_view kRequestRetrieved =
    "Account information has been retrieved successfully.\rCheck your e-mail boxes and enter received "
    "logins and passwords to the password list.";

/// The accounts page's request panel.
class RequesterView
{
public:
    virtual ~RequesterView() = default;

    /// A site's row is inserted at the top of the progress list.
    virtual void SiteStarted(std::string_view site) = 0;

    /// The site's row shows its result ("Done" or "Not Found").
    virtual void SiteResult(std::string_view site, std::string_view result) = 0;

    /// Sets the progress bar (0 to 100).
    virtual void ShowProgress(int percent) = 0;
};

/// What a request run is started with.
struct RequesterInputs
{
    std::filesystem::path workspace;
    std::filesystem::path scratchDir; ///< names the step files
    sites::SiteTable* table = nullptr;
    sites::SitePackages* packages = nullptr; ///< loads each site's package; none: as the table holds it
    catalogue::AccountsList* accounts = nullptr;
    std::function<store::Result<void>()> saveAccounts;
    catalogue::ProductValues values; ///< GetValues of the open product
    std::vector<std::string> sites;  ///< the checked rows of the accounts list, in list order
    std::string wizardEmailLogin;    ///< the submit wizard's Step 2 default e-mail login
    store::Prefs prefs;
    store::InstallationConfig config;
    store::CivilDate today;
    std::chrono::milliseconds requestTimeout{0}; ///< zero: the HTTP_Expire preference
};

/// How a request run ended.
struct RequesterOutcome
{
    bool stopped = false;
    std::string message; ///< one of the two final messages
    std::vector<std::string> doneSites;
};

/// Returns the sites of `checked` that the requester asks: those whose record has the Request flag.
std::vector<std::string> RequestableSites(const sites::SiteTable& table,
                                          const std::vector<std::string>& checked);

/// One request run. Execute is the worker's whole job and never throws.
class TRequester
{
public:
    TRequester(RequesterInputs& inputs, RequesterView& view, engine::RunControl& control);

    RequesterOutcome Execute();

private:
    RequesterInputs& m_in;
    RequesterView& m_view;
    engine::RunControl& m_control;
};

} // namespace listrider::companions
