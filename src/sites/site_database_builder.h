// Compiling a readable site source into the workspace's site database.
#pragma once

#include <cstddef>
#include <filesystem>
#include <string>
#include <vector>

#include "sites/site_source.h"
#include "store/result.h"
#include "store/site_text.h"

namespace listrider::sites {

/// What a build wrote.
struct BuildReport
{
    std::size_t sites = 0;    ///< blocks in Sites/sites.dat
    std::size_t packages = 0; ///< Sites/<Name>.dat written
    bool fastCategories = false;
    std::vector<std::string> warnings;
};

/// Writes Sites/<Name>.dat for every site (the encoded members encoded with `key`, the plain
/// ones as they are), then Sites/sites.dat, and Sites/fastcats.dat with Sites/fastcatsinfo.dat
/// when the source has fast categories. Names that cannot name files, empty names, names given
/// twice and texts the encoder refuses stop the build before anything is written.
store::Result<BuildReport> BuildSiteDatabase(const SiteDatabaseSource& source,
                                             const std::filesystem::path& workspace,
                                             const store::SiteKey& key);

} // namespace listrider::sites
