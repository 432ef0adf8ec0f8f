#include "engine/submission_report.h"

#include <array>

#include "store/web_encoding.h"

namespace listrider::engine {
namespace {

using store::HtmlEscape;

struct TotalCell
{
    std::string_view label;
    std::string value;
};

std::string Number(long long value)
{
    return std::to_string(value);
}

void AddTotals(ReportLines& lines, const ReportTotals& totals)
{
    const std::array<std::array<TotalCell, 3>, 4> rows = {{
        {{{"Site submitted", Number(totals.sitesSubmitted)},
          {"Percentage", totals.percentage},
          {"Total HTTP Bytes Sent", Number(totals.bytesSent)}}},
        {{{"Successful submissions", Number(totals.successful)},
          {"Total E-Mails sent", Number(totals.emailsSent)},
          {"Total FTP Requests", "0"}}},
        {{{"Failed submissions", Number(totals.failed)},
          {"Total HTTP Requests", Number(totals.httpRequests)},
          {"Total FTP Bytes Received", "0"}}},
        {{{"Sumbission Time", totals.submissionTime},
          {"Total HTTP Bytes Received", Number(totals.bytesReceived)},
          {"Total FTP Bytes Sent", "0"}}},
    }};
    lines.emplace_back(R"(<table width="100%" border="1">)");
    for (const auto& row : rows) {
        lines.emplace_back("<tr>");
        for (const TotalCell& cell : row) {
            lines.push_back(R"(<td bgcolor="#C0C0C0" width="170"><font size="2">)" + std::string(cell.label) +
                            "</font></td>");
            lines.push_back(R"(<td align="center"><b>)" + HtmlEscape(cell.value) + "</b></td>");
        }
        lines.emplace_back("</tr>");
    }
    lines.emplace_back("</table>");
}

void AddSection(ReportLines& lines,
                std::string_view heading,
                std::string_view result,
                const std::vector<SummaryRow>& rows,
                bool withCategory,
                const ReportSiteLookup& siteOf)
{
    if (rows.empty()) {
        return;
    }
    lines.insert(lines.end(),
                 {
                     "<br>",
                     R"(<table width="100%" border="0">)",
                     "<tr>",
                     R"(<td bgcolor="#000080"><font size="6" color="#FFFFFF">)" + std::string(heading) +
                         "</font></td>",
                     "</tr>",
                     "</table>",
                 });
    for (const SummaryRow& row : rows) {
        const ReportSite site = siteOf ? siteOf(row.site) : ReportSite{};
        const std::string name = R"(<font color="#FFFFFF">)" + HtmlEscape(row.site) + "</font>";
        lines.insert(lines.end(),
                     {
                         R"(<table border="1" width="900" bgcolor="#CCCCCC">)",
                         "<tr>",
                         R"(<th width="200" bgcolor="#000000"><b>)" + SiteLink(site.url, name) + "</b></th>",
                         R"(<td width="700">)",
                         R"(<table width="100%" border="0">)",
                         "<tr>",
                         R"(<td bgcolor="#8EB3EA">Submission)",
                         "history:</td>",
                         "</tr>",
                         "<tr>",
                         R"(<td bgcolor="#FFFFFF">)" + HtmlEscape(row.text) + "</td>",
                         "</tr>",
                     });
        if (withCategory && site.category != "-") {
            lines.insert(lines.end(),
                         {"<tr>", "<td><b>Category: " + HtmlEscape(site.category) + "</b></td>", "</tr>"});
        }
        lines.insert(lines.end(),
                     {
                         "<tr>",
                         "<td><b>Result: " + std::string(result) + "</b></td>",
                         "</tr>",
                         "</table>",
                         "</td>",
                         "</tr>",
                         "</table>",
                     });
    }
}

} // namespace

std::string SubmissionReportFileName(const ReportProduct& product, const store::CivilDate& today)
{
    return SuggestedFileName(product.name + "_" + product.version + "_" + ReportFileDate(today) + ".html");
}

ReportLines SubmissionReportLines(const ReportProduct& product,
                                  const ReportTotals& totals,
                                  const ReportSummary& summary,
                                  const ReportSiteLookup& siteOf,
                                  const store::LocalDateTime& now)
{
    ReportLines lines;
    AddReportTop(lines,
                 "Listrider Submission report for " + product.name + " " + product.version,
                 "Submission Report",
                 product);
    AddTotals(lines, totals);
    AddSection(lines, "SUCCESSFUL", "Success", summary.successful, true, siteOf);
    AddSection(lines, "FAILED", "Failure", summary.failed, false, siteOf);
    AddSection(lines, "SKIPPED", "Skipped", summary.skipped, false, siteOf);
    AddReportFooter(lines, "Submission Report", now);
    return lines;
}

} // namespace listrider::engine
