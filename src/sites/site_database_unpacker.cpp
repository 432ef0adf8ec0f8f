#include "sites/site_database_unpacker.h"

#include <set>

#include "sites/caseless_names.h"
#include "sites/package_members.h"
#include "sites/site_index.h"
#include "sites/zip_archive.h"
#include "store/ascii.h"
#include "store/file_io.h"
#include "store/file_system.h"
#include "store/tag_document.h"

namespace listrider::sites {
namespace {

namespace fs = std::filesystem;

// A filesystem test that answers false instead of throwing when the system refuses to tell.
bool IsRegularFile(const fs::path& path)
{
    std::error_code ec;
    return fs::is_regular_file(path, ec);
}

// Reads the members of a package the way the loader picks them: <Name>.<ext> by exact name,
// else ignoring case; everything else is noted.
void ReadMembers(const fs::path& package,
                 SiteSource& site,
                 const store::SiteKey& key,
                 std::vector<std::string>& notes)
{
    store::Result<ZipContents> contents = ReadZipMembers(package);
    if (!contents) {
        notes.push_back(site.name + ": " + contents.GetError().message + " (" + contents.GetError().detail +
                        ")");
        return;
    }
    for (const std::string& skipped : contents.Value().skipped) {
        notes.push_back(site.name + ": member " + skipped);
    }
    std::vector<std::string> names;
    for (const ZipMember& member : contents.Value().members) {
        names.push_back(member.name);
    }
    const CaselessNames lookup(names);
    std::set<std::string> used;
    for (const PackageMember& kind : PackageMembers()) {
        const std::string* found = lookup.Find(site.name + "." + kind.extension);
        if (found == nullptr) {
            continue;
        }
        used.insert(*found);
        for (const ZipMember& member : contents.Value().members) {
            if (member.name == *found) {
                site.members.push_back(SourceMember{
                    kind.extension, kind.encoded ? store::DecodeSiteText(member.bytes, key) : member.bytes});
                break;
            }
        }
    }
    for (const ZipMember& member : contents.Value().members) {
        if (used.count(member.name) == 0) {
            notes.push_back(site.name + ": member " + member.name +
                            " is not read by the program and is left out");
        }
    }
}

void ReadFastCategories(const fs::path& sitesDir, FastCategoriesSource& fast, std::vector<std::string>& notes)
{
    const fs::path archive = store::ResolveNoCase(sitesDir, "fastcats.dat");
    const fs::path info = store::ResolveNoCase(sitesDir, "fastcatsinfo.dat");
    if (IsRegularFile(info)) {
        fast.present = true;
        fast.info = store::LoadFileAsString(info);
    }
    if (!IsRegularFile(archive)) {
        return;
    }
    fast.present = true;
    store::Result<ZipContents> contents = ReadZipMembers(archive);
    if (!contents) {
        notes.push_back(contents.GetError().message + " (" + contents.GetError().detail + ")");
        return;
    }
    for (const std::string& skipped : contents.Value().skipped) {
        notes.push_back("fastcats.dat: member " + skipped);
    }
    fast.members = std::move(contents.Value().members);
}

} // namespace

store::Result<UnpackedDatabase> UnpackSiteDatabase(const fs::path& workspace, const store::SiteKey& key)
{
    const fs::path index = SiteIndexPath(workspace);
    if (!IsRegularFile(index)) {
        return store::MakeError(store::ErrorKind::NotFound, "No site index " + index.string());
    }
    const store::LineList lines = store::LoadLines(index);
    UnpackedDatabase unpacked;
    std::set<std::string> names;
    const CaselessNames packages = CaselessNames::OfDirectory(SitesDir(workspace).string());
    for (store::LineSpan block : store::ReadGroups(lines, "<SITE>", "</SITE>", true)) {
        SiteSource site;
        site.name = ReadSiteBlock(block).record.Name;
        site.header.assign(block.begin(), block.end());
        if (site.name.empty() || !IsSafeSiteName(site.name)) {
            unpacked.notes.push_back("Site \"" + site.name + "\" left out: its name cannot name a directory");
            continue;
        }
        if (!names.insert(site.name).second) {
            unpacked.notes.push_back("Site \"" + site.name + "\" left out: a site of that name came before");
            continue;
        }
        if (const std::string* package = packages.Find(site.name + ".dat")) {
            ReadMembers(SitesDir(workspace) / *package, site, key, unpacked.notes);
        } else {
            unpacked.notes.push_back(site.name + ": no package");
        }
        unpacked.source.sites.push_back(std::move(site));
    }
    ReadFastCategories(SitesDir(workspace), unpacked.source.fastCategories, unpacked.notes);
    return unpacked;
}

store::Result<UnpackedDatabase> UnpackSitePackage(const fs::path& package, const store::SiteKey& key)
{
    if (!IsRegularFile(package)) {
        return store::MakeError(store::ErrorKind::NotFound, "No site package " + package.string());
    }
    UnpackedDatabase unpacked;
    SiteSource site;
    site.name = package.stem().string();

    // The index beside the package gives the header and the name's exact letter case.
    const store::LineList lines = store::LoadLines(package.parent_path() / "sites.dat");
    std::optional<SiteSource> caseless;
    for (store::LineSpan block : store::ReadGroups(lines, "<SITE>", "</SITE>", true)) {
        const std::string name = ReadSiteBlock(block).record.Name;
        if (name == site.name) {
            site.header.assign(block.begin(), block.end());
            caseless.reset();
            break;
        }
        if (!caseless && store::EqualsNoCase(name, site.name)) {
            caseless = SiteSource{name, {block.begin(), block.end()}, {}};
        }
    }
    if (caseless) {
        site = std::move(*caseless);
    }
    if (site.header.empty()) {
        site.header.push_back(store::ElementLine("SITENAME", site.name));
        unpacked.notes.push_back(site.name +
                                 ": no index block beside the package; the header holds only the name");
    }
    if (site.name.empty() || !IsSafeSiteName(site.name)) {
        return store::MakeError(
            store::ErrorKind::Malformed, "The package's site name cannot name a directory", site.name);
    }
    ReadMembers(package, site, key, unpacked.notes);
    unpacked.source.sites.push_back(std::move(site));
    return unpacked;
}

} // namespace listrider::sites
