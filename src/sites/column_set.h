// The site list's column set: columns.ini in the workspace, entries in display order.
#pragma once

#include <filesystem>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "store/line_list.h"
#include "store/result.h"

namespace listrider::sites {

/// The file of the column set in the workspace.
inline constexpr const char* kColumnsFile = "columns.ini";

/// The caption of the column that always shows the site's name.
inline constexpr std::string_view kSiteNameColumn = "Site Name";

/// The width a column gets when its entry gives none.
inline constexpr std::string_view kDefaultColumnSize = "100";

/// One column entry.
struct ColumnsR
{
    std::string name;    ///< caption; also what binds the column to data
    std::string visible; ///< "Y" shown, anything else hidden (at most 255)
    std::string size;    ///< width in pixels as decimal digits (at most 255)

    bool IsVisible() const { return visible == "Y"; }

    friend bool operator==(const ColumnsR&, const ColumnsR&) = default;
};

/// Returns the twenty default entries, every one visible with size "100".
std::vector<ColumnsR> DefaultColumns();

/// Returns the entries of columns.ini's lines: a line containing "<Column_Name>" starts an entry,
/// "<Column_Visible>" and "<Column_Size>" lines fill the entry started last (tags matched
/// ignoring ASCII case); lines before the first entry are passed over.
std::vector<ColumnsR> ReadColumnsLines(store::LineSpan lines);

/// Returns the lines of columns.ini: name, visible and size of each entry in order.
store::LineList ColumnsLines(std::span<const ColumnsR> entries);

/// Returns the entries of the workspace's columns.ini (LoadColumns). When it gives none, the
/// default set is written first and read again; a failed write still gives the default set.
std::vector<ColumnsR> LoadColumns(const std::filesystem::path& workspace);

/// Writes columns.ini (SaveColumns).
store::Result<void> SaveColumns(const std::filesystem::path& workspace, std::span<const ColumnsR> entries);

/// Stores a width into the entry of that caption (every entry of the name); false when none has it.
bool SetColumnWidth(std::vector<ColumnsR>& entries, std::string_view name, int width);

} // namespace listrider::sites
