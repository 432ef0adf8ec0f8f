// Questions on the terminal, or answered in advance by --yes / --no.
#pragma once

#include <iosfwd>
#include <optional>
#include <string>
#include <string_view>

#include "store/prompter.h"

namespace listrider::cli {

/// Returns a core message for the terminal: the line breaks of the window's message boxes (CR,
/// or CR LF) become LF.
std::string ForTerminal(std::string_view text);

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
