// A submission run shown on the terminal: the details and log rows and the status texts as they
// happen, and a progress line that a terminal redraws in place.
#pragma once

#include <mutex>
#include <ostream>
#include <string>

#include "engine/run_view.h"
#include "store/code_page.h"

namespace listrider::cli {

/// Prints the run's events in UTF-8; safe to call from the worker and the watchdog.
class ConsoleRunView final : public engine::RunView
{
public:
    ConsoleRunView(std::ostream& out, store::CodePage codePage, bool terminal);

    void Apply(const engine::RunEvent& event) override;
    void ShowProgress(const std::string& text) override;

    /// Returns the wizard step the run led to (0 when it ended early), once it has finished.
    int NextStep() const;

    bool Crashed() const;

private:
    void Line(const std::string& text);

    std::ostream& m_out;
    store::CodePage m_codePage;
    bool m_terminal;
    mutable std::mutex m_mutex;
    std::string m_progress; ///< the progress line shown last (terminal only)
    int m_nextStep = 0;
    bool m_crashed = false;
};

} // namespace listrider::cli
