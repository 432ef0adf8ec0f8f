#include "cli/arguments.h"

#include <sstream>

namespace listrider::cli {
namespace {

constexpr std::string_view kEndOfOptions = "--";

} // namespace

Arguments::Arguments(std::span<const std::string> args)
    : m_args(args.begin(), args.end())
    , m_used(args.size(), false)
{}

bool Arguments::Flag(std::string_view name)
{
    bool found = false;
    for (std::size_t i = 0; i < m_args.size() && m_args[i] != kEndOfOptions; ++i) {
        if (!m_used[i] && m_args[i].size() == name.size() + 2 && m_args[i].starts_with("--") &&
            std::string_view(m_args[i]).substr(2) == name) {
            m_used[i] = true;
            found = true;
        }
    }
    return found;
}

std::optional<std::string> Arguments::Option(std::string_view name)
{
    const std::string plain = "--" + std::string(name);
    const std::string joined = plain + "=";
    std::optional<std::string> value;
    for (std::size_t i = 0; i < m_args.size() && m_args[i] != kEndOfOptions; ++i) {
        if (m_used[i]) {
            continue;
        }
        if (m_args[i] == plain) {
            m_used[i] = true;
            if (i + 1 >= m_args.size() || m_args[i + 1] == kEndOfOptions) {
                if (m_error.empty()) {
                    m_error = plain + " needs a value";
                }
                continue;
            }
            m_used[i + 1] = true;
            value = m_args[++i];
        } else if (m_args[i].starts_with(joined)) {
            m_used[i] = true;
            value = m_args[i].substr(joined.size());
        }
    }
    return value;
}

std::vector<std::string> Arguments::Positionals() const
{
    std::vector<std::string> words;
    bool literal = false;
    for (std::size_t i = 0; i < m_args.size(); ++i) {
        if (!literal && m_args[i] == kEndOfOptions) {
            literal = true;
            continue;
        }
        if (literal || (!m_used[i] && !m_args[i].starts_with("--"))) {
            words.push_back(m_args[i]);
        }
    }
    return words;
}

std::string Arguments::Finish() const
{
    if (!m_error.empty()) {
        return m_error;
    }
    for (std::size_t i = 0; i < m_args.size() && m_args[i] != kEndOfOptions; ++i) {
        if (!m_used[i] && m_args[i].starts_with("--")) {
            return "unknown option " + m_args[i];
        }
    }
    return {};
}

std::string Arguments::FinishWithoutPositionals() const
{
    std::string problem = Finish();
    if (problem.empty() && !Positionals().empty()) {
        problem = "too many arguments";
    }
    return problem;
}

std::vector<std::string> SplitNames(const std::string& text)
{
    std::vector<std::string> names;
    std::string current;
    std::istringstream in(text);
    while (std::getline(in, current, ',')) {
        if (!current.empty()) {
            names.push_back(current);
        }
    }
    return names;
}

} // namespace listrider::cli
