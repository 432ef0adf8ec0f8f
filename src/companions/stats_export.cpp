#include "companions/stats_export.h"

#include "companions/date_texts.h"
#include "engine/report_markup.h"
#include "store/ascii.h"
#include "store/file_io.h"
#include "store/web_encoding.h"

namespace listrider::companions {
namespace {

// Every value is escaped, markup characters included, and the control characters XML does not
// allow become spaces: a site's name or a value it returned never breaks the document.
std::string XmlText(std::string_view text)
{
    std::string out = store::HtmlEscape(text);
    for (char& c : out) {
        if (static_cast<unsigned char>(c) < 0x20 && c != '\t' && c != '\n' && c != '\r') {
            c = ' ';
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

} // namespace

std::string
StatsSuggestedName(std::string_view product, std::string_view version, const store::CivilDate& today)
{
    return std::string(product) + "_" + std::string(version) + "_Stats_" + engine::ReportFileDate(today) +
           ".";
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
    Element(out, 2, "STATS_DATE", LongDate(report.now.date));
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
    engine::ReportLines lines;
    engine::AddReportTop(lines,
                         "Listrider Stats report for " + report.product + " " + report.version,
                         "Stats Report",
                         engine::ReportProduct{report.product, report.version},
                         "windows-1252");
    auto header = [&lines](std::string_view width, std::string_view caption) {
        lines.push_back(R"(<td)" + std::string(width) + R"( bgcolor="#000000"><font color="#FFFFFF"><b>)" +
                        store::HtmlEscape(caption) + "</b></font></td>");
    };
    auto cell = [&lines](std::string_view text) {
        lines.push_back("<td>" + store::HtmlEscape(text) + "</td>");
    };
    lines.push_back(R"(<p align="center"><font size="4" color="#000000">)" + LongDate(report.now.date) +
                    "</font></p>");
    lines.push_back(R"(<table width="80%" border="1">)");
    lines.push_back("<tr>");
    for (std::string_view caption :
         {"Total Downloads", "Listed on", "Latest version listed on", "Sites shown"}) {
        header("", caption);
    }
    lines.push_back("</tr>");
    lines.push_back(R"(<tr bgcolor="#D5E9FF">)");
    cell(std::to_string(summary.totalDownloads));
    cell(OfSites(summary.listedOn, summary.shownSites));
    cell(OfSites(summary.latestVersionListedOn, summary.shownSites));
    cell(std::to_string(summary.shownSites));
    lines.push_back("</tr>");
    lines.push_back("</table>");
    lines.push_back("<br>");
    lines.push_back(R"(<table width="100%" border="1">)");
    lines.push_back("<tr>");
    header(R"( width="20%")", "Site");
    for (std::string_view caption : StatColumnCaptions().subspan(1)) {
        header(R"( width="10%")", caption);
    }
    lines.push_back("</tr>");
    bool first = true;
    for (const StatRow& row : report.rows) {
        lines.push_back(std::string(R"(<tr bgcolor=")") + (first ? "#91E3BE" : "#D5E9FF") + R"(">)");
        first = !first;
        for (const std::string* text : StatCells(row)) {
            cell(*text);
        }
        lines.push_back("</tr>");
    }
    lines.push_back("</table>");
    engine::AddReportFooter(lines, "Listrider Stats Report", report.now);
    return engine::JoinReportLines(lines);
}

store::Result<void> WriteStatsExport(const std::filesystem::path& file, const StatsReport& report)
{
    const std::string text =
        StatsFormatOf(file.filename().string()) == StatsFormat::Xml ? StatsXml(report) : StatsHtml(report);
    return store::SaveStringToFile(file, text);
}

} // namespace listrider::companions
