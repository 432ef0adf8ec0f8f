#include "cli/commands/sites_list_output.h"

#include <ostream>

#include "cli/json_writer.h"

namespace listrider::cli {
namespace {

constexpr std::string_view kHiddenPassword = "********";

// The row's text in the column, with a stored password hidden unless it is to be shown.
std::string CellText(const CatalogueSession& session,
                     const sites::SiteList& list,
                     const sites::SiteRow& row,
                     std::size_t column,
                     bool reveal)
{
    const std::string_view text = list.Text(row, column);
    const bool password = static_cast<int>(column) == list.Indexes().Of(sites::ColumnDatum::Password);
    if (password && !reveal && !text.empty() && text != "-" && text != "n/a") {
        return std::string(kHiddenPassword);
    }
    return session.ToUtf8(text);
}

void PrintJson(std::ostream& out,
               const CatalogueSession& session,
               const sites::SitesPage& page,
               std::string_view fastCategory,
               bool reveal)
{
    const sites::SiteList& list = page.list;
    const std::vector<std::string> captions = list.Captions();
    JsonWriter writer;
    writer.BeginObject().Key("fastCategory").String(session.ToUtf8(fastCategory)).Key("columns").BeginArray();
    for (const std::string& caption : captions) {
        writer.String(session.ToUtf8(caption));
    }
    writer.EndArray().Key("rows").BeginArray();
    for (const sites::SiteRow& row : list.Rows()) {
        writer.BeginObject()
            .Key("site")
            .String(session.ToUtf8(row.name))
            .Key("checked")
            .Bool(row.checked)
            .Key("mark")
            .Number(static_cast<long long>(row.image))
            .Key("legend")
            .String(sites::MarkText(row.image))
            .Key("cells")
            .BeginObject();
        for (std::size_t column = 1; column < captions.size(); ++column) {
            writer.Key(session.ToUtf8(captions[column])).String(CellText(session, list, row, column, reveal));
        }
        writer.EndObject().EndObject();
    }
    const sites::SiteCounters& counters = page.counters;
    writer.EndArray()
        .Key("counters")
        .BeginObject()
        .Key("showingSites")
        .Number(static_cast<long long>(counters.showing))
        .Key("totalSites")
        .Number(static_cast<long long>(counters.total))
        .Key("submittedTo")
        .Number(static_cast<long long>(counters.submittedTo))
        .Key("listedAt")
        .Number(static_cast<long long>(counters.listedAt))
        .EndObject()
        .EndObject();
    out << writer.Text() << "\n";
}

} // namespace

void PrintSiteList(std::ostream& out,
                   const CatalogueSession& session,
                   const sites::SitesPage& page,
                   std::string_view fastCategory,
                   bool json,
                   bool reveal)
{
    if (json) {
        PrintJson(out, session, page, fastCategory, reveal);
        return;
    }
    const sites::SiteList& list = page.list;
    const std::vector<std::string> captions = list.Captions();
    out << "Fast category: " << session.ToUtf8(fastCategory) << "\n";
    out << "Checked\tMark";
    for (const std::string& caption : captions) {
        out << "\t" << session.ToUtf8(caption);
    }
    out << "\tLegend\n";
    for (const sites::SiteRow& row : list.Rows()) {
        out << (row.checked ? "[x]" : "[ ]") << "\t" << row.image;
        for (std::size_t column = 0; column < captions.size(); ++column) {
            out << "\t" << CellText(session, list, row, column, reveal);
        }
        out << "\t" << sites::MarkText(row.image) << "\n";
    }
    const sites::SiteCounters& counters = page.counters;
    out << "Showing Sites: " << counters.showing << "\n"
        << "Total Sites: " << counters.total << "\n"
        << "Submitted to: " << counters.submittedTo << "\n"
        << "Listed at: " << counters.listedAt << "\n";
}

} // namespace listrider::cli
