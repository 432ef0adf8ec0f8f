// The stats window's list of sites and its summary figures.
#pragma once

#include <array>
#include <functional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "sites/site_index.h"

namespace listrider::companions {

/// The text a column shows for a value the site does not supply.
inline constexpr std::string_view kNotSupplied = "---";

/// The row images of the stats list.
namespace stats_images {
inline constexpr int kNone = -1;
inline constexpr int kDone = 0;
inline constexpr int kProcessing = 4;
inline constexpr int kError = 5;
} // namespace stats_images

/// One row of the stats list (ListBox1).
struct StatRow
{
    std::string site; ///< "Sites"
    std::string listed;
    std::string submittedVersion;
    std::string versionListed;
    std::string downloads;
    std::string siteRating;
    std::string userRating;
    std::string votes;
    bool checked = false;
    int image = stats_images::kNone;

    friend bool operator==(const StatRow&, const StatRow&) = default;
};

/// Returns the row's texts in the order of the list's columns.
std::array<const std::string*, 8> StatCells(const StatRow& row);

/// The column captions of the list, in order.
std::span<const std::string_view> StatColumnCaptions();

/// Whether a site suits the open product (the auto-hide test).
using StatsSuitability = std::function<bool(const sites::SitesR& site)>;

/// Returns the row of a site from its product status; the columns of values the site does not
/// supply (StatsInfo) show "---".
StatRow StatRowOf(const sites::SitesR& site);

/// Returns the list (FillStatList): a row for every site of the table with statistics that,
/// when `autoHide` is on, suits the product; sorted by site name.
std::vector<StatRow>
FillStatList(const sites::SiteTable& table, bool autoHide, const StatsSuitability& suits);

/// The summary figures.
struct StatsSummary
{
    long long totalDownloads = 0;
    std::size_t listedOn = 0;
    std::size_t latestVersionListedOn = 0;
    std::size_t shownSites = 0; ///< the rows of the list

    friend bool operator==(const StatsSummary&, const StatsSummary&) = default;
};

/// Returns the summary of the listed sites (RefreshSummaries): the downloads of the sites that
/// supply them ("1,234" reads as 1234; other texts are skipped), the sites listed, and those
/// listing the product's version (both after NormalizeNumber).
StatsSummary RefreshSummaries(std::span<const StatRow> rows,
                              const sites::SiteTable& table,
                              std::string_view productVersion);

/// Returns "<n> of <rows> sites", the summary's form of a count.
std::string OfSites(std::size_t count, std::size_t rows);

} // namespace listrider::companions
