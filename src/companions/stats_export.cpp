#include "companions/stats_export.h"

#include "companions/date_texts.h"
#include "store/ascii.h"
#include "store/file_io.h"
#include "store/web_encoding.h"

namespace listrider::companions {
namespace {

// Every value is escaped, markup characters included, and the control characters XML does not
// allow become spaces: a site's name or a value it returned never breaks the document.
std::string XmlText(std::string_view text)
{
    std::string out;
    for (const char c : store::XmlEscape(text)) {
        const auto byte = static_cast<unsigned char>(c);
        if (c == '<') {
            out += "&lt;";
        } else if (c == '>') {
            out += "&gt;";
        } else if (byte < 0x20 && c != '\t' && c != '\n' && c != '\r') {
            out += ' ';
        } else {
            out += c;
        }
    }
    return out;
}

// A cell showing "---" is exported empty.
std::string Cell(const std::string& text)
{
    return text == kNotSupplied ? std::string() : text;
}

void Element(std::string& out, int level, std::string_view tag, std::string_view value)
{
    out += std::string(static_cast<std::size_t>(level) * 4, ' ') + "<" + std::string(tag) + ">" +
           XmlText(value) + "</" + std::string(tag) + ">\r\n";
}

void Open(std::string& out, int level, std::string_view tag)
{
    out += std::string(static_cast<std::size_t>(level) * 4, ' ') + "<" + std::string(tag) + ">\r\n";
}

void Close(std::string& out, int level, std::string_view tag)
{
    out += std::string(static_cast<std::size_t>(level) * 4, ' ') + "</" + std::string(tag) + ">\r\n";
}

std::string HtmlCell(std::string_view attributes, std::string_view text)
{
    return "<td" + std::string(attributes) + ">" + XmlText(text) + "</td>";
}

} // namespace

std::string
StatsSuggestedName(std::string_view product, std::string_view version, const store::CivilDate& today)
{
    return std::string(product) + "_" + std::string(version) + "_Stats_" + FileNameDate(today) + ".";
}

std::string StatsExportName(std::string chosen, StatsFormat filter)
{
    if (chosen.ends_with('.')) {
        chosen.pop_back();
    }
    const std::string upper = store::AsciiUpper(chosen);
    if (!upper.ends_with("HTML") && !upper.ends_with("XML")) {
        chosen += filter == StatsFormat::Xml ? ".xml" : ".html";
    }
    return chosen;
}

StatsFormat StatsFormatOf(std::string_view fileName)
{
    return store::AsciiUpper(fileName).ends_with("XML") ? StatsFormat::Xml : StatsFormat::Html;
}

std::string StatsXml(const StatsReport& report)
{
    const StatsSummary& summary = report.summary;
    std::string out = "<?xml version=\"1.0\" encoding=\"Windows-1252\" ?>\r\n";
    Open(out, 0, "XML_DIZ_INFO");
    Open(out, 1, "STATS_INFO");
    Element(out, 2, "STATS_GENERATOR", "Listrider Stats");
    Element(out, 2, "STATS_PRODUCT", report.product);
    Element(out, 2, "STATS_PRODUCT_VERSION", report.version);
    Element(out, 2, "STATS_DATE", LongDate(report.today));
    Close(out, 1, "STATS_INFO");
    Open(out, 1, "STATS_SUMMARY");
    Element(out, 2, "Total_Downloads", std::to_string(summary.totalDownloads));
    Element(out, 2, "Listed_On", OfSites(summary.listedOn, summary.shownSites));
    Element(out, 2, "Latest_Version_Listed_On", OfSites(summary.latestVersionListedOn, summary.shownSites));
    Element(out, 2, "Shown_Sites", std::to_string(summary.shownSites));
    Close(out, 1, "STATS_SUMMARY");
    Open(out, 1, "STATS");
    for (const StatRow& row : report.rows) {
        Open(out, 2, "SITE");
        Element(out, 3, "Name", row.site);
        Element(out, 3, "Listed", Cell(row.listed));
        Element(out, 3, "Submitted_Version", Cell(row.submittedVersion));
        Element(out, 3, "Version_Listed", Cell(row.versionListed));
        Element(out, 3, "Number_of_Downloads", Cell(row.downloads));
        Element(out, 3, "Site_Rating", Cell(row.siteRating));
        Element(out, 3, "User_Rating", Cell(row.userRating));
        Element(out, 3, "Number_of_Votes", Cell(row.votes));
        Close(out, 2, "SITE");
    }
    Close(out, 1, "STATS");
    Close(out, 0, "XML_DIZ_INFO");
    return out;
}

std::string StatsHtml(const StatsReport& report)
{
    const StatsSummary& summary = report.summary;
    const std::string product = XmlText(report.product + " " + report.version);
    std::string out;
    auto line = [&out](std::string_view text) {
        out += text;
        out += "\r\n";
    };
    line("<html>");
    line("<head>");
    line(R"(<meta http-equiv="Content-Type" content="text/html; charset=windows-1252">)");
    line(R"(<meta name="GENERATOR" content="">)");
    line("<title>Listrider Stats report for " + product + "</title>");
    line("</head>");
    line(R"(<body bgcolor="#FFFFFF">)");
    line(R"(<div align="center">)");
    line(R"(<table width="100%" border="0" cellspacing="0" cellpadding="0">)");
    line("<tr>");
    line(
        R"(<td><b><font face="Arial, Helvetica, sans-serif" size="6" color="#000066">&nbsp;&nbsp;Listrider)");
    line("Stats Report</font></b></td>");
    line("</tr>");
    line("</table>");
    line(R"(<p align="center"><b><font size="5" color="#FF0000">)" +
         XmlText(report.product + " v" + report.version) + "</font></b></p>");
    line(R"(<p align="center"><font size="4" color="#000000">)" + LongDate(report.today) + "</font></p>");
    line(R"(<table width="80%" border="1">)");
    line("<tr>");
    for (std::string_view caption :
         {"Total Downloads", "Listed on", "Latest version listed on", "Sites shown"}) {
        line(R"(<td bgcolor="#000000"><font color="#FFFFFF"><b>)" + std::string(caption) +
             "</b></font></td>");
    }
    line("</tr>");
    line(R"(<tr bgcolor="#D5E9FF">)");
    line(HtmlCell("", std::to_string(summary.totalDownloads)));
    line(HtmlCell("", OfSites(summary.listedOn, summary.shownSites)));
    line(HtmlCell("", OfSites(summary.latestVersionListedOn, summary.shownSites)));
    line(HtmlCell("", std::to_string(summary.shownSites)));
    line("</tr>");
    line("</table>");
    line("<br>");
    line(R"(<table width="100%" border="1">)");
    line("<tr>");
    line(R"(<td width="20%" bgcolor="#000000"><font color="#FFFFFF"><b>Site</b></font></td>)");
    for (std::string_view caption : StatColumnCaptions().subspan(1)) {
        line(R"(<td width="10%" bgcolor="#000000"><font color="#FFFFFF"><b>)" + XmlText(caption) +
             "</b></font></td>");
    }
    line("</tr>");
    bool first = true;
    for (const StatRow& row : report.rows) {
        line(std::string(R"(<tr bgcolor=")") + (first ? "#91E3BE" : "#D5E9FF") + R"(">)");
        first = !first;
        for (const std::string* cell : {&row.site,
                                        &row.listed,
                                        &row.submittedVersion,
                                        &row.versionListed,
                                        &row.downloads,
                                        &row.siteRating,
                                        &row.userRating,
                                        &row.votes}) {
            line(HtmlCell("", *cell));
        }
        line("</tr>");
    }
    line("</table>");
    line(R"(<p><font size="2">Listrider Stats Report was created )" + report.createdStamp + "</font></p>");
    line("</div>");
    line("</body>");
    line("</html>");
    return out;
}

store::Result<void> WriteStatsExport(const std::filesystem::path& file, const StatsReport& report)
{
    const std::string text =
        StatsFormatOf(file.filename().string()) == StatsFormat::Xml ? StatsXml(report) : StatsHtml(report);
    return store::SaveStringToFile(file, text);
}

} // namespace listrider::companions
