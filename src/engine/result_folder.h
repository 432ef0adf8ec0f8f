// The result folder of a run: Submits/<product>_<dd-mm-yyyy>/ with the saved response pages and
// the two result files that only grow.
#pragma once

#include <filesystem>
#include <string>
#include <string_view>

#include "store/date_time.h"
#include "store/result.h"

namespace listrider::engine {

inline constexpr const char* kResultFile = "Result.txt";
inline constexpr const char* kDetailResultFile = "DetailResult.txt";

/// Returns workspace/Submits/RIS(product)_dd-mm-yyyy/.
std::filesystem::path ResultFolder(const std::filesystem::path& workspace,
                                   std::string_view productName,
                                   const store::CivilDate& date);

/// Returns the date of the product's newest result folder of the 31 days up to `today`
/// (GetNowDate), or `today` when there is none.
store::CivilDate GetNowDate(const std::filesystem::path& workspace,
                            std::string_view productName,
                            const store::CivilDate& today);

/// Returns the saved response page of a site's request: <folder>/<site>.htm<number>.
std::filesystem::path
SavedPagePath(const std::filesystem::path& resultFolder, std::string_view site, int requestNumber);

/// Appends one line and its CR LF to a result file in a single write, creating the file when
/// missing, so an interrupted run never leaves half a line.
store::Result<void> AppendResultLine(const std::filesystem::path& file, std::string_view line);

/// Returns the line DetailResult.txt receives for a details row: site - action - result.
std::string DetailResultLine(std::string_view site, std::string_view action, std::string_view result);

/// Returns the line Result.txt receives for a log row: site - result.
std::string ResultLine(std::string_view site, std::string_view result);

} // namespace listrider::engine
