#include "engine/error_report.h"

#include <array>
#include <utility>

#include "store/web_encoding.h"

namespace listrider::engine {

using store::HtmlEscape;

namespace {

constexpr std::array<std::pair<std::string_view, std::string_view>, 4> kHeader = {{
    {"10%", "Site"},
    {"20%", "Problem"},
    {"30%", "Possible Reason"},
    {"40%", "Suggested Solution"},
}};

} // namespace

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
    lines.emplace_back(R"(<table width="100%" border="0" cellspacing="1">)");
    lines.emplace_back("<tr>");
    for (const auto& [width, caption] : kHeader) {
        lines.push_back(R"(<td width=")" + std::string(width) +
                        R"(" bgcolor="#000000"><b><font color="#FFFFFF">)" + std::string(caption) +
                        "</font></b></td>");
    }
    lines.emplace_back("</tr>");
    for (const ErrorsRow& row : errors) {
        const ReportSite site = siteOf ? siteOf(row.site) : ReportSite{};
        lines.insert(
            lines.end(),
            {
                "<tr>",
                R"(<td width="10" bgcolor="#D5E9FF">)" + SiteLink(site.url, HtmlEscape(row.site)) + "</td>",
                R"(<td width="10%" bgcolor="#D5E9FF">)" + HtmlEscape(row.texts.problem) + "</td>",
                R"(<td width="30%" bgcolor="#D5E9FF">)" + HtmlEscape(row.texts.reason) + "</td>",
                R"(<td width="50%" bgcolor="#D5E9FF">)" + HtmlEscape(row.texts.solution) + "</td>",
                "</tr>",
            });
    }
    lines.emplace_back("</table>");
    AddReportFooter(lines, "Error Report", now);
    return lines;
}

} // namespace listrider::engine
