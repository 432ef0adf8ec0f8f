// The fast categories of a program run: the "Sites" page's drop-down list, the "Category"
// page's tree and the sites the chosen fast category leaves out.
#pragma once

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

#include "sites/fast_category_tree.h"

namespace listrider::sites {

class FastCategories
{
public:
    /// Fills the drop-down list from the archive's Categories.lst when it is empty (so it is
    /// filled once per program run), then rebuilds the tree from it (LoadFastCats).
    void LoadFastCats(const std::filesystem::path& workspace);

    /// Returns the drop-down list: "--== Do not use fast category ==--", then the names.
    const std::vector<std::string>& Entries() const { return m_entries; }

    /// Returns the tree.
    const std::vector<FastCategoryNode>& Tree() const { return m_tree; }

    /// Returns the drop-down list's chosen entry (empty before the first choice).
    const std::string& Chosen() const { return m_chosen; }

    void SetChosen(std::string entry) { m_chosen = std::move(entry); }

    /// Returns the sites the chosen fast category has no category for.
    const std::vector<std::string>& Exclusions() const { return m_exclusions; }

    void SetExclusions(std::vector<std::string> exclusions) { m_exclusions = std::move(exclusions); }

private:
    std::vector<std::string> m_entries;
    std::vector<FastCategoryNode> m_tree;
    std::string m_chosen;
    std::vector<std::string> m_exclusions;
};

/// Returns whether a drop-down entry or node name stands for no fast category.
bool IsNoFastCategory(std::string_view entry);

} // namespace listrider::sites
