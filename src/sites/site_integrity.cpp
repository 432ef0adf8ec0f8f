#include "sites/site_integrity.h"

#include "sites/caseless_names.h"
#include "sites/zip_archive.h"

namespace listrider::sites {
namespace fs = std::filesystem;

void CheckSitesComplexity(SiteTable& table, const fs::path& workspace)
{
    // One listing of the directory: thousands of sites must not cost thousands of scans when
    // packages are named in another letter case or missing.
    const fs::path directory = SitesDir(workspace);
    const CaselessNames packages = CaselessNames::OfDirectory(directory.string());
    for (std::size_t i = table.sites.size(); i-- > 0;) {
        const std::string* package = packages.Find(table.sites[i].Name + ".dat");
        if (package != nullptr && CountZipMembers(directory / *package) >= 1) {
            continue;
        }
        table.sites[i].Submitted = "0";
        if (i + 1 != table.sites.size()) {
            table.sites[i] = std::move(table.sites.back());
        }
        table.sites.pop_back();
    }
}

} // namespace listrider::sites
