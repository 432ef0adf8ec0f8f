// Site packages: unpacking Sites/<Name>.dat into the scratch directory and loading the members
// into the site's record, eagerly at start-up for a few sites and on first use for the rest.
#pragma once

#include <filesystem>
#include <mutex>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "sites/scratch_dir.h"
#include "sites/site_index.h"
#include "sites/zip_archive.h"

namespace listrider::sites {

/// Where the start-up loading shows its progress (the loading window's two lines).
class SiteLoadView
{
public:
    virtual ~SiteLoadView() = default;

    /// Shows the loading window's first and second line.
    virtual void ShowLoading(std::string_view firstLine, std::string_view secondLine) = 0;
};

/// Loads site packages of one workspace through its scratch directory. One load runs at a time:
/// every operation takes the loader's lock, so workers may call LoadCurrentSite directly.
class SitePackages
{
public:
    SitePackages(std::filesystem::path workspace, ScratchDir& scratch, ZipLimits limits = {});

    /// Returns the package file of a site (its name matched without regard to case when the
    /// exact file does not exist).
    std::filesystem::path PackagePath(std::string_view name) const;

    /// Extracts every member of the site's package into the scratch directory, replacing files
    /// of the same name. A missing, corrupt or oversized archive extracts nothing; members with a
    /// directory part or above the size limit are passed over. Reports nothing but notes.
    void UnpackSite(std::string_view name);

    /// As UnpackSite for the one member of Sites/<package>.dat named `member`.
    void UnpackSiteFile(std::string_view package, std::string_view member);

    /// Copies the unpacked members of the site at `position` from the scratch directory into its
    /// record in loading order (member names matched without regard to case), then sets Loaded.
    /// A member that is not there leaves its field unchanged; HasPrb becomes false.
    void LoadTheSite(SiteTable& table, int position);

    /// Deletes every file of the scratch directory.
    void ClearTemp();

    /// Loads the named site's package unless it is loaded already, leaving the scratch directory
    /// empty. The record ends as UnpackSite, LoadTheSite and ClearTemp would leave it; the
    /// members go straight from the archive into the record.
    void LoadCurrentSite(SiteTable& table, std::string_view name);

    /// Loads at once every site whose LinkRequired is "YES" or whose OsCategories is set,
    /// showing each on the view, and empties the scratch directory at the end. Each site reads
    /// only its own package, never members another site left behind.
    void LoadStartupSites(SiteTable& table, SiteLoadView* view);

    /// Returns what unpacking passed over or could not read since the last call, and forgets it.
    std::vector<std::string> TakeNotes();

private:
    void Unpack(std::string_view package, std::optional<std::string_view> member);
    void LoadFromScratch(SiteTable& table, int position);
    void LoadFromArchive(SiteTable& table, int position);

    std::filesystem::path m_workspace;
    ScratchDir& m_scratch;
    ZipLimits m_limits;
    std::mutex m_mutex;
    std::vector<std::string> m_notes;
};

} // namespace listrider::sites
