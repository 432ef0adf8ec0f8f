// The outcome word of the current site, shared by the run and the controls of the window.
#pragma once

#include <string_view>

namespace listrider::engine {

/// The values of the outcome word.
enum class Outcome
{
    None,
    Error,
    Skip,
    Abort,
    Exists,
};

/// Returns the word as the program writes it ("None", "Error", "Skip", "Abort", "Exists").
std::string_view OutcomeWord(Outcome outcome);

} // namespace listrider::engine
