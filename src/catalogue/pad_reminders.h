// The reminders of the "PAD File Generation" window.
#pragma once

#include <optional>
#include <string_view>

#include "catalogue/product_editor.h"

namespace listrider::catalogue {

/// Shown when the version changed since the product was opened.
inline constexpr std::string_view kVersionChangedReminder =
    "Before you can proceed with your product submitting, you have to generate a new PAD file and to upload "
    "it to "
    "your site's FTP server because your product version has been changed. You can skip the step of the PAD "
    "file "
    "uploading if you would like to upload it manually.";

/// Shown for a product that was not imported from a PAD file.
inline constexpr std::string_view kNotImportedReminder =
    "The product information has been enterend without using of PAD file, so it must be generated and "
    "uploaded to "
    "your server before you can begin submitting. You can skip the step of the PAD file uploading if you "
    "wish to "
    "upload it manually.";

/// Returns the reminder the submission page shows for the open product, or nothing.
std::optional<std::string_view> PadReminder(const ProductEditor& editor);

} // namespace listrider::catalogue
