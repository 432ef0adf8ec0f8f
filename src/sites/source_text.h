// Line ends between the readable site source files and the texts of a site database.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace listrider::sites {

/// Returns the database text of a source file: every LF that does not follow a CR becomes
/// CR LF, every other byte stays.
std::string TextFromSourceFile(std::string_view fileBytes);

/// Returns the source file form of a database text (CR LF written as LF), or nothing when that
/// form would not give the same text back (lone LFs, a CR before CR LF): such a text is kept as
/// exact bytes instead.
std::optional<std::string> SourceFileFromText(std::string_view text);

} // namespace listrider::sites
