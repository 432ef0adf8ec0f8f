// The companion runs' windows on the terminal: the stats list, the request progress list and
// the error report's sending window.
#pragma once

#include <mutex>
#include <ostream>
#include <string>

#include "companions/account_requester.h"
#include "companions/error_report_sender.h"
#include "companions/stats_tracker.h"
#include "store/code_page.h"

namespace listrider::cli {

/// Prints a line per finished site and the progress, in UTF-8.
class ConsoleStatsView final : public companions::StatsView
{
public:
    ConsoleStatsView(std::ostream& out, store::CodePage codePage);

    void RowChanged(const companions::StatRow& row) override;
    void ShowCurrentSite(std::string_view site, std::string_view action) override;
    void ShowProgress(int percent, std::string_view text) override;
    void ShowSummary(const companions::StatsSummary& summary) override;

private:
    std::ostream& m_out;
    store::CodePage m_codePage;
    std::mutex m_mutex;
};

/// Prints each site's result as the progress list shows it.
class ConsoleRequesterView final : public companions::RequesterView
{
public:
    ConsoleRequesterView(std::ostream& out, store::CodePage codePage);

    void SiteStarted(std::string_view site) override;
    void SiteResult(std::string_view site, std::string_view result) override;
    void ShowProgress(int percent) override;

private:
    std::ostream& m_out;
    store::CodePage m_codePage;
    std::mutex m_mutex;
};

/// Prints the label when it changes and the progress when it passes a quarter.
class ConsoleErrorSenderView final : public companions::ErrorSenderView
{
public:
    explicit ConsoleErrorSenderView(std::ostream& out);

    void ShowLabel(std::string_view text) override;
    void ShowProgress(int percent) override;

private:
    std::ostream& m_out;
    std::mutex m_mutex;
    std::string m_label;
    int m_shown = 0;
};

/// Returns a stats row as one tab-separated line in UTF-8, its columns in the list's order.
std::string StatRowLine(const companions::StatRow& row, const store::CodePage& codePage);

} // namespace listrider::cli
