// The demo's sources made to point at the simulated sites of this run.
#pragma once

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

#include "store/result.h"

namespace listrider::cli {

/// The text that the demo sources write where the simulated sites' host and port go.
inline constexpr std::string_view kSitesimPlaceholder = "{{SITESIM}}";

/// Copies the tree `from` into `to` (which must not exist), with every placeholder in its text
/// files (files without a zero byte) replaced by `hostPort`; other files are copied as they are.
store::Result<void> CopyDemoSources(const std::filesystem::path& from,
                                    const std::filesystem::path& to,
                                    std::string_view hostPort);

/// Returns the lines of a source text, whose lines end with LF or CR LF (as in a site source
/// tree; the program's own stores end them with CR LF only).
std::vector<std::string> SourceLines(const std::filesystem::path& file);

} // namespace listrider::cli
