// The Columns Editor: a checked list of the column entries that the user reorders and checks.
#pragma once

#include <cstddef>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "sites/column_set.h"

namespace listrider::sites {

class ColumnsEditor
{
public:
    /// One line of the checked list.
    struct Item
    {
        std::string name;
        bool checked = false;

        friend bool operator==(const Item&, const Item&) = default;
    };

    /// Opens the editor on the entries read from columns.ini (checked = visible).
    explicit ColumnsEditor(std::span<const ColumnsR> entries);

    const std::vector<Item>& Items() const { return m_items; }

    /// Returns the position of the first item of the name, or -1.
    int Find(std::string_view name) const;

    /// Checks or unchecks an item; the first item and every "Site Name" stay checked.
    void SetChecked(std::size_t position, bool checked);

    /// "Move Up" and "Move Down": one place; the first item never moves and nothing moves above it.
    /// Each returns the item's new position.
    std::size_t MoveUp(std::size_t position);
    std::size_t MoveDown(std::size_t position);

    /// "To The Top": the item becomes the second; "To Bottom": the last.
    std::size_t ToTop(std::size_t position);
    std::size_t ToBottom(std::size_t position);

    /// "OK": the entries in the list's order, visible "Y"/"N" by the check boxes, each with its
    /// previous size (found by name).
    std::vector<ColumnsR> Entries() const;

private:
    void KeepNameChecked();
    std::size_t Move(std::size_t from, std::size_t to);

    std::vector<Item> m_items;
    std::vector<ColumnsR> m_previous;
};

} // namespace listrider::sites
