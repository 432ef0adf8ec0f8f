// The files an update server offers, made from a workspace's site database.
#pragma once

#include <cstddef>
#include <filesystem>
#include <string>
#include <vector>

#include "store/result.h"

namespace listrider::sites {

/// What was written for the update server.
struct ServerLayoutReport
{
    std::size_t sites = 0;    ///< blocks of the index
    std::size_t packages = 0; ///< <name>.dat files written
    bool fastCategories = false;
    std::vector<std::string> warnings;
};

/// Writes into `directory` what the database update downloads: version.inf (first line
/// `version`), sites.dat (an archive holding the workspace's index as member sites.dat), every
/// package as its site's name in lower case with ".dat", and fastcats.dat with fastcatsinfo.dat
/// when the workspace has fast categories. Files of the same name are replaced. Two sites whose
/// names differ only in letter case cannot both be offered and stop the writing.
store::Result<ServerLayoutReport> WriteUpdateServerFiles(const std::filesystem::path& workspace,
                                                         const std::filesystem::path& directory,
                                                         const std::string& version);

} // namespace listrider::sites
