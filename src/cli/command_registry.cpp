#include "cli/command_registry.h"

#include "cli/commands/commands.h"

namespace listrider::cli {

std::vector<std::unique_ptr<Command>> MakeCommands()
{
    std::vector<std::unique_ptr<Command>> commands;
    commands.push_back(MakeConfigCommand());
    commands.push_back(MakePrefsCommand());
    commands.push_back(MakeNetCommand());
    commands.push_back(MakeSitedbCommand());
    commands.push_back(MakeUpdateDbCommand());
    commands.push_back(MakeCompanyCommand());
    commands.push_back(MakeProductCommand());
    commands.push_back(MakeImportPadCommand());
    commands.push_back(MakeGeneratePadCommand());
    commands.push_back(MakeUploadPadCommand());
    commands.push_back(MakeValidateCommand());
    commands.push_back(MakeAccountsCommand());
    commands.push_back(MakeSitesCommand());
    commands.push_back(MakeBlacklistCommand());
    commands.push_back(MakeFastcatCommand());
    commands.push_back(MakeSubmitCommand());
    commands.push_back(MakeReportCommand());
    commands.push_back(MakeStatsCommand());
    commands.push_back(MakeRequestAccountsCommand());
    commands.push_back(MakeSendErrorReportCommand());
    commands.push_back(MakeDemoCommand());
    return commands;
}

Command* FindCommand(const std::vector<std::unique_ptr<Command>>& commands, std::string_view name)
{
    for (const auto& command : commands) {
        if (command->Name() == name) {
            return command.get();
        }
    }
    return nullptr;
}

} // namespace listrider::cli
