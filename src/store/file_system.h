// File facts, directories and case-insensitive name resolution.
#pragma once

#include <cstdint>
#include <filesystem>
#include <string_view>

#include "store/result.h"

namespace listrider::store {

/// Returns the file's last modification time as a date-time number, or 0 when it is missing.
double FileDate(const std::filesystem::path& file);

/// Returns the file's size in bytes, or -1 when it does not exist.
std::int64_t FileSizeOf(const std::filesystem::path& file);

/// Creates every missing directory along an absolute path; a relative path or a refusal of the
/// system is an error.
Result<void> ForceDirectories(const std::filesystem::path& path);

/// Returns whether the file reads as a PAD file: its lines, joined, contain "Program_Name",
/// "Program_Version", "XML_DIZ_INFO", "Company_Name" and "Primary_Download_URL" (ASCII case
/// ignored).
bool IsPadFile(const std::filesystem::path& file);

/// Returns `directory / relative` with each component matched to an existing entry without
/// regard to ASCII case when the exact name does not exist. Components that match nothing are
/// kept as written, so the result also serves to create the file.
std::filesystem::path ResolveNoCase(const std::filesystem::path& directory,
                                    const std::filesystem::path& relative);

} // namespace listrider::store
