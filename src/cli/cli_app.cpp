#include "cli/cli_app.h"

#include <iomanip>
#include <ostream>
#include <vector>

#include "cli/command_registry.h"
#include "cli/console_prompter.h"
#include "cli/exit_codes.h"
#include "store/version.h"

namespace listrider::cli {
namespace {

constexpr std::string_view kGlobalUsage =
    "Usage: listrider-cli [GLOBAL OPTIONS] COMMAND [ARGUMENTS]\n"
    "\n"
    "Global options (allowed before or after the command):\n"
    "  --workspace DIR   the workspace directory (default: $LISTRIDER_WORKSPACE, else\n"
    "                    $XDG_DATA_HOME/listrider, else ~/.local/share/listrider); created on first use\n"
    "  --yes, --no       the answer to every question a command asks; without them a command asks\n"
    "                    on a terminal and refuses otherwise\n"
    "  --help, -h        this text, or a command's help after its name\n"
    "  --version         the program's version\n"
    "\n"
    "Exit status: 0 success, 1 failure or refusal, 2 bad usage.\n";

void PrintHelp(std::ostream& out, const std::vector<std::unique_ptr<Command>>& commands)
{
    out << "Listrider " << store::kProgramVersion
        << ": describes software products and submits them to download sites.\n\n"
        << kGlobalUsage << "\nCommands:\n";
    for (const auto& command : commands) {
        out << "  " << std::left << std::setw(18) << command->Name() << command->Summary() << "\n";
    }
    out << "\nRun 'listrider-cli COMMAND --help' for a command's arguments.\n";
}

struct ParsedLine
{
    GlobalOptions options;
    bool help = false;
    bool version = false;
    std::optional<std::string> verb;
    std::vector<std::string> rest;
    std::string error;
};

ParsedLine Parse(std::span<const std::string> args)
{
    ParsedLine parsed;
    bool literal = false; // after "--" every argument belongs to the command
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& arg = args[i];
        if (!literal && arg == "--") {
            literal = true;
            if (parsed.verb) {
                parsed.rest.push_back(arg);
            }
            continue;
        }
        if (!literal && (arg == "--workspace" || arg.starts_with("--workspace="))) {
            if (arg == "--workspace") {
                if (i + 1 >= args.size()) {
                    parsed.error = "--workspace needs a directory";
                    return parsed;
                }
                parsed.options.workspace = args[++i];
            } else {
                parsed.options.workspace = arg.substr(std::string_view("--workspace=").size());
            }
            if (parsed.options.workspace->empty()) {
                parsed.error = "--workspace needs a directory";
                return parsed;
            }
            continue;
        }
        if (!literal && (arg == "--yes" || arg == "--no")) {
            const bool answer = arg == "--yes";
            if (parsed.options.answer && *parsed.options.answer != answer) {
                parsed.error = "--yes and --no cannot be given together";
                return parsed;
            }
            parsed.options.answer = answer;
            continue;
        }
        if (!literal && arg == "--version") {
            parsed.version = true;
            continue;
        }
        if (!parsed.verb) {
            if (!literal && (arg == "--help" || arg == "-h")) {
                parsed.help = true;
            } else if (!literal && arg.starts_with("-")) {
                parsed.error = "unknown option " + arg;
                return parsed;
            } else {
                parsed.verb = arg;
            }
            continue;
        }
        parsed.rest.push_back(arg);
    }
    return parsed;
}

} // namespace

int RunCli(std::span<const std::string> args,
           std::istream& in,
           std::ostream& out,
           std::ostream& err,
           bool interactive)
{
    const std::vector<std::unique_ptr<Command>> commands = MakeCommands();
    ParsedLine parsed = Parse(args);
    if (!parsed.error.empty()) {
        err << "listrider-cli: " << parsed.error << "\nTry 'listrider-cli --help'.\n";
        return kExitUsage;
    }
    if (parsed.version) {
        out << "listrider-cli " << store::kProgramVersion << "\n";
        return kExitOk;
    }
    if (parsed.help || !parsed.verb) {
        PrintHelp(parsed.help ? out : err, commands);
        return parsed.help ? kExitOk : kExitUsage;
    }
    Command* command = FindCommand(commands, *parsed.verb);
    if (command == nullptr) {
        err << "listrider-cli: unknown command '" << *parsed.verb << "'\nTry 'listrider-cli --help'.\n";
        return kExitUsage;
    }
    for (const std::string& arg : parsed.rest) {
        if (arg == "--") {
            break;
        }
        if (arg == "--help" || arg == "-h") {
            out << command->Usage();
            return kExitOk;
        }
    }
    ConsolePrompter prompter(in, out, parsed.options.answer, interactive);
    CommandContext context(out, err, prompter, parsed.options);
    return command->Run(parsed.rest, context);
}

} // namespace listrider::cli
