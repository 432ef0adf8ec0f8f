#include "engine/report_markup.h"

#include <array>
#include <cstdio>

#include "store/ascii.h"
#include "store/file_io.h"
#include "store/web_encoding.h"

namespace listrider::engine {

using store::HtmlEscape;

bool IsLinkAddress(std::string_view url)
{
    constexpr std::array<std::string_view, 3> kSchemes = {"http://", "https://", "ftp://"};
    for (std::string_view scheme : kSchemes) {
        if (store::StartsWithNoCase(url, scheme)) {
            return true;
        }
    }
    return false;
}

std::string SiteLink(std::string_view url, std::string_view innerHtml)
{
    if (!IsLinkAddress(url)) {
        return std::string(innerHtml);
    }
    return R"(<a href=")" + HtmlEscape(url) + R"(" target="_blank">)" + std::string(innerHtml) + "</a>";
}

void AddReportTop(ReportLines& lines,
                  std::string_view title,
                  std::string_view kind,
                  const ReportProduct& product,
                  std::string_view charset)
{
    lines.insert(lines.end(),
                 {
                     "<html>",
                     "<head>",
                     R"(<meta http-equiv="Content-Type" content="text/html; charset=)" +
                         std::string(charset) + R"(">)",
                     R"(<meta name="GENERATOR" content="">)",
                     "<title>" + HtmlEscape(title) + "</title>",
                     "</head>",
                     R"(<body bgcolor="#FFFFFF">)",
                     R"(<div align="center">)",
                     R"(<table width="100%" border="0" cellspacing="0" cellpadding="0">)",
                     "<tr>",
                     R"(<td><b><font face="Arial, Helvetica, sans-serif" size="6" )"
                     R"(color="#000066">&nbsp;&nbsp;Listrider)",
                     std::string(kind) + "</font></b></td>",
                     "</tr>",
                     "</table>",
                     R"(<p align="center"><b><font size="5" color="#FF0000">)" +
                         HtmlEscape(product.name + " v" + product.version) + "</font></b></p>",
                 });
}

void AddReportFooter(ReportLines& lines, std::string_view what, const store::LocalDateTime& now)
{
    lines.insert(
        lines.end(),
        {
            R"(<p><font size="2">)" + std::string(what) + " was created " + ReportStamp(now) + "</font></p>",
            "</div>",
            "</body>",
            "</html>",
        });
}

std::string ReportFileDate(const store::CivilDate& date)
{
    std::array<char, 32> text{};
    std::snprintf(text.data(),
                  text.size(),
                  "%02d-%s-%04d",
                  date.day,
                  std::string(store::EnglishMonthAbbreviation(date.month)).c_str(),
                  date.year);
    return text.data();
}

std::string ReportStamp(const store::LocalDateTime& now)
{
    std::array<char, 48> text{};
    std::snprintf(text.data(),
                  text.size(),
                  "%02d %s %04d  %02d:%02d:%02d",
                  now.date.day,
                  std::string(store::EnglishMonthAbbreviation(now.date.month)).c_str(),
                  now.date.year,
                  now.hour,
                  now.minute,
                  now.second);
    return text.data();
}

std::string SuggestedFileName(std::string_view name)
{
    std::string safe(name);
    for (char& c : safe) {
        if (c == '/' || c == '\0') {
            c = '_';
        }
    }
    return safe;
}

std::string JoinReportLines(const ReportLines& lines)
{
    std::string text;
    for (const std::string& line : lines) {
        text += line;
        text += "\r\n";
    }
    return text;
}

store::Result<void> SaveReport(const std::filesystem::path& file, const ReportLines& lines)
{
    return store::SaveStringToFile(file, JoinReportLines(lines));
}

} // namespace listrider::engine
