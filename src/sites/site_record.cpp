#include "sites/site_record.h"

#include <algorithm>

namespace listrider::sites {

std::string CutText(std::string_view text, std::size_t length)
{
    return std::string(text.substr(0, std::min(length, text.size())));
}

std::string_view StepSlots::Get(int step) const
{
    if (step < 0 || static_cast<std::size_t>(step) >= m_slots.size()) {
        return {};
    }
    return m_slots[static_cast<std::size_t>(step)];
}

void StepSlots::Set(int step, std::string text)
{
    if (step < 0 || step >= kSlotCount) {
        return;
    }
    if (m_slots.empty()) {
        m_slots.resize(kSlotCount);
    }
    m_slots[static_cast<std::size_t>(step)] = std::move(text);
}

bool StepSlots::HasAny() const
{
    return std::any_of(m_slots.begin(), m_slots.end(), [](const std::string& text) { return !text.empty(); });
}

} // namespace listrider::sites
