// The "Sites" page's site list and the lists built in the same pass: the back-link list, the
// affiliate-sites list and the category list. Rows are bound to sites by name; every operation
// that needs a record looks the name up in the site table.
#pragma once

#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "catalogue/accounts.h"
#include "sites/column_binding.h"
#include "sites/column_set.h"
#include "sites/site_filter.h"
#include "sites/site_index.h"
#include "sites/sort_order.h"

namespace listrider::sites {

/// The category column's text for a site without categories of its own.
inline constexpr std::string_view kNotAvailableCategory = "--== Not Available ==--";

/// The first entry of the back-link list.
inline constexpr std::string_view kAllSitesEntry = " -= ALL SITES =- ";

/// One row of the site list.
struct SiteRow
{
    std::string name;               ///< the caption: the site's name
    std::vector<std::string> cells; ///< one text per list column after the first
    bool checked = false;           ///< selected for the next run
    int image = 0;                  ///< the suitability mark

    friend bool operator==(const SiteRow&, const SiteRow&) = default;
};

/// One row of the "Affiliates" page's list of affiliate sites.
struct AffiliateRow
{
    std::string site;
    std::string regNow;
    std::string regSoft;
    std::string shareIt;
    std::string eSellerate;
    std::string affiliate;
    int image = 0;
};

/// One row of the "Category" page's list: a shown site with categories of its own.
struct CategoryRow
{
    std::string site;
    std::string category;
};

/// What a rebuild reads besides the site table.
struct RefreshInputs
{
    const FilterSettings& filter;
    std::span<const std::string> blacklist;
    const catalogue::AccountsList& accounts;
    std::string_view productVersion; ///< the open product's "Version:"
    bool autocheck = false;          ///< the preference Autocheck
};

class SiteList
{
public:
    /// Creates one list column per visible entry, in entry order (RefreshColumns), and locates the
    /// bound data (RequestIndexes). The rows are cleared.
    void RefreshColumns(std::span<const ColumnsR> entries);

    /// Returns the list's columns: the visible entries.
    const std::vector<ColumnsR>& Columns() const { return m_columns; }

    /// Returns the captions of the list's columns.
    std::vector<std::string> Captions() const;

    /// Returns the column positions of the bound data.
    const ColumnIndexes& Indexes() const { return m_indexes; }

    /// Rebuilds every list from the table (RefreshSites, up to the suitability marks): the filter
    /// and the blacklist choose the rows, which are filled, checked by Autocheck and sorted.
    void RefreshSites(const SiteTable& table, const RefreshInputs& inputs);

    std::vector<SiteRow>& Rows() { return m_rows; }

    const std::vector<SiteRow>& Rows() const { return m_rows; }

    /// Returns the first row whose caption equals the name, or null.
    SiteRow* FindRow(std::string_view name);
    const SiteRow* FindRow(std::string_view name) const;

    /// Removes the rows of the name; returns whether there was one.
    bool RemoveRow(std::string_view name);

    /// Returns the row's cell of the column bound to the datum, or null when no column shows it.
    std::string* Cell(SiteRow& row, ColumnDatum datum);
    const std::string* Cell(const SiteRow& row, ColumnDatum datum) const;

    /// Returns the row's text in a column: the caption for the first column.
    std::string_view Text(const SiteRow& row, std::size_t column) const;

    /// Returns the names of the checked rows in list order.
    std::vector<std::string> CheckedSites() const;

    /// The back-link list: " -= ALL SITES =- ", then the sites demanding a back link, sorted.
    const std::vector<std::string>& BackLinks() const { return m_backLinks; }

    std::vector<AffiliateRow>& AffiliateRows() { return m_affiliates; }

    const std::vector<AffiliateRow>& AffiliateRows() const { return m_affiliates; }

    std::vector<CategoryRow>& CategoryRows() { return m_categories; }

    const std::vector<CategoryRow>& CategoryRows() const { return m_categories; }

    SortOrder& Sort() { return m_sort; }

    const SortOrder& Sort() const { return m_sort; }

private:
    void FillRow(SiteRow& row, const SitesR& site) const;

    std::vector<ColumnsR> m_columns;
    ColumnIndexes m_indexes;
    std::vector<SiteRow> m_rows;
    std::vector<std::string> m_backLinks;
    std::vector<AffiliateRow> m_affiliates;
    std::vector<CategoryRow> m_categories;
    SortOrder m_sort;
};

/// Copies the logins and passwords of the accounts list into the Login and Password columns
/// when the accounts are marked for it ("-" for an empty value; rows matched ignoring ASCII
/// case), then clears the mark (PlacePasswordstoSites).
void PlacePasswordstoSites(SiteList& list, catalogue::AccountsList& accounts);

/// The site list's part of forgetting a product's status (ClearSites): category cells become
/// "-" unless they hold "Not Available", Login and Password cells "-" unless "n/a", and the
/// Submitted cells are emptied.
void ClearSiteRows(SiteList& list);

} // namespace listrider::sites
