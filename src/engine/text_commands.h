// The text commands of a web step: they cut the page of the previous request down, pull values
// out of it into the custom values, take over a form, or record the account a site just gave.
#pragma once

#include <filesystem>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "engine/run_values.h"
#include "engine/version_search.h"
#include "store/macro_scanner.h"
#include "store/result.h"

namespace listrider::engine {

/// The pages a site's commands may read. A site starts with neither, so its first step never
/// reads what another site returned (its hidden tokens and account echoes).
struct TextCommandPages
{
    std::optional<std::filesystem::path> previousPage; ///< the saved page of this site's last request
    std::string lastSuccessPage; ///< the normalized page of this site's last success test (RELOADHTML)

    /// Forgets both pages (a site starts).
    void StartSite();
};

/// What the commands work with besides their lines and the step's fields.
struct TextCommandContext
{
    const TextCommandPages& pages;
    CustomValues& custom;                      ///< the targets |Custom1| .. |Custom10|
    const store::NarrowMacroResolver& resolve; ///< expands the operands
    VersionRules versionRules{};
};

/// What the commands hand back to the run driver.
struct TextCommandOutcome
{
    std::string result = "0"; ///< "-1" when a command failed
    std::string path;         ///< the action of the form FINDFORM took over; empty otherwise
    std::string method;       ///< its method
    std::string capturedLogin;
    std::string capturedPassword;

    bool Failed() const { return result == "-1"; }
};

/// Returns whether the run runs a step's commands: a non-zero, even number of lines.
bool HasTextCommands(std::span<const std::string> commandLines);

/// Runs the command pairs (word, operand) in order on the working page built from the previous
/// page (empty when there is none). A failing command sets the result "-1" and the rest still
/// run; an unknown word is ignored. A page that cannot be read, or a FINDFORM number that is not
/// a number, is an error: the run ends the site with "Error Processing Site".
store::Result<TextCommandOutcome> RunTextCommands(std::span<const std::string> commandLines,
                                                  std::vector<std::string>& names,
                                                  std::vector<std::string>& values,
                                                  const TextCommandContext& context);

/// As RunTextCommands, on a working page already built (BuildWorkingPage); the context's pages
/// give only the last success test's page.
store::Result<TextCommandOutcome> RunTextCommandsOnPage(std::string workingPage,
                                                        std::span<const std::string> commandLines,
                                                        std::vector<std::string>& names,
                                                        std::vector<std::string>& values,
                                                        const TextCommandContext& context);

/// Returns an extracted value cleaned: cut before the first '&', ')', '[' and ']', then kept up
/// to the first space after a non-space, then trimmed of spaces.
std::string CleanExtractedValue(std::string_view value);

} // namespace listrider::engine
