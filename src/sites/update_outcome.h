// What a database update did, and the texts the main window and the result window show of it.
#pragma once

#include <string>
#include <vector>

namespace listrider::sites {

/// The end of an update: the three lists, the counts and how it ended.
struct UpdateOutcome
{
    bool success = false;    ///< every step ran to the end
    bool cancelled = false;  ///< "Stop Update", or the download page of a newer version chosen
    bool unanswered = false; ///< the newer-version question had no answer
    std::string error;       ///< the error message shown; empty when none
    std::string detail;      ///< what the system said, for the log

    std::vector<std::string> added; ///< names, server order (sites whose stamp is 0 included)
    std::vector<std::string> updated;
    std::vector<std::string> obsolete;
    std::vector<std::string> refused; ///< "name: reason" of server sites that could not be written

    int totalSites = 0; ///< added + updated
    int downloadedSites = 0;
    std::string boundAddress; ///< the local address the connection was made from
    bool reportDue = false;   ///< the result window is to be shown
};

/// Returns the main window's status text after the update.
std::string UpdateStatusText(const UpdateOutcome& outcome);

/// Returns the lines of the result window: the heading, then each count followed by its names.
std::vector<std::string> UpdateReportLines(const UpdateOutcome& outcome);

} // namespace listrider::sites
