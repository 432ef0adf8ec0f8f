// The success test of a web step: does the saved response page hold the success text?
#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

#include "store/line_list.h"
#include "store/macro_scanner.h"

namespace listrider::engine {

/// The verdict on a page, with the normalized page text the next step's text commands read.
struct SuccessVerdict
{
    bool success = false;
    std::optional<std::string> normalizedPage; ///< nothing when the page was not read
};

/// Returns the page's lines joined into one text: every CR and every run of spaces becomes one
/// space, lines are joined with nothing between them.
std::string NormalizePage(store::LineSpan lines);

/// Returns the verdict of the success test: an empty success text (after macro expansion) passes
/// without reading the page; otherwise the page (a missing one reads as empty) passes when its
/// normalized text holds the success text, ignoring ASCII case. The failure text never decides.
SuccessVerdict IsSuccessPage(const std::filesystem::path& pageFile,
                             std::string_view successText,
                             std::string_view failureText,
                             const store::NarrowMacroResolver& resolve);

} // namespace listrider::engine
