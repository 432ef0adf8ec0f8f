// How the demo sites are built to end, and what differs from a run's results.
#pragma once

#include <filesystem>
#include <map>
#include <string>
#include <vector>

#include "store/result.h"

namespace listrider::cli {

/// One line of the demo's outcomes file: "Site | Step 1 result [| Step 3 result]".
struct ExpectedOutcome
{
    std::string site;
    std::string step1;
    std::string step3; ///< empty: the site is not in Step 3
};

/// Returns the lines of the outcomes file ("#" lines and empty lines are comments).
store::Result<std::vector<ExpectedOutcome>> LoadExpectedOutcomes(const std::filesystem::path& file);

/// The log results of one run page: site name, result word.
using RunResults = std::map<std::string, std::string>;

/// Returns one sentence per site whose results differ from what it is built to produce, and per
/// site that ran without being expected.
std::vector<std::string> CompareOutcomes(const std::vector<ExpectedOutcome>& expected,
                                         const RunResults& step1,
                                         const RunResults& step3);

} // namespace listrider::cli
