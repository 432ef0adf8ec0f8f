// The site list's sort order (SitesCompare).
#pragma once

#include "sites/site_index.h"
#include "sites/site_list.h"

namespace listrider::sites {

/// Returns -1 when row `a` goes before row `b` in the list's sort order, else 1: the rows' texts
/// in the sort column, upper-cased, compared by the rule of the column's caption, ties broken by
/// the site names; never equal. Records are looked up by name for the "Submitted" column.
int SitesCompare(const SiteList& list, const SiteTable& table, const SiteRow& a, const SiteRow& b);

/// Sorts the rows by the list's sort order. Rows of the same name keep their order.
void SortSites(SiteList& list, const SiteTable& table);

} // namespace listrider::sites
