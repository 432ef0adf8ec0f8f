// What a submission run is started with.
#pragma once

#include <chrono>
#include <filesystem>
#include <functional>
#include <string>
#include <vector>

#include "catalogue/accounts.h"
#include "catalogue/value_set.h"
#include "engine/form_fields.h"
#include "engine/mail_submission.h"
#include "engine/run_lists.h"
#include "sites/site_index.h"
#include "sites/site_packages.h"
#include "store/date_time.h"
#include "store/installation_config.h"
#include "store/prefs.h"
#include "store/result.h"

namespace listrider::engine {

/// The product, the workspace and the settings of one run.
struct RunInputs
{
    WizardPage page = WizardPage::MainSubmit; ///< Step 1 or Step 3
    std::filesystem::path workspace;
    std::filesystem::path scratchDir; ///< names the step files
    std::filesystem::path productFolder;
    std::string productName;
    std::string productVersion;
    catalogue::ProductValues values; ///< GetValues of the open product
    UploadPaths uploadPaths;         ///< |PADPath|, |FilePath|, |IconPath|, |ShotPath|

    sites::SiteTable* table = nullptr;
    sites::SitePackages* packages = nullptr;
    catalogue::AccountsList* accounts = nullptr;
    /// Saves the accounts after the run captured a site's login or password.
    std::function<store::Result<void>()> saveAccounts;

    store::Prefs prefs;
    store::InstallationConfig config;
    std::string smtpCaFile; ///< an extra trusted certificate of the SMTP server (tests)
    std::vector<std::string> localAddresses;
    store::CivilDate today;
    bool tracing = false;
    /// The request watchdog's bound; zero: the HTTP_Expire preference.
    std::chrono::milliseconds requestTimeout{0};
    /// The bound of one link check (60 seconds).
    std::chrono::milliseconds linkCheckLimit{60000};
};

} // namespace listrider::engine
