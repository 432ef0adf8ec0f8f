#include "companions/stats_list.h"

#include <algorithm>
#include <array>

#include "engine/whole_number.h"
#include "store/numbers.h"

namespace listrider::companions {
namespace {

constexpr std::array<std::string_view, 8> kCaptions = {"Sites",
                                                       "Listed",
                                                       "Submitted Version",
                                                       "Version Listed",
                                                       "No. Downloads",
                                                       "Site's Rating",
                                                       "User's Rating",
                                                       "Votes"};

std::string Supplied(const sites::SitesR& site, int info, const std::string& value)
{
    return site.StatsInfo[static_cast<std::size_t>(info)] ? value : std::string(kNotSupplied);
}

std::optional<long long> DownloadCount(const std::string& text)
{
    if (std::optional<std::int64_t> count = engine::ParseWholeNumber(text)) {
        return *count;
    }
    std::string withoutCommas = text;
    std::erase(withoutCommas, ',');
    return engine::ParseWholeNumber(withoutCommas);
}

} // namespace

std::array<const std::string*, 8> StatCells(const StatRow& row)
{
    return {&row.site,
            &row.listed,
            &row.submittedVersion,
            &row.versionListed,
            &row.downloads,
            &row.siteRating,
            &row.userRating,
            &row.votes};
}

std::span<const std::string_view> StatColumnCaptions()
{
    return kCaptions;
}

StatRow StatRowOf(const sites::SitesR& site)
{
    StatRow row;
    row.site = site.Name;
    row.listed = site.Listed;
    row.submittedVersion = site.VersionSubmitted;
    row.versionListed = Supplied(site, 1, site.VersionListed);
    row.downloads = Supplied(site, 2, site.Downloads);
    row.siteRating = Supplied(site, 3, site.SiteRating);
    row.userRating = Supplied(site, 4, site.UserRating);
    row.votes = Supplied(site, 5, site.Votes);
    return row;
}

std::vector<StatRow> FillStatList(const sites::SiteTable& table, bool autoHide, const StatsSuitability& suits)
{
    std::vector<StatRow> rows;
    for (const sites::SitesR& site : table.sites) {
        if (site.Stats && (!autoHide || !suits || suits(site))) {
            rows.push_back(StatRowOf(site));
        }
    }
    std::stable_sort(
        rows.begin(), rows.end(), [](const StatRow& a, const StatRow& b) { return a.site < b.site; });
    return rows;
}

StatsSummary RefreshSummaries(std::span<const StatRow> rows,
                              const sites::SiteTable& table,
                              std::string_view productVersion)
{
    StatsSummary summary;
    summary.shownSites = rows.size();
    const std::string version = store::NormalizeNumber(productVersion);
    for (const StatRow& row : rows) {
        const int position = sites::FindDBIndex(table, row.site);
        if (position < 0) {
            continue;
        }
        const sites::SitesR& site = table.sites[static_cast<std::size_t>(position)];
        if (site.StatsInfo[2]) {
            summary.totalDownloads += DownloadCount(site.Downloads).value_or(0);
        }
        if (site.Listed == "YES") {
            ++summary.listedOn;
        }
        if (!site.VersionListed.empty() && store::NormalizeNumber(site.VersionListed) == version) {
            ++summary.latestVersionListedOn;
        }
    }
    return summary;
}

std::string OfSites(std::size_t count, std::size_t rows)
{
    return std::to_string(count) + " of " + std::to_string(rows) + " sites";
}

} // namespace listrider::companions
