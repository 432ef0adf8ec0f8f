#include "sites/fast_category_tree.h"

#include <algorithm>
#include <optional>

#include "sites/alphabetical.h"
#include "store/ascii.h"

namespace listrider::sites {
namespace {

std::vector<std::string> SplitParts(std::string_view name)
{
    std::vector<std::string> parts;
    std::size_t start = 0;
    for (std::size_t at = name.find(kFastCategorySeparator); at != std::string_view::npos;
         at = name.find(kFastCategorySeparator, start)) {
        parts.emplace_back(name.substr(start, at - start));
        start = at + kFastCategorySeparator.size();
    }
    parts.emplace_back(name.substr(start));
    return parts;
}

FastCategoryNode& ChildOf(std::vector<FastCategoryNode>& level, const std::string& text)
{
    for (FastCategoryNode& node : level) {
        if (node.text == text) {
            return node;
        }
    }
    level.push_back({text, {}});
    return level.back();
}

std::optional<TreePath> FindPath(std::span<const FastCategoryNode> level, std::span<const std::string> parts)
{
    for (std::size_t i = 0; i < level.size(); ++i) {
        if (level[i].text != parts.front()) {
            continue;
        }
        if (parts.size() == 1) {
            return TreePath{i};
        }
        if (std::optional<TreePath> below = FindPath(level[i].children, parts.subspan(1))) {
            below->insert(below->begin(), i);
            return below;
        }
    }
    return std::nullopt;
}

// A node at level 1 or deeper with the child's text under a parent with the parent's text.
std::optional<TreePath>
FindChildOf(std::span<const FastCategoryNode> level, std::string_view parent, std::string_view child)
{
    for (std::size_t i = 0; i < level.size(); ++i) {
        const FastCategoryNode& node = level[i];
        if (node.text == parent) {
            for (std::size_t j = 0; j < node.children.size(); ++j) {
                if (node.children[j].text == child) {
                    return TreePath{i, j};
                }
            }
        }
        if (std::optional<TreePath> below = FindChildOf(node.children, parent, child)) {
            below->insert(below->begin(), i);
            return below;
        }
    }
    return std::nullopt;
}

} // namespace

std::vector<FastCategoryNode> BuildFastCategoryTree(std::span<const std::string> names)
{
    std::vector<std::string> sorted;
    for (const std::string& name : names) {
        if (!store::ContainsNoCase(name, "do not use")) {
            sorted.push_back(name);
        }
    }
    std::sort(sorted.begin(), sorted.end(), [](const std::string& a, const std::string& b) {
        return AlphabeticalLess(a, b);
    });
    std::vector<FastCategoryNode> tree{{std::string(kNoFastCategoryEntry), {}}};
    for (const std::string& name : sorted) {
        std::vector<FastCategoryNode>* level = &tree;
        for (const std::string& part : SplitParts(name)) {
            level = &ChildOf(*level, part).children;
        }
    }
    return tree;
}

const FastCategoryNode* NodeAt(std::span<const FastCategoryNode> tree, const TreePath& path)
{
    const FastCategoryNode* node = nullptr;
    std::span<const FastCategoryNode> level = tree;
    for (const std::size_t index : path) {
        if (index >= level.size()) {
            return nullptr;
        }
        node = &level[index];
        level = node->children;
    }
    return node;
}

std::string NodeName(std::span<const FastCategoryNode> tree, const TreePath& path)
{
    std::string name;
    std::span<const FastCategoryNode> level = tree;
    for (const std::size_t index : path) {
        if (index >= level.size()) {
            break;
        }
        if (!name.empty()) {
            name.append(kFastCategorySeparator);
        }
        name.append(level[index].text);
        level = level[index].children;
    }
    return name;
}

TreePath SelectFastCat(std::span<const FastCategoryNode> tree, std::string_view name)
{
    if (std::optional<TreePath> path = FindPath(tree, SplitParts(name))) {
        return *path;
    }
    if (const std::size_t dash = name.find(" -"); dash != std::string_view::npos) {
        const std::string_view parent = name.substr(0, dash);
        const std::string_view child = dash + 3 <= name.size() ? name.substr(dash + 3) : std::string_view();
        if (std::optional<TreePath> path = FindChildOf(tree, parent, child)) {
            return *path;
        }
    }
    return tree.empty() ? TreePath{} : TreePath{0};
}

} // namespace listrider::sites
