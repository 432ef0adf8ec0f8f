#include "engine/error_report.h"

#include "store/web_encoding.h"

namespace listrider::engine {

using store::HtmlEscape;

std::string ErrorReportFileName(const ReportProduct& product, const store::CivilDate& today)
{
    return SuggestedFileName(product.name + "_" + product.version + "_errors_" + ReportFileDate(today) +
                             ".html");
}

ReportLines ErrorReportLines(const ReportProduct& product,
                             std::span<const ErrorsRow> errors,
                             const ReportSiteLookup& siteOf,
                             const store::LocalDateTime& now)
{
    ReportLines lines;
    AddReportTop(
        lines, "Listrider Error report for " + product.name + " " + product.version, "Error Report", product);
    lines.insert(
        lines.end(),
        {
            "<table width=\"100%\" border=\"0\" cellspacing=\"1\">",
            "<tr>",
            "<td width=\"10%\" bgcolor=\"#000000\"><b><font color=\"#FFFFFF\">Site</font></b></td>",
            "<td width=\"20%\" bgcolor=\"#000000\"><b><font color=\"#FFFFFF\">Problem</font></b></td>",
            "<td width=\"30%\" bgcolor=\"#000000\"><b><font color=\"#FFFFFF\">Possible "
            "Reason</font></b></td>",
            "<td width=\"40%\" bgcolor=\"#000000\"><b><font color=\"#FFFFFF\">Suggested "
            "Solution</font></b></td>",
            "</tr>",
        });
    for (const ErrorsRow& row : errors) {
        const ReportSite site = siteOf ? siteOf(row.site) : ReportSite{};
        lines.insert(
            lines.end(),
            {
                "<tr>",
                "<td width=\"10\" bgcolor=\"#D5E9FF\">" + SiteLink(site.url, HtmlEscape(row.site)) + "</td>",
                "<td width=\"10%\" bgcolor=\"#D5E9FF\">" + HtmlEscape(row.texts.problem) + "</td>",
                "<td width=\"30%\" bgcolor=\"#D5E9FF\">" + HtmlEscape(row.texts.reason) + "</td>",
                "<td width=\"50%\" bgcolor=\"#D5E9FF\">" + HtmlEscape(row.texts.solution) + "</td>",
                "</tr>",
            });
    }
    lines.emplace_back("</table>");
    AddReportFooter(lines, "Error Report", now);
    return lines;
}

} // namespace listrider::engine
