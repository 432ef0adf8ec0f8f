// The page the text commands of a step work on.
#pragma once

#include <filesystem>
#include <string>

#include "store/line_list.h"
#include "store/result.h"

namespace listrider::engine {

/// Returns the working page of a saved page's lines: TABs and CRs as spaces, every line followed
/// by one space, byte 160 as a space, &quot; &apos; &amp; decoded, runs of spaces made one.
std::string BuildWorkingPage(store::LineSpan lines);

/// Returns the working page of a saved response page; a page that cannot be read is an Io error.
store::Result<std::string> ReadWorkingPage(const std::filesystem::path& pageFile);

} // namespace listrider::engine
