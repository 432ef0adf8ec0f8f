// The lists and counters of the submission pages: what the views show and the journal keeps.
#pragma once

#include <array>
#include <cstddef>
#include <deque>
#include <string>
#include <vector>

#include "engine/outcome.h"

namespace listrider::engine {

/// A row of the log list (columns Time, Site, Result).
struct LogRow
{
    std::string time;
    std::string site;
    std::string result;

    friend bool operator==(const LogRow&, const LogRow&) = default;
};

/// A row of the details list (columns Time, Site, Action, Result).
struct DetailRow
{
    std::string time;
    std::string site;
    std::string action;
    std::string result;

    friend bool operator==(const DetailRow&, const DetailRow&) = default;
};

/// The seven report counters, in the order the journal keeps them.
struct ReportCounters
{
    long long sitesFinished = 0;
    long long sitesSuccessful = 0;
    long long elapsedSeconds = 0;
    long long emailsSent = 0;
    long long webRequests = 0;
    long long bytesSent = 0;
    long long bytesReceived = 0;

    /// Returns the counters in journal order.
    std::array<long long, 7> ToArray() const;

    /// Sets the counters from journal order.
    void FromArray(const std::array<long long, 7>& values);

    friend bool operator==(const ReportCounters&, const ReportCounters&) = default;
};

/// The three counters of a run page and its progress bar.
struct PageCounters
{
    long long left = 0;       ///< "Left to submit:"
    long long processed = 0;  ///< "Total Processed:"
    long long successful = 0; ///< "Sucessful:"
    int progress = 0;         ///< the progress bar's whole percent

    friend bool operator==(const PageCounters&, const PageCounters&) = default;
};

/// One run page's lists: new rows go to the top, so row 0 (the front) is the newest.
struct RunPage
{
    std::deque<LogRow> log;
    std::deque<DetailRow> details;
    PageCounters counters;

    /// Empties the lists and counters.
    void Clear();
};

/// The wizard pages that keep a journal.
enum class WizardPage
{
    MainSubmit = 1,   ///< "Step 1 (Main submit)"
    NewPasswords = 2, ///< "Step 2 (New passwords)"
    FinalSubmit = 3,  ///< "Step 3 (Final submit)"
    ErrorsReport = 4, ///< "Step 4 (Errors Report)"
    Report = 5,       ///< "Step 5 (Report)"
};

/// Everything the Submit page keeps between runs: both run pages, the run lists and counters.
struct SubmissionState
{
    RunPage page1;
    RunPage page3;
    WizardPage page = WizardPage::MainSubmit;
    std::vector<std::string> checked;    ///< the checked rows of the site list, in list order
    std::vector<std::string> selected;   ///< the run's sites in processing order
    std::size_t position = 0;            ///< of the current site in `selected`
    std::vector<std::string> requeue;    ///< one entry per requeue
    std::vector<std::string> pending;    ///< sites whose script ended pending (-3)
    std::vector<std::string> httpErrors; ///< pairs of lines: site, reason
    ReportCounters report;
    long long failedSites = 0;
    Outcome lastOutcome = Outcome::None; ///< the outcome word when the last run ended
    bool resumeMode = false;

    /// Returns the page a run of `page` writes to (page 1 for step 1, page 3 otherwise).
    RunPage& RunPageOf(WizardPage runPage) { return runPage == WizardPage::MainSubmit ? page1 : page3; }

    const RunPage& RunPageOf(WizardPage runPage) const
    {
        return runPage == WizardPage::MainSubmit ? page1 : page3;
    }
};

/// Returns processed × 100 / total rounded to the nearest whole number, halves to the even one;
/// 0 when the total is 0.
int ProgressPercent(long long processed, long long total);

} // namespace listrider::engine
