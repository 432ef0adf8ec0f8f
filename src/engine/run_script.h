// The script language as a run uses it: the run's macro values, the text commands and the value
// mappings, behind one object per run.
#pragma once

#include <filesystem>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "catalogue/accounts.h"
#include "catalogue/value_set.h"
#include "engine/script_step.h"
#include "sites/site_record.h"
#include "store/macro_scanner.h"
#include "store/result.h"

namespace listrider::engine {

/// What a step's text commands hand back.
struct StepCommandsOutcome
{
    std::string result = "0"; ///< "-1" when a command failed
    std::string path;         ///< the form action FINDFORM took over
    std::string method;
    std::string capturedLogin;
    std::string capturedPassword;
};

/// The run driver's calls into the script language, in the order it makes them: StartRun once,
/// then per site StartSite, and per step Categories (for the loader), PrepareStep, RunCommands,
/// ExpandOsMultiSelect and ExpandFields.
class RunScript
{
public:
    virtual ~RunScript() = default;

    /// Prepares the run-wide values from the product's value set.
    virtual void StartRun(const catalogue::ProductValues& values, const std::string& localIp) = 0;

    /// Prepares the values of the site at `position` of the table: category, check flags,
    /// |Custom1|..|Custom10| emptied, the site's account; no page of another site is kept.
    virtual void StartSite(int position, const catalogue::AccountsList& accounts) = 0;

    /// |Category| and |SubCategory|, which the step loader replaces through the site's lists.
    virtual StepCategories& Categories() = 0;

    /// Prepares the values of a loaded step: descriptions, keywords, per-site special cases.
    virtual void PrepareStep() = 0;

    /// Returns the resolver of the run's macros (for the loader, the success test, the composer).
    virtual const store::NarrowMacroResolver& Resolver() = 0;

    /// Runs a step's text command lines on the page of the site's previous request.
    virtual store::Result<StepCommandsOutcome> RunCommands(std::span<const std::string> commandLines,
                                                           std::vector<std::string>& names,
                                                           std::vector<std::string>& values) = 0;

    /// Replaces a |OSSupportSelectM| field by one field per matching operating system.
    virtual void ExpandOsMultiSelect(std::vector<std::string>& names, std::vector<std::string>& values) = 0;

    /// Expands the values, then the names, then the path, with the value mappings.
    virtual void
    ExpandFields(std::vector<std::string>& names, std::vector<std::string>& values, std::string& path) = 0;

    /// The page the site's last request saved, which the next step's commands read.
    virtual void RecordRequestPage(const std::filesystem::path& savedPage) = 0;

    /// The normalized page of the last success test.
    virtual void RecordSuccessPage(std::string normalizedPage) = 0;

    /// |Custom1| .. |Custom10|.
    virtual std::span<std::string> Custom() = 0;

    /// Cleans the custom values a search found: the site's .zam replacements, or trims
    /// |Custom1|..|Custom5| when it has none.
    virtual void CleanFoundValues(const sites::SitesR& site) = 0;

    /// Applies the site's statistics summation ("a,b") to the custom values.
    virtual void ApplyStatsSum(std::string_view statsSum) = 0;

    /// Returns and forgets the first value of this site that could not be prepared.
    virtual std::optional<store::Error> TakeFailure() = 0;
};

} // namespace listrider::engine
