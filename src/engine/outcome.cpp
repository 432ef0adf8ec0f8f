#include "engine/outcome.h"

namespace listrider::engine {

std::string_view OutcomeWord(Outcome outcome)
{
    switch (outcome) {
    case Outcome::None:
        return "None";
    case Outcome::Error:
        return "Error";
    case Outcome::Skip:
        return "Skip";
    case Outcome::Abort:
        return "Abort";
    case Outcome::Exists:
        return "Exists";
    }
    return "None";
}

} // namespace listrider::engine
