// The site index as the database update compares it: one entry per block, by name and stamp.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "store/line_list.h"

namespace listrider::sites {

/// One block of an index: its name, its update stamp and its lines (the "<SITE>" line, the
/// element lines, "</SITE>" and the empty lines that follow it up to the next block).
struct TSites
{
    std::string name;
    double update = 0; ///< the <UPDATE> value; 0 when absent or unreadable
    std::vector<std::string> lines;
};

/// What the server's index changes in the local one; positions into the two entry lists.
struct UpdateLists
{
    std::vector<std::size_t> added;    ///< server entries whose name the local index lacks, server order
    std::vector<std::size_t> updated;  ///< local entries with a newer server entry, local order
    std::vector<std::size_t> obsolete; ///< local entries whose name the server lacks, local order
};

/// Returns the stamp of an <UPDATE> value: a decimal number written with '.' or ',' (the
/// locale's mark is accepted either way), 0 when unreadable.
double ReadUpdateStamp(std::string_view value);

/// Returns the entries of index lines. A block starts at a line containing "<SITE>"; lines
/// before the first block are dropped. The last block loses its trailing empty lines and gets a
/// "</SITE>" line when it does not end with one.
std::vector<TSites> ReadUpdateIndex(store::LineSpan lines);

/// Returns the index text of the entries: every line followed by CR LF except the last.
std::string UpdateIndexText(const std::vector<TSites>& entries);

/// Returns the added, updated and obsolete entries (names compared exactly).
UpdateLists CompareIndexes(const std::vector<TSites>& local, const std::vector<TSites>& server);

/// Returns the position of the first entry named exactly `name`, or npos.
std::size_t FindEntry(const std::vector<TSites>& entries, std::string_view name);

/// Returns why the update may not write a site of this name, or "" when it may: the name must
/// name a file in Sites/ (not empty, no '/', '\' or NUL, not "." or "..") and its package must
/// not be one of the files the update itself writes there (sites.dat, tempsite.dat ...).
std::string UpdateNameProblem(std::string_view name);

} // namespace listrider::sites
