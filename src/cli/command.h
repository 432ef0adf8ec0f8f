// The shape every listrider-cli command shares.
#pragma once

#include <filesystem>
#include <iosfwd>
#include <optional>
#include <span>
#include <string>
#include <string_view>

#include "store/prompter.h"
#include "store/result.h"

namespace listrider::cli {

/// Options that apply to every command.
struct GlobalOptions
{
    std::optional<std::string> workspace; ///< --workspace DIR
    std::optional<bool> answer;           ///< --yes / --no: the answer to every question
};

/// What a command gets to work with: its streams, the prompter and the workspace.
class CommandContext
{
public:
    CommandContext(std::ostream& out, std::ostream& err, store::Prompter& prompter, GlobalOptions options);

    std::ostream& Out() { return m_out; }

    std::ostream& Err() { return m_err; }

    store::Prompter& GetPrompter() { return m_prompter; }

    const GlobalOptions& Options() const { return m_options; }

    /// Returns the workspace directory, created on first use.
    store::Result<std::filesystem::path> Workspace();

    /// Prints an error the way every command does and returns the failure exit code.
    int Fail(const store::Error& error);

    /// Prints a usage error with the command's usage line and returns the usage exit code.
    int UsageError(std::string_view message, std::string_view usage);

private:
    std::ostream& m_out;
    std::ostream& m_err;
    store::Prompter& m_prompter;
    GlobalOptions m_options;
    std::optional<std::filesystem::path> m_workspace;
};

/// One verb of listrider-cli.
class Command
{
public:
    virtual ~Command() = default;

    /// Returns the verb ("config").
    virtual std::string_view Name() const = 0;

    /// Returns the one-line description shown in the command list.
    virtual std::string_view Summary() const = 0;

    /// Returns the full help text of the command.
    virtual std::string_view Usage() const = 0;

    /// Runs the command with the arguments after the verb and returns the exit code.
    virtual int Run(std::span<const std::string> args, CommandContext& context) = 0;
};

} // namespace listrider::cli
