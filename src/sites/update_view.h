// What the database update shows while it runs, implemented by the front end.
#pragma once

#include <string_view>

namespace listrider::sites {

/// The progress window's bars.
enum class UpdateBar
{
    CurrentSite,    ///< "Current Site:": the file being downloaded
    Total,          ///< "Total:": downloaded packages of all to fetch
    FastCategories, ///< "Fast Categories:"
};

/// The progress window of the update. Every call comes from the update's worker thread and
/// returns once the front end has applied it; ShowProgress may be posted without waiting.
class UpdateView
{
public:
    virtual ~UpdateView() = default;

    /// Shows a message in the status bar.
    virtual void ShowStatus(std::string_view text) = 0;

    /// Shows the site being downloaded ("None" at the start, "none" for the fast categories).
    virtual void ShowCurrentSite(std::string_view name) = 0;

    /// Shows "Total Sites:" and "Downloaded Sites:".
    virtual void ShowCounters(int totalSites, int downloadedSites) = 0;

    /// Sets a bar to a percentage (0 to 100).
    virtual void ShowProgress(UpdateBar bar, int percent) = 0;

    /// Shows an error box (OK); the update ends after it.
    virtual void ShowError(std::string_view message) = 0;

    /// Runs the connection test; returns whether an Internet connection was found.
    virtual bool CheckConnection() = 0;

    /// Opens the download page of the newer program version in the default browser.
    virtual void OpenDownloadPage(std::string_view address) = 0;
};

} // namespace listrider::sites
