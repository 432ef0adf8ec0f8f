// Factories of the commands; the registry lists them in help order.
#pragma once

#include <memory>

#include "cli/command.h"

namespace listrider::cli {

std::unique_ptr<Command> MakeConfigCommand();
std::unique_ptr<Command> MakePrefsCommand();
std::unique_ptr<Command> MakeNetCommand();
std::unique_ptr<Command> MakeSitedbCommand();
std::unique_ptr<Command> MakeUpdateDbCommand();
std::unique_ptr<Command> MakeCompanyCommand();
std::unique_ptr<Command> MakeProductCommand();
std::unique_ptr<Command> MakeImportPadCommand();
std::unique_ptr<Command> MakeGeneratePadCommand();
std::unique_ptr<Command> MakeUploadPadCommand();
std::unique_ptr<Command> MakeValidateCommand();
std::unique_ptr<Command> MakeAccountsCommand();
std::unique_ptr<Command> MakeSitesCommand();
std::unique_ptr<Command> MakeBlacklistCommand();
std::unique_ptr<Command> MakeFastcatCommand();
std::unique_ptr<Command> MakeSubmitCommand();
std::unique_ptr<Command> MakeReportCommand();
std::unique_ptr<Command> MakeStatsCommand();
std::unique_ptr<Command> MakeRequestAccountsCommand();
std::unique_ptr<Command> MakeSendErrorReportCommand();
std::unique_ptr<Command> MakeDemoCommand();

} // namespace listrider::cli
