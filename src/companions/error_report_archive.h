// The error report's archive: the product's public files, the saved pages of the failed sites
// and a summary of the Errors list.
#pragma once

#include <filesystem>
#include <span>
#include <string>
#include <string_view>

#include "engine/errors_list.h"
#include "store/result.h"

namespace listrider::companions {

/// The archive's and the summary's file names in the scratch directory.
inline constexpr std::string_view kErrorReportArchive = "ErrorReport.zip";
inline constexpr std::string_view kErrorReportSummary = "ErrorReport.txt";

/// Returns whether a row goes into the report: its possible reason does not say that the
/// latest version is already listed.
bool IsReportedError(const engine::ErrorsRow& row);

/// Returns the summary text: four lines per reported row (site, problem, possible reason,
/// suggested solution), CR LF after each.
std::string ErrorReportSummaryText(std::span<const engine::ErrorsRow> errors);

/// Returns whether a member is stored uncompressed: its extension names compressed data
/// (gif, png, zip, gz, rar, cab, jar ...; ASCII case ignored).
bool IsStoredUncompressed(std::string_view fileName);

/// Where the archive's parts come from.
struct ErrorReportSources
{
    std::filesystem::path productFolder; ///< Products/<company>/<product>
    std::filesystem::path resultFolder;  ///< the run's Submits/<product>_<date>
    std::filesystem::path scratchDir;    ///< receives the archive and, for a moment, the summary
    std::span<const engine::ErrorsRow> errors;
};

/// Writes the archive into the scratch directory, replacing an old one, and returns its path:
/// every file of the product's folder but those whose name holds "password.dat" or "regkey.dat",
/// the saved pages (<site>.*) of each reported site, and the summary. Members carry their file
/// names alone. The summary file is deleted again.
store::Result<std::filesystem::path> WriteErrorReportArchive(const ErrorReportSources& sources);

} // namespace listrider::companions
