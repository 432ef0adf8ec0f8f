// The readable form of a site database: one directory per site with its index header and one
// plain file per package member, and a directory of fast categories.
#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "sites/zip_archive.h"
#include "store/result.h"

namespace listrider::sites {

/// One package member in readable form: the decoded text (or the plain text of a plain member).
struct SourceMember
{
    std::string extension; ///< the member is <Name>.<extension>
    std::string text;
};

/// One site: the lines of its index block (between <SITE> and </SITE>) and its members.
struct SiteSource
{
    std::string name; ///< as the index reader reads the header
    std::vector<std::string> header;
    std::vector<SourceMember> members; ///< in package loading order
};

/// The fast categories: the archive's members and the revision file.
struct FastCategoriesSource
{
    bool present = false;
    std::optional<std::string> info; ///< the text of Sites/fastcatsinfo.dat
    std::vector<ZipMember> members;  ///< Categories.lst, <name>.fct ...
};

/// A whole readable site database.
struct SiteDatabaseSource
{
    std::vector<SiteSource> sites; ///< in index order
    FastCategoriesSource fastCategories;
};

/// The name of the site header file in a site directory.
inline constexpr const char* kSiteHeaderFile = "site.txt";

/// Returns the source tree read from `directory`: sites.lst (optional: the order of the site
/// directories), sites/<dir>/site.txt and <ext>.txt or <ext>.raw member files, fastcats/.
/// A header without a <SITENAME> line gets one naming the directory. Unknown files are errors.
store::Result<SiteDatabaseSource> ReadSiteSource(const std::filesystem::path& directory);

/// Writes the source tree into `directory`, which must not exist or be empty. Texts whose line
/// ends a plain file cannot hold are written as .raw files. Returns notes on what could not be
/// written exactly.
store::Result<std::vector<std::string>> WriteSiteSource(const SiteDatabaseSource& source,
                                                        const std::filesystem::path& directory);

} // namespace listrider::sites
