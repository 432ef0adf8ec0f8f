#include "cli/console_prompter.h"

#include <istream>
#include <ostream>
#include <string>

#include "store/ascii.h"

namespace listrider::cli {

std::string ForTerminal(std::string_view text)
{
    std::string out;
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\r') {
            out.push_back('\n');
            if (i + 1 < text.size() && text[i + 1] == '\n') {
                ++i;
            }
        } else {
            out.push_back(text[i]);
        }
    }
    return out;
}

ConsolePrompter::ConsolePrompter(std::istream& in,
                                 std::ostream& out,
                                 std::optional<bool> preset,
                                 bool interactive)
    : m_in(in)
    , m_out(out)
    , m_preset(preset)
    , m_interactive(interactive)
{}

std::optional<bool> ConsolePrompter::Ask(std::string_view question)
{
    if (m_preset) {
        m_out << ForTerminal(question) << " " << (*m_preset ? "[answered yes]" : "[answered no]") << "\n";
        return m_preset;
    }
    if (!m_interactive) {
        return std::nullopt;
    }
    while (true) {
        m_out << ForTerminal(question) << " [y/n] " << std::flush;
        std::string line;
        if (!std::getline(m_in, line)) {
            return std::nullopt;
        }
        const std::string answer = store::AsciiLower(line);
        if (answer == "y" || answer == "yes") {
            return true;
        }
        if (answer == "n" || answer == "no") {
            return false;
        }
    }
}

void ConsolePrompter::Inform(std::string_view message)
{
    m_out << ForTerminal(message) << "\n";
}

} // namespace listrider::cli
