// The steps of a site script: how a step is named, and the step loader.
#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "sites/site_index.h"
#include "store/macro_scanner.h"
#include "store/result.h"
#include "store/site_text.h"

namespace listrider::engine {

/// The end codes a step number may take instead of naming a step.
inline constexpr int kStepSuccess = -1;
inline constexpr int kStepFailure = -2;
inline constexpr int kStepPending = -3;
inline constexpr int kStepNoVerdict = -5;

/// The first step of the search script.
inline constexpr int kSearchEntryStep = 150;

/// Returns the step's file name <scratch>/<site>.<ext>: step 0 is "150" while the site's search
/// is active and "sub" otherwise; any other step is its decimal number. Only the file part counts.
std::string
StepFileName(const std::filesystem::path& scratchDir, std::string_view site, int step, bool searchActive);

/// Returns the decimal integer a branch line holds (spaces around it allowed), or nothing.
std::optional<int> ParseStepNumber(std::string_view line);

/// A step as the loader delivers it.
struct LoadedStep
{
    std::string channel; ///< "HTTP", "FTP", "EMAIL" ...
    std::string host;    ///< web: the host, without scheme; e-mail: empty
    std::string path;
    std::string method;     ///< "POST" is delivered as "POSTSPECIAL"
    std::string actionText; ///< the step's description in the details list
    std::vector<std::string> names;
    std::vector<std::string> values; ///< e-mail: the body lines
    int onFailure = 0;
    int onSuccess = 0;
    std::string failureText;
    std::string successText;
    std::vector<std::string> commands;
    std::string recipient;             ///< e-mail only
    std::string subject;               ///< e-mail only, macros expanded
    bool ownCategoriesApplied = false; ///< the site's .cat list was consulted

    /// Returns whether this is a web step (channel "HTTP" or "FTP").
    bool IsWeb() const { return channel == "HTTP" || channel == "FTP"; }
};

/// The run's |Category| and |SubCategory| values, which the site's category lists may replace.
struct StepCategories
{
    std::string category;
    std::string subCategory;
};

/// What the loader reads besides the step itself.
struct StepSources
{
    const sites::SiteTable& table;
    const store::SiteKey& key;
    const store::NarrowMacroResolver& resolve; ///< expands the e-mail subject
};

/// Returns the step named by `stepFile` read from the site's record. A step of fewer than 4
/// lines is NotFound; a web step without its "@" line, a branch line that is no integer, and a
/// category list whose matching line is its last are Malformed: the run ends the site with
/// "Error Loading Site" for each. Lines after the "@" that the text lacks read as empty.
store::Result<LoadedStep>
LoadStep(std::string_view stepFile, const StepSources& sources, StepCategories& categories);

} // namespace listrider::engine
