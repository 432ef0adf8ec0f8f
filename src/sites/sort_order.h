// The site list's sort column and direction, chosen by clicking column headers.
#pragma once

#include <string>
#include <string_view>

#include "sites/column_set.h"

namespace listrider::sites {

/// The column the list is sorted by (by caption, so it survives a change of the column set) and
/// its direction. The header of the sort column shows image 6 ascending, 7 descending.
struct SortOrder
{
    std::string caption{kSiteNameColumn};
    bool ascending = true;

    /// Returns the header image of the sort column.
    int HeaderImage() const { return ascending ? 6 : 7; }

    friend bool operator==(const SortOrder&, const SortOrder&) = default;
};

/// Applies a click on a column header (SitesColumnClick): the sort column again reverses the
/// direction, another column becomes the sort column, ascending.
void SitesColumnClick(SortOrder& order, std::string_view caption);

} // namespace listrider::sites
