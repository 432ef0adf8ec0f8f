// The folder names of companies and products, and the names that cannot have one.
#pragma once

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

#include "store/code_page.h"
#include "store/result.h"

namespace listrider::catalogue {

/// Returns the name of the folder of a company or product: its RIS form, in UTF-8 as file names
/// on this system are.
std::string FolderName(std::string_view name, const store::CodePage& codePage);

/// Returns whether a name has a folder name of its own: its RIS form is neither empty nor
/// made of spaces only (".." would otherwise mean the parent folder itself).
bool HasFolderName(std::string_view name);

/// Returns the refusal for a name without a folder name of its own.
store::Error NoFolderNameError(std::string_view what, std::string_view name);

/// Returns the refusal for a name whose folder already belongs to another entry.
store::Error SharedFolderError(std::string_view what, std::string_view name, std::string_view owner);

/// Returns whether two folder names are the same folder for the program: they are compared
/// ignoring ASCII case, as the stores compare product names.
bool SameFolderName(std::string_view a, std::string_view b);

/// Returns the last component of a folder path.
std::string FolderNameOf(const std::filesystem::path& folder);

} // namespace listrider::catalogue
