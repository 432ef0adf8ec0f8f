// Turning a site database, or one site package, back into its readable source form.
#pragma once

#include <filesystem>
#include <string>
#include <vector>

#include "sites/site_source.h"
#include "store/result.h"
#include "store/site_text.h"

namespace listrider::sites {

/// A database read back, with what could not be carried over.
struct UnpackedDatabase
{
    SiteDatabaseSource source;
    std::vector<std::string> notes;
};

/// Returns the readable form of the workspace's database: every block of Sites/sites.dat (the
/// disabled ones too) with its package members decoded with `key`, and the fast categories.
/// Blocks whose name cannot name a directory and members the program never reads are noted
/// and left out.
store::Result<UnpackedDatabase> UnpackSiteDatabase(const std::filesystem::path& workspace,
                                                   const store::SiteKey& key);

/// Returns the readable form of one package file. Its header comes from the sites.dat next to
/// it when that names the site, else it is just the name (the file's stem).
store::Result<UnpackedDatabase> UnpackSitePackage(const std::filesystem::path& package,
                                                  const store::SiteKey& key);

} // namespace listrider::sites
