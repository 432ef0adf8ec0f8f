#include "sites/columns_editor.h"

#include <algorithm>

namespace listrider::sites {

ColumnsEditor::ColumnsEditor(std::span<const ColumnsR> entries)
    : m_previous(entries.begin(), entries.end())
{
    for (const ColumnsR& entry : entries) {
        m_items.push_back({entry.name, entry.IsVisible()});
    }
}

int ColumnsEditor::Find(std::string_view name) const
{
    for (std::size_t i = 0; i < m_items.size(); ++i) {
        if (m_items[i].name == name) {
            return static_cast<int>(i);
        }
    }
    return -1;
}

void ColumnsEditor::KeepNameChecked()
{
    for (std::size_t i = 0; i < m_items.size(); ++i) {
        if (i == 0 || m_items[i].name == kSiteNameColumn) {
            m_items[i].checked = true;
        }
    }
}

void ColumnsEditor::SetChecked(std::size_t position, bool checked)
{
    if (position < m_items.size()) {
        m_items[position].checked = checked;
    }
    KeepNameChecked();
}

std::size_t ColumnsEditor::Move(std::size_t from, std::size_t to)
{
    if (from == 0 || from >= m_items.size() || to == 0 || to >= m_items.size()) {
        return from;
    }
    Item item = std::move(m_items[from]);
    m_items.erase(m_items.begin() + static_cast<std::ptrdiff_t>(from));
    m_items.insert(m_items.begin() + static_cast<std::ptrdiff_t>(to), std::move(item));
    return to;
}

std::size_t ColumnsEditor::MoveUp(std::size_t position)
{
    return position == 0 ? position : Move(position, position - 1);
}

std::size_t ColumnsEditor::MoveDown(std::size_t position)
{
    return Move(position, position + 1);
}

std::size_t ColumnsEditor::ToTop(std::size_t position)
{
    return Move(position, 1);
}

std::size_t ColumnsEditor::ToBottom(std::size_t position)
{
    return m_items.empty() ? position : Move(position, m_items.size() - 1);
}

std::vector<ColumnsR> ColumnsEditor::Entries() const
{
    std::vector<ColumnsR> entries;
    for (const Item& item : m_items) {
        const auto previous =
            std::find_if(m_previous.begin(), m_previous.end(), [&item](const ColumnsR& entry) {
                return entry.name == item.name;
            });
        entries.push_back({item.name,
                           item.checked ? "Y" : "N",
                           previous != m_previous.end() ? previous->size : std::string(kDefaultColumnSize)});
    }
    return entries;
}

} // namespace listrider::sites
