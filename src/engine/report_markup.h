// What the two HTML reports share: head, headline, product line, site links, dates, the file.
#pragma once

#include <filesystem>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "store/date_time.h"
#include "store/result.h"

namespace listrider::engine {

/// The product a report is about.
struct ReportProduct
{
    std::string name;
    std::string version;
};

/// What a report shows of a site beside its name.
struct ReportSite
{
    std::string url;            ///< the home address
    std::string category = "-"; ///< the site's category for the product; "-" = none
};

/// The home address and category of a site.
using ReportSiteLookup = std::function<ReportSite(std::string_view site)>;

/// The lines of a report file; each ends with CR LF when written.
using ReportLines = std::vector<std::string>;

/// Returns whether the address may become a link: it starts with http://, https:// or ftp://
/// (ASCII case ignored). Any other address (javascript:, data:, a relative one) stays text.
bool IsLinkAddress(std::string_view url);

/// Returns the escaped inner markup wrapped in a link to the address that opens a new window,
/// or the inner markup alone when the address may not be a link.
std::string SiteLink(std::string_view url, std::string_view innerHtml);

/// Adds the head (content type, GENERATOR, title), the body start, the headline "Listrider"
/// with `kind` on the next line ("Submission Report"), and the product line.
void AddReportTop(ReportLines& lines,
                  std::string_view title,
                  std::string_view kind,
                  const ReportProduct& product,
                  std::string_view charset = "iso-8859-1");

/// Adds the footer "<what> was created dd mmm yyyy  hh:mm:ss" and closes the document.
void AddReportFooter(ReportLines& lines, std::string_view what, const store::LocalDateTime& now);

/// Returns "dd-mmm-yyyy" (05-Mar-2024), the date of the suggested file names.
std::string ReportFileDate(const store::CivilDate& date);

/// Returns "dd mmm yyyy  hh:mm:ss" (two spaces before the time), the footer's stamp.
std::string ReportStamp(const store::LocalDateTime& now);

/// Returns a suggested file name made safe to use as one: '/' and NUL become '_'.
std::string SuggestedFileName(std::string_view name);

/// Returns the lines joined, CR LF after each.
std::string JoinReportLines(const ReportLines& lines);

/// Writes the report file whole; a file that cannot be written is an Io error.
store::Result<void> SaveReport(const std::filesystem::path& file, const ReportLines& lines);

} // namespace listrider::engine
