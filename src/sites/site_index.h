// The site index (Sites/sites.dat) and the in-memory site table built from it.
#pragma once

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

#include "sites/site_record.h"
#include "store/line_list.h"

namespace listrider::sites {

/// The site records in index order, with what the loader had to say about the index.
struct SiteTable
{
    std::vector<SitesR> sites;
    std::vector<std::string> notes; ///< blocks dropped for an unsafe name, an unclosed last block
};

/// One block of the index read into a record.
struct SiteBlock
{
    SitesR record;
    bool disabled = false; ///< the block carries <DISABLED>YES
    bool hasName = false;  ///< some line of the block is a <SITENAME line
};

/// Returns the directory of the site database in the workspace.
std::filesystem::path SitesDir(const std::filesystem::path& workspace);

/// Returns the path of the site index in the workspace.
std::filesystem::path SiteIndexPath(const std::filesystem::path& workspace);

/// Returns whether a site name can safely name files in Sites/, the result folders and Request/:
/// no '/', no '\', no NUL byte, and not "." or "..".
bool IsSafeSiteName(std::string_view name);

/// Returns the record that the inner lines of one <SITE> block describe, with every default
/// set and "Windows" as the operating systems when the block names none.
SiteBlock ReadSiteBlock(store::LineSpan lines);

/// Returns the site table of the index lines: one record per block, in order, without disabled
/// blocks and without blocks whose name cannot name a file (those are noted). A last block
/// without its closing line is kept, with a note.
SiteTable ReadSiteIndex(store::LineSpan lines);

/// Returns the site table of the workspace's index; a missing index gives an empty table.
SiteTable LoadSites(const std::filesystem::path& workspace);

/// Returns the position of the first record named exactly `name` (case-sensitive), or -1.
int FindDBIndex(const SiteTable& table, std::string_view name);

} // namespace listrider::sites
