// The open product's submission status per site: the product's sites.dat and the per-product
// fields of the site records.
#pragma once

#include <filesystem>
#include <string>
#include <string_view>

#include "catalogue/catalogue_context.h"
#include "sites/site_index.h"
#include "store/file_io.h"
#include "store/line_list.h"
#include "store/result.h"

namespace listrider::sites {

/// The status file's name in the product's folder.
inline constexpr const char* kSiteStatusFile = "sites.dat";

/// Resets the per-product fields of every record (ClearSites): Category "-", the texts empty,
/// Skipped false.
void ClearSites(SiteTable& table);

/// Applies the lines of a status file to the records: each <Site_Name> line selects the first
/// record of that name (ASCII case ignored); lines before the first, or naming no record, are
/// passed over.
void ReadSiteStatus(SiteTable& table, store::LineSpan lines);

/// Returns the status file's text for the table and whether any record holds a result (a
/// submission date or version, a listed version, a listed mark).
struct SiteStatusText
{
    std::string text;
    bool holdsResults = false;
};

/// Returns the status file text of the table, one group of lines per record in table order.
SiteStatusText SiteStatusLines(const SiteTable& table);

/// Writes the status file into the product's folder (SaveSites). An existing file is replaced
/// only when the table holds some result, so an empty status never overwrites results.
store::Result<void> SaveSites(const SiteTable& table,
                              const std::filesystem::path& productFolder,
                              store::Durability durability = store::Durability::Flushed);

/// Returns the text of the site list's "Submitted" column for a `Submitted` value: empty for an
/// empty value or "-", else the date and time in the locale's format (no time at midnight).
std::string SubmittedColumnText(std::string_view submitted);

/// Keeps the site table's status in step with the open product of the catalogue.
class SiteStatusFile final : public catalogue::SiteStatusHook
{
public:
    explicit SiteStatusFile(SiteTable& table)
        : m_table(table)
    {}

    void Clear() override;
    void Load(const std::filesystem::path& productFolder) override;
    store::Result<void> Save(const std::filesystem::path& productFolder) override;

private:
    SiteTable& m_table;
};

} // namespace listrider::sites
