#include "catalogue/pad_reminders.h"

namespace listrider::catalogue {

std::optional<std::string_view> PadReminder(const ProductEditor& editor)
{
    if (editor.versionChanged) {
        return kVersionChangedReminder;
    }
    if (!editor.imported) {
        return kNotImportedReminder;
    }
    return std::nullopt;
}

} // namespace listrider::catalogue
