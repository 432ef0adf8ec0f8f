// The database update's progress window on the terminal.
#pragma once

#include <functional>
#include <iosfwd>
#include <mutex>
#include <string>

#include "sites/update_view.h"
#include "store/code_page.h"

namespace listrider::cli {

/// Prints the update's messages, the site being downloaded and the bars (the current file, the
/// total and the fast categories) as lines: a bar is printed when it passes a quarter.
class ConsoleUpdateView final : public sites::UpdateView
{
public:
    ConsoleUpdateView(std::ostream& out,
                      std::ostream& err,
                      store::CodePage codePage,
                      std::function<bool()> connectionCheck);

    void ShowStatus(std::string_view text) override;
    void ShowCurrentSite(std::string_view name) override;
    void ShowCounters(int totalSites, int downloadedSites) override;
    void ShowProgress(sites::UpdateBar bar, int percent) override;
    void ShowError(std::string_view message) override;
    bool CheckConnection() override;
    void OpenDownloadPage(std::string_view address) override;

private:
    void Line(std::string_view text);

    std::mutex m_mutex;
    std::ostream& m_out;
    std::ostream& m_err;
    store::CodePage m_codePage;
    std::function<bool()> m_connectionCheck;
    int m_shownFile = 0; ///< the last quarter printed of the current file's bar
    int m_shownFastCategories = 0;
};

} // namespace listrider::cli
