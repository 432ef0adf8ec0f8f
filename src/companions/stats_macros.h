// The macro vocabulary of the stats run: a fixed set of names over the run values, with the
// values that differ from a submission's.
#pragma once

#include <string>
#include <string_view>

#include "engine/run_values.h"
#include "store/macro_scanner.h"

namespace listrider::companions {

/// Returns whether the stats run knows the macro name (without bars, compared exactly).
bool IsStatsMacroName(std::string_view name);

/// The stats run's resolver over the run values. Every name it does not know stays in the text
/// as written.
class StatsMacros
{
public:
    explicit StatsMacros(engine::RunValues& values);
    StatsMacros(const StatsMacros&) = delete;
    StatsMacros& operator=(const StatsMacros&) = delete;

    /// Prepares the run-wide values of the stats run from the run values' product.
    void StartRun();

    /// Prepares the descriptions of the current site's language in their stored form.
    void StartStep();

    /// Appends the value of one token (both bars included).
    void Resolve(std::string_view token, std::string& out);

    /// Returns the text with every macro expanded.
    std::string Expand(std::string_view text);

    const store::NarrowMacroResolver& Resolver() const { return m_resolve; }

private:
    engine::RunValues& m_values;
    engine::MacroTable m_own; ///< the values that differ from the submission's
    store::NarrowMacroResolver m_resolve;
};

} // namespace listrider::companions
