// What the window keeps about itself while the program runs.
#pragma once

#include <QString>

namespace listrider::app {

/// Which run the wizard shows or last showed.
enum class RunKind
{
    None = 0,
    Step1 = 1,      ///< the main submit
    Step2Entry = 2, ///< entering the new passwords
    Step3 = 3,      ///< the final submit
    AccountRequest = 10,
};

/// The program-run flags of the main window.
struct WindowState
{
    bool firstRun = false;          ///< Prefs.ini was missing at start-up
    bool readOnlyWorkspace = false; ///< nothing can be saved
    bool runInProgress = false;     ///< a submission run holds the window
    bool updateInProgress = false;  ///< a database update holds the window
    bool resumeMode = false;        ///< the run was restored from the journal
    bool compactLayout = false;     ///< the screen is below 1024 x 768
    RunKind runKind = RunKind::None;
    int wizardStep = 1; ///< 1 to 5
    QString activePage; ///< "ProductsPage", "URLPage", ..., "Step1" ... "Step5"

    /// Returns whether the user may change pages at all.
    bool PageChangeAllowed() const { return !runInProgress && !updateInProgress; }
};

} // namespace listrider::app
