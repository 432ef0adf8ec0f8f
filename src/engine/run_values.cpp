#include "engine/run_values.h"

#include "sites/site_file_lines.h"
#include "store/line_list.h"

namespace listrider::engine {

SpecialSiteConfig SpecialSitesFrom(const store::InstallationConfig& config)
{
    SpecialSiteConfig specials;
    specials.names = config.specialSites;
    specials.downloadThatTerms = store::JoinLines(store::LineList(config.downloadThatTerms));
    specials.d4Pairs = config.d4Pairs;
    specials.d6AffiliateEmail = config.d6AffiliateEmail;
    specials.d6DeveloperEmail = config.d6DeveloperEmail;
    return specials;
}

RunEnvironment MakeRunEnvironment(const sites::SiteTable& table, const store::InstallationConfig& config)
{
    RunEnvironment environment;
    environment.table = &table;
    environment.key = config.GetSiteKey();
    environment.codePage = config.GetCodePage();
    environment.specials = SpecialSitesFrom(config);
    environment.today = store::Today();
    return environment;
}

const sites::SitesR* CurrentSite(const RunValues& values)
{
    const sites::SiteTable* table = values.environment.table;
    if (table == nullptr || values.sitePosition < 0 ||
        static_cast<std::size_t>(values.sitePosition) >= table->sites.size()) {
        return nullptr;
    }
    return &table->sites[static_cast<std::size_t>(values.sitePosition)];
}

store::LineList SiteList(const RunValues& values, std::string_view extension)
{
    const sites::SitesR* site = CurrentSite(values);
    if (site == nullptr) {
        return {};
    }
    return sites::SiteFileLines(
        *values.environment.table, site->Name + "." + std::string(extension), true, values.environment.key);
}

void FailSite(RunValues& values, store::Error error)
{
    if (!values.failure) {
        values.failure = std::move(error);
    }
}

} // namespace listrider::engine
