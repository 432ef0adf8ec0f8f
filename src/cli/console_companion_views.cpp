#include "cli/console_companion_views.h"

namespace listrider::cli {

std::string StatRowLine(const companions::StatRow& row, const store::CodePage& codePage)
{
    std::string line;
    for (const std::string* cell : companions::StatCells(row)) {
        if (!line.empty()) {
            line += '\t';
        }
        line += codePage.ToUtf8(*cell);
    }
    return line;
}

ConsoleStatsView::ConsoleStatsView(std::ostream& out, store::CodePage codePage)
    : m_out(out)
    , m_codePage(std::move(codePage))
{}

void ConsoleStatsView::RowChanged(const companions::StatRow& row)
{
    std::lock_guard lock(m_mutex);
    if (row.image == companions::stats_images::kDone) {
        m_out << StatRowLine(row, m_codePage) << "\n";
    } else if (row.image == companions::stats_images::kError) {
        m_out << m_codePage.ToUtf8(row.site) << "\tError (the stored values are kept)\n";
    }
}

void ConsoleStatsView::ShowCurrentSite(std::string_view, std::string_view) {}

void ConsoleStatsView::ShowProgress(int, std::string_view text)
{
    std::lock_guard lock(m_mutex);
    m_out << text << "\n";
}

void ConsoleStatsView::ShowSummary(const companions::StatsSummary&) {}

ConsoleRequesterView::ConsoleRequesterView(std::ostream& out, store::CodePage codePage)
    : m_out(out)
    , m_codePage(std::move(codePage))
{}

void ConsoleRequesterView::SiteStarted(std::string_view) {}

void ConsoleRequesterView::SiteResult(std::string_view site, std::string_view result)
{
    std::lock_guard lock(m_mutex);
    m_out << m_codePage.ToUtf8(site) << "\t" << result << "\n";
}

void ConsoleRequesterView::ShowProgress(int) {}

ConsoleErrorSenderView::ConsoleErrorSenderView(std::ostream& out)
    : m_out(out)
{}

void ConsoleErrorSenderView::ShowLabel(std::string_view text)
{
    std::lock_guard lock(m_mutex);
    // The byte counts change with every piece sent; the label is shown when it changes kind.
    if (text.ends_with(" bytes sent.")) {
        return;
    }
    if (text != m_label) {
        m_label = text;
        m_out << text << "\n";
    }
}

void ConsoleErrorSenderView::ShowProgress(int percent)
{
    std::lock_guard lock(m_mutex);
    while (percent >= m_shown + 25 && m_shown < 100) {
        m_shown += 25;
        m_out << m_shown << "% sent\n";
    }
}

} // namespace listrider::cli
