// Questions on the terminal, or answered in advance by --yes / --no.
#pragma once

#include <iosfwd>
#include <optional>

#include "store/prompter.h"

namespace listrider::cli {

/// Answers the core's questions from --yes/--no, else by asking on the terminal; without a
/// terminal a question stays unanswered and the command refuses.
class ConsolePrompter final : public store::Prompter
{
public:
    ConsolePrompter(std::istream& in, std::ostream& out, std::optional<bool> preset, bool interactive);

    std::optional<bool> Ask(std::string_view question) override;
    void Inform(std::string_view message) override;

private:
    std::istream& m_in;
    std::ostream& m_out;
    std::optional<bool> m_preset;
    bool m_interactive;
};

} // namespace listrider::cli
