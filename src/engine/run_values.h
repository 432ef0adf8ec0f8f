// The values a run fills its site scripts with: the product's value set, what is derived from it
// at the start of the run, of each site and of each step, and the free values scripts set. One
// object per run, owned by the run, so a submission and a later stats run never share state.
//
// The run driver calls, on its worker thread:
//
//   PrepareRunValues(values, product, environment)   once, after GetValues
//   for each site:
//     StartSiteValues(values, position, accounts)    before the site's first step
//     pages.StartSite()                              (TextCommandPages: no page of another site)
//     for each step:
//       LoadStep(stepFile, sources, values.categories)  the loader replaces |Category| itself
//       PrepareStepValues(values)                    descriptions, keywords, special cases
//       RunTextCommands(...)                         web steps with an even number of command lines
//       ExpandOsMultiSelect(values, names, fields)   before the step trace
//       ExpandStepFields(values, names, fields, path)
//       values.failure set: the site ends with the outcome "Error"
//       after the request: pages.previousPage = the saved page; after a success test that read
//       the page: pages.lastSuccessPage = its normalized text
//   the search verdict cleans |Custom1|..|Custom10| with CleanCustomValues (.zam) or
//   TrimCustomValues and joins figures with ApplyStatsSum (custom_value_cleaning.h)
//
// The request composer and the step loader take MacroResolverFor(values).
//
// Values are bytes in the installation's code page. The descriptions and keywords of the
// product's value set are wide texts; PrepareStepValues cuts them in wide characters and then
// converts them to the code page (a character the code page lacks becomes '?'), which is what a
// site receives.
#pragma once

#include <array>
#include <cstddef>
#include <map>
#include <optional>
#include <random>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include "catalogue/accounts.h"
#include "catalogue/value_set.h"
#include "engine/script_step.h"
#include "sites/site_index.h"
#include "store/code_page.h"
#include "store/date_time.h"
#include "store/installation_config.h"
#include "store/result.h"
#include "store/site_text.h"

namespace listrider::engine {

/// |Custom1| ... |Custom14|; index 0 holds |Custom1|. The text commands fill the first ten.
inline constexpr std::size_t kCustomValueCount = 14;
using CustomValues = std::array<std::string, kCustomValueCount>;

/// Prepared macro values by name (without the bars).
using MacroTable = std::map<std::string, std::string, std::less<>>;

/// The installation's texts for the sites that scripts treat specially (D1 to D7 and others).
struct SpecialSiteConfig
{
    std::array<std::string, 7> names; ///< D1 ... D7
    std::string downloadThatTerms;    ///< the terms-of-use lines joined by CR LF
    std::vector<std::pair<std::string, std::string>> d4Pairs;
    std::string d6AffiliateEmail;
    std::string d6DeveloperEmail;
};

/// Returns the special-site texts of the installation configuration.
SpecialSiteConfig SpecialSitesFrom(const store::InstallationConfig& config);

/// What a run reads besides the product.
struct RunEnvironment
{
    const sites::SiteTable* table = nullptr; ///< the site table; must outlive the run and keep its size
    store::SiteKey key;                      ///< decodes the mapping lists
    store::CodePage codePage = store::CodePage::Default();
    SpecialSiteConfig specials;
    store::CivilDate today;
    unsigned randomSeed = 0; ///< draws the D4 pairs; 0: a seed from the system
};

/// Returns the environment of a site table under an installation configuration, dated today.
RunEnvironment MakeRunEnvironment(const sites::SiteTable& table, const store::InstallationConfig& config);

/// The values of one run.
struct RunValues
{
    RunEnvironment environment;
    catalogue::ProductValues product; ///< the value set the run started with
    MacroTable prepared;              ///< run-wide values, check flags (site) and descriptions (step)

    int sitePosition = -1; ///< the current site in the table; -1 before the first site
    std::string siteName;
    std::string recordCategory;     ///< the site record's category when the site started
    StepCategories categories;      ///< |Category| and |SubCategory|; the step loader replaces them
    catalogue::SiteAccount account; ///< |SiteLogin|, |SiteEMailLogin|, |SitePassword|

    CustomValues custom;
    std::string affiliateId;  ///< set by |AffiliateSelect|; kept across sites
    std::string requestLogin; ///< the account requester's current login
    std::string requestEmail;
    std::string localIp; ///< the address the connection test chose; empty when none

    /// The first value whose preparation failed at the current site; the site ends with "Error".
    std::optional<store::Error> failure;

    std::mt19937 random;
    std::set<std::string, std::less<>> expanding; ///< lists being expanded, against self-reference
};

/// Prepares the run-wide values from the product's value set (start of a run).
void PrepareRunValues(RunValues& values, catalogue::ProductValues product, RunEnvironment environment);

/// Prepares the values of the site at `position` (start of a site): category, sub-category and
/// top-downloads category, |Custom1|..|Custom10| emptied, check flags, the site's account and its
/// descriptions. Clears the failure.
void StartSiteValues(RunValues& values, int position, const catalogue::AccountsList& accounts);

/// Prepares the values of a step after it was loaded: descriptions and keywords in the site's
/// language, the space keywords and the per-site special cases.
void PrepareStepValues(RunValues& values);

/// Returns the current site's record, or null before the first site.
const sites::SitesR* CurrentSite(const RunValues& values);

/// Returns the lines of the current site's package member <site>.<extension> (decoded where
/// the package stores it encoded); no site or no member gives no lines.
store::LineList SiteList(const RunValues& values, std::string_view extension);

/// Records the first failure of the current site.
void FailSite(RunValues& values, store::Error error);

} // namespace listrider::engine
