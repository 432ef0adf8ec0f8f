#include "companion_fixtures.h"

#include "engine/script_fixtures.h"

namespace listrider::companions::testing {

std::vector<std::string> WebStepLines(const std::string& host,
                                      const std::string& path,
                                      const std::string& method,
                                      const std::vector<Field>& fields,
                                      int onSuccess,
                                      const std::string& successText,
                                      int onFailure,
                                      const std::vector<std::string>& commands)
{
    std::vector<std::string> lines = {"step", "-", "-", "HTTP", host, path, method, "Testing"};
    for (const Field& field : fields) {
        lines.push_back(field.first);
        lines.push_back(field.second);
    }
    lines.insert(
        lines.end(),
        {"@", "-", std::to_string(onFailure), "-", "-", "-", std::to_string(onSuccess), successText, "-"});
    lines.insert(lines.end(), commands.begin(), commands.end());
    return lines;
}

store::InstallationConfig TestConfig()
{
    store::InstallationConfig config = store::DefaultInstallationConfig();
    const store::SiteKey& key = engine::testing::TestKey();
    config.siteDataKey = key.key;
    config.defaultKey = key.defaultKey;
    return config;
}

sites::SitesR& AddSite(sites::SiteTable& table, const std::string& name)
{
    sites::SitesR& site = table.sites.emplace_back();
    site.Name = name;
    site.Loaded = true;
    return site;
}

} // namespace listrider::companions::testing
