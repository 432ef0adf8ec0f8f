#include "cli/command.h"

#include <ostream>

#include "cli/exit_codes.h"
#include "store/workspace.h"

namespace listrider::cli {

CommandContext::CommandContext(std::ostream& out,
                               std::ostream& err,
                               store::Prompter& prompter,
                               GlobalOptions options)
    : m_out(out)
    , m_err(err)
    , m_prompter(prompter)
    , m_options(std::move(options))
{}

store::Result<std::filesystem::path> CommandContext::Workspace()
{
    if (m_workspace) {
        return *m_workspace;
    }
    store::Result<std::filesystem::path> opened = store::OpenWorkspaceDir(m_options.workspace);
    if (opened) {
        m_workspace = opened.Value();
    }
    return opened;
}

int CommandContext::Fail(const store::Error& error)
{
    m_err << "listrider-cli: " << error.message;
    if (!error.detail.empty()) {
        m_err << " (" << error.detail << ")";
    }
    m_err << "\n";
    return error.kind == store::ErrorKind::Usage ? kExitUsage : kExitFailure;
}

int CommandContext::UsageError(std::string_view message, std::string_view usage)
{
    m_err << "listrider-cli: " << message << "\n" << usage;
    if (!usage.empty() && usage.back() != '\n') {
        m_err << "\n";
    }
    return kExitUsage;
}

} // namespace listrider::cli
