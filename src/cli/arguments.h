// The arguments of one command: flags, options with values, and positional words.
#pragma once

#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace listrider::cli {

/// Takes a command's arguments apart. Each Flag/Option call consumes what it finds; Finish
/// then reports anything left that starts with "--" as unknown.
class Arguments
{
public:
    explicit Arguments(std::span<const std::string> args);

    /// Returns whether "--name" was given (and consumes it).
    bool Flag(std::string_view name);

    /// Returns the value of "--name VALUE" or "--name=VALUE" (and consumes both); a missing value
    /// is an error reported by Finish.
    std::optional<std::string> Option(std::string_view name);

    /// Returns the words that are not options, in order (after "--" every word is one).
    std::vector<std::string> Positionals() const;

    /// Returns the first problem: a missing option value or an unknown option; empty when none.
    std::string Finish() const;

    /// As Finish, for a command that takes no positional words ("too many arguments").
    std::string FinishWithoutPositionals() const;

private:
    std::vector<std::string> m_args;
    std::vector<bool> m_used;
    std::string m_error;
};

/// Returns the non-empty parts of a comma-separated list ("a,b,,c" gives a, b, c).
std::vector<std::string> SplitNames(const std::string& text);

} // namespace listrider::cli
