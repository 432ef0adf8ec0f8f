#include "sites/site_packages.h"

#include <utility>

#include "sites/caseless_names.h"
#include "sites/package_members.h"
#include "store/file_io.h"
#include "store/file_system.h"

namespace listrider::sites {
namespace {

namespace fs = std::filesystem;

// Fills the record's fields from the members found among `names` (a missing member leaves its
// field, except that HasPrb tells whether .prb is there), then marks the record loaded.
template <class Read>
void FillRecord(SitesR& record, const CaselessNames& names, Read read)
{
    for (const PackageMember& member : PackageMembers()) {
        const std::string* found = names.Find(record.Name + "." + member.extension);
        if (member.presenceOnly) {
            record.HasPrb = found != nullptr;
        } else if (found != nullptr) {
            SetMemberText(record, member, read(*found));
        }
    }
    record.Loaded = true;
}

} // namespace

SitePackages::SitePackages(fs::path workspace, ScratchDir& scratch, ZipLimits limits)
    : m_workspace(std::move(workspace))
    , m_scratch(scratch)
    , m_limits(limits)
{}

fs::path SitePackages::PackagePath(std::string_view name) const
{
    return store::ResolveNoCase(SitesDir(m_workspace), std::string(name) + ".dat");
}

void SitePackages::Unpack(std::string_view package, std::optional<std::string_view> member)
{
    store::Result<fs::path> scratch = m_scratch.Ensure();
    if (!scratch) {
        m_notes.push_back(scratch.GetError().message);
        return;
    }
    const fs::path archive = PackagePath(package);
    store::Result<ZipContents> contents = ReadZipMembers(archive, m_limits, member);
    if (!contents) {
        if (contents.GetError().kind != store::ErrorKind::NotFound) {
            m_notes.push_back(contents.GetError().message + " (" + contents.GetError().detail + ")");
        }
        return;
    }
    for (const std::string& skipped : contents.Value().skipped) {
        m_notes.push_back(archive.filename().string() + ": member " + skipped);
    }
    if (store::Result<std::size_t> written = WriteMemberFiles(scratch.Value(), contents.Value().members);
        !written) {
        m_notes.push_back(written.GetError().message + " (" + written.GetError().detail + ")");
    }
}

void SitePackages::UnpackSite(std::string_view name)
{
    const std::lock_guard lock(m_mutex);
    Unpack(name, std::nullopt);
}

void SitePackages::UnpackSiteFile(std::string_view package, std::string_view member)
{
    const std::lock_guard lock(m_mutex);
    Unpack(package, member);
}

void SitePackages::LoadFromScratch(SiteTable& table, int position)
{
    if (position < 0 || static_cast<std::size_t>(position) >= table.sites.size()) {
        return;
    }
    const CaselessNames files =
        m_scratch.IsClaimed() ? CaselessNames::OfDirectory(m_scratch.Path().string()) : CaselessNames({});
    FillRecord(table.sites[static_cast<std::size_t>(position)], files, [&](const std::string& file) {
        return store::LoadFileAsString(m_scratch.Path() / file);
    });
}

void SitePackages::LoadFromArchive(SiteTable& table, int position)
{
    SitesR& record = table.sites[static_cast<std::size_t>(position)];
    store::Result<ZipContents> contents = ReadZipMembers(PackagePath(record.Name), m_limits);
    if (!contents) {
        if (contents.GetError().kind != store::ErrorKind::NotFound) {
            m_notes.push_back(contents.GetError().message + " (" + contents.GetError().detail + ")");
        }
        FillRecord(record, CaselessNames({}), [](const std::string&) { return std::string(); });
        return;
    }
    std::vector<ZipMember>& members = contents.Value().members;
    std::vector<std::string> names;
    names.reserve(members.size());
    for (const ZipMember& member : members) {
        names.push_back(member.name);
    }
    FillRecord(record, CaselessNames(std::move(names)), [&](const std::string& name) {
        // The last member of a name wins, as it does when extracted over the earlier one.
        std::string* last = nullptr;
        for (ZipMember& member : members) {
            if (member.name == name) {
                last = &member.bytes;
            }
        }
        return last != nullptr ? std::move(*last) : std::string();
    });
}

void SitePackages::LoadTheSite(SiteTable& table, int position)
{
    const std::lock_guard lock(m_mutex);
    LoadFromScratch(table, position);
}

void SitePackages::ClearTemp()
{
    const std::lock_guard lock(m_mutex);
    m_scratch.Clear();
}

void SitePackages::LoadCurrentSite(SiteTable& table, std::string_view name)
{
    const std::lock_guard lock(m_mutex);
    const int position = FindDBIndex(table, name);
    if (position < 0 || table.sites[static_cast<std::size_t>(position)].Loaded) {
        return;
    }
    LoadFromArchive(table, position);
    m_scratch.Clear();
}

void SitePackages::LoadStartupSites(SiteTable& table, SiteLoadView* view)
{
    const std::lock_guard lock(m_mutex);
    const std::string count = std::to_string(table.sites.size());
    std::string firstLine = "Loading sites...";
    for (std::size_t i = 0; i < table.sites.size(); ++i) {
        const SitesR& record = table.sites[i];
        if (record.LinkRequired != "YES" && !record.OsCategories) {
            continue;
        }
        firstLine = "Loading site: " + record.Name;
        if (view != nullptr) {
            view->ShowLoading(firstLine, std::to_string(i) + " of " + count + " sites loaded.");
        }
        LoadFromArchive(table, static_cast<int>(i));
    }
    m_scratch.Clear();
    if (view != nullptr) {
        view->ShowLoading(firstLine, "All sites loaded.");
    }
}

std::vector<std::string> SitePackages::TakeNotes()
{
    const std::lock_guard lock(m_mutex);
    return std::exchange(m_notes, {});
}

} // namespace listrider::sites
