// The run values prepared at the start of a run, of each site and of each step.
#include "engine/description_language.h"
#include "engine/macro_families.h"
#include "engine/run_values.h"
#include "engine/special_sites.h"
#include "store/ascii.h"
#include "store/text_helpers.h"

namespace listrider::engine {
namespace {

std::string TopDownloadsCategory(std::string_view category)
{
    const std::string_view head = category.substr(0, 4);
    if (head == "Game") {
        return "games";
    }
    if (head == "Scre") {
        return "screensavers";
    }
    if (head == "Desk") {
        return "themes";
    }
    return "software";
}

// The descriptions do not change within a site; they are ready at its start so that the step
// loader's expansion of an e-mail subject already sees the site's language.
void PrepareDescriptions(RunValues& values)
{
    static const catalogue::Desc kNoDescription;
    const std::vector<catalogue::Desc>& descs = values.product.descriptions;
    const catalogue::Desc& desc =
        descs.empty() ? kNoDescription
                      : ChooseDescription(descs, SiteList(values, "lan"), values.environment.codePage);
    AddDescriptionMacros(values.prepared, desc, values.product, values.environment.codePage);
}

} // namespace

void PrepareRunValues(RunValues& values, catalogue::ProductValues product, RunEnvironment environment)
{
    values = RunValues{};
    values.environment = std::move(environment);
    values.product = std::move(product);
    values.random.seed(values.environment.randomSeed != 0 ? values.environment.randomSeed
                                                          : std::random_device{}());
    AddProgramMacros(values.prepared, values.product, values.environment.today);
    AddPriceMacros(values.prepared, values.product);
    AddCompanyMacros(values.prepared, values.product);
    AddWebMacros(values.prepared, values.product);
}

void StartSiteValues(RunValues& values, int position, const catalogue::AccountsList& accounts)
{
    values.sitePosition = position;
    values.failure.reset();
    const sites::SitesR* site = CurrentSite(values);
    values.siteName = site != nullptr ? site->Name : std::string();
    values.recordCategory = site != nullptr ? site->Category : std::string();

    const std::string& name = values.product.program.name;
    values.categories.category = values.recordCategory;
    values.prepared["TopDownloadsCat"] = TopDownloadsCategory(values.recordCategory);
    if (values.siteName == "Pass The Shareware") {
        values.categories.subCategory = store::UpperCyrillic(Head(name, 1));
    } else if (values.siteName == "Simply Software") {
        values.categories.subCategory = store::AsciiLower(Head(name, 1));
    } else {
        values.categories.subCategory = values.categories.category;
    }

    for (std::size_t i = 0; i < 10; ++i) {
        values.custom[i].clear();
    }
    AddCheckFlagMacros(values.prepared, values.product);
    values.account =
        catalogue::SiteAccountForRun(accounts, values.siteName, values.product.company.generalEmail);
    PrepareDescriptions(values);
}

void PrepareStepValues(RunValues& values)
{
    PrepareDescriptions(values);
    ApplySpecialSites(values);
}

} // namespace listrider::engine
