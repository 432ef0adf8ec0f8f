// The tree of fast categories on the "Category" page: names split into their " - " parts.
#pragma once

#include <cstddef>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace listrider::sites {

/// The first entry of the drop-down list and the first node of the tree: no fast category.
inline constexpr std::string_view kNoFastCategoryEntry = "--== Do not use fast category ==--";

/// The separator of a fast category name's parts.
inline constexpr std::string_view kFastCategorySeparator = " - ";

/// One node of the tree.
struct FastCategoryNode
{
    std::string text;
    std::vector<FastCategoryNode> children;

    friend bool operator==(const FastCategoryNode&, const FastCategoryNode&) = default;
};

/// The positions from the root level down to a node; empty for no node.
using TreePath = std::vector<std::size_t>;

/// Returns the tree of the names: the "do not use" node first, then the names sorted
/// alphabetically, each split at every " - " with the parts that two names share in one node.
std::vector<FastCategoryNode> BuildFastCategoryTree(std::span<const std::string> names);

/// Returns the node at the path, or null.
const FastCategoryNode* NodeAt(std::span<const FastCategoryNode> tree, const TreePath& path);

/// Returns the name of the node at the path: the texts from the root joined by " - ".
std::string NodeName(std::span<const FastCategoryNode> tree, const TreePath& path);

/// Returns the node to select for a fast category name (SelectFastCat): the node whose path
/// spells the name (so names of one or three parts are found too), else a node below the root
/// level whose text is the part after the first " - " and whose parent's text is the part
/// before it, else the first node.
TreePath SelectFastCat(std::span<const FastCategoryNode> tree, std::string_view name);

} // namespace listrider::sites
