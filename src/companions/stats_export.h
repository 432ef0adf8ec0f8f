// The stats window's exports: the HTML and XML files of the list and its summary.
#pragma once

#include <filesystem>
#include <span>
#include <string>
#include <string_view>

#include "companions/stats_list.h"
#include "store/date_time.h"
#include "store/result.h"

namespace listrider::companions {

/// The save dialog's title and filters.
inline constexpr std::string_view kStatsExportTitle = "Export Product Stats";
inline constexpr std::string_view kHtmlStatsFilter = "Listrider HTML Stats";
inline constexpr std::string_view kXmlStatsFilter = "Listrider XML Stats";

/// The two export forms, as the dialog's filters name them.
enum class StatsFormat
{
    Html,
    Xml,
};

/// Returns the suggested name: product_version_Stats_dd-mmm-yyyy. (with its final point).
std::string
StatsSuggestedName(std::string_view product, std::string_view version, const store::CivilDate& today);

/// Returns the file name the export writes for a chosen name under a filter: a final "." goes,
/// and ".xml" or ".html" is appended unless the name ends with "HTML" or "XML" (ASCII case
/// ignored).
std::string StatsExportName(std::string chosen, StatsFormat filter);

/// Returns the form a file name asks for: XML when it ends with "XML" (ASCII case ignored).
StatsFormat StatsFormatOf(std::string_view fileName);

/// What an export shows.
struct StatsReport
{
    std::string product;
    std::string version;
    std::span<const StatRow> rows;
    StatsSummary summary;
    store::LocalDateTime now;
};

/// Returns the XML export (a line per element, CR LF after each); every value escaped.
std::string StatsXml(const StatsReport& report);

/// Returns the HTML export.
std::string StatsHtml(const StatsReport& report);

/// Writes the export in the form its name asks for.
store::Result<void> WriteStatsExport(const std::filesystem::path& file, const StatsReport& report);

} // namespace listrider::companions
