// Reading and writing whole stores.
#pragma once

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

#include "store/line_list.h"
#include "store/result.h"

namespace listrider::store {

/// Who may read a newly created store. A replaced store always keeps its old permissions.
enum class FileAccess
{
    Shared,  ///< the user's usual permissions (umask applies)
    Private, ///< readable and writable by the user only (stores holding passwords)
};

/// Whether a replaced store is flushed to the disk before it takes the old one's place.
enum class Durability
{
    Flushed, ///< survives a power cut as soon as the call returns
    Ordered, ///< replaced atomically (old or new bytes, never a mix), flushed later by the system;
             ///< for stores rewritten many times a minute, such as the status during a run
};

/// Returns the whole file as one text; a missing or unreadable file gives the empty text.
std::string LoadFileAsString(const std::filesystem::path& file);

/// Replaces the file with exactly the bytes of `text`. The bytes go to a temporary file in the
/// same directory that is then renamed over the old one, so a failed or interrupted save leaves
/// the old file intact.
Result<void> SaveStringToFile(const std::filesystem::path& file,
                              std::string_view text,
                              FileAccess access = FileAccess::Shared,
                              Durability durability = Durability::Flushed);

/// Returns the file's lines by the store rules (LineList::FromText); missing file: no lines.
LineList LoadLines(const std::filesystem::path& file);

/// Replaces the file with the lines separated by CR LF, no CR LF after the last line.
Result<void>
SaveLines(const std::filesystem::path& file, LineSpan lines, FileAccess access = FileAccess::Shared);

/// As SaveLines, for a vector of lines.
Result<void> SaveLines(const std::filesystem::path& file,
                       const std::vector<std::string>& lines,
                       FileAccess access = FileAccess::Shared);

} // namespace listrider::store
