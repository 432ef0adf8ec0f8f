#include "cli/console_update_view.h"

#include <ostream>

#include "cli/console_prompter.h"

namespace listrider::cli {
namespace {

// Returns the quarter the bar has reached when it is a new one, else 0.
int NewQuarter(int percent, int& shown)
{
    const int quarter = (percent / 25) * 25;
    if (quarter <= shown) {
        return 0;
    }
    shown = quarter;
    return quarter;
}

} // namespace

ConsoleUpdateView::ConsoleUpdateView(std::ostream& out,
                                     std::ostream& err,
                                     store::CodePage codePage,
                                     std::function<bool()> connectionCheck)
    : m_out(out)
    , m_err(err)
    , m_codePage(std::move(codePage))
    , m_connectionCheck(std::move(connectionCheck))
{}

void ConsoleUpdateView::Line(std::string_view text)
{
    m_out << ForTerminal(m_codePage.ToUtf8(text)) << std::endl;
}

void ConsoleUpdateView::ShowStatus(std::string_view text)
{
    const std::lock_guard lock(m_mutex);
    Line(text);
}

void ConsoleUpdateView::ShowCurrentSite(std::string_view name)
{
    const std::lock_guard lock(m_mutex);
    m_shownFile = 0;
    if (name != "None" && name != "none") {
        Line("Downloading site: " + std::string(name));
    }
}

void ConsoleUpdateView::ShowCounters(int totalSites, int downloadedSites)
{
    const std::lock_guard lock(m_mutex);
    Line("Total Sites: " + std::to_string(totalSites) +
         "  Downloaded Sites: " + std::to_string(downloadedSites));
}

void ConsoleUpdateView::ShowProgress(sites::UpdateBar bar, int percent)
{
    const std::lock_guard lock(m_mutex);
    switch (bar) {
    case sites::UpdateBar::CurrentSite:
        if (percent == 0) {
            m_shownFile = 0;
        } else if (const int quarter = NewQuarter(percent, m_shownFile); quarter > 0) {
            Line("  Current Site: " + std::to_string(quarter) + "%");
        }
        break;
    case sites::UpdateBar::Total:
        Line("  Total: " + std::to_string(percent) + "%");
        break;
    case sites::UpdateBar::FastCategories:
        if (percent == 0) {
            m_shownFastCategories = 0;
        } else if (const int quarter = NewQuarter(percent, m_shownFastCategories); quarter > 0) {
            Line("  Fast Categories: " + std::to_string(quarter) + "%");
        }
        break;
    }
}

void ConsoleUpdateView::ShowError(std::string_view message)
{
    const std::lock_guard lock(m_mutex);
    m_err << "listrider-cli: " << ForTerminal(m_codePage.ToUtf8(message)) << std::endl;
}

bool ConsoleUpdateView::CheckConnection()
{
    return !m_connectionCheck || m_connectionCheck();
}

void ConsoleUpdateView::OpenDownloadPage(std::string_view address)
{
    const std::lock_guard lock(m_mutex);
    if (address.empty()) {
        Line("No download page is configured (Download_Page in installation.ini)");
    } else {
        Line("The newer version is offered at " + std::string(address));
    }
}

} // namespace listrider::cli
