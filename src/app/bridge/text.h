// Every conversion between the core's texts and Qt's, in one place.
#pragma once

#include <filesystem>
#include <string>
#include <string_view>

#include <QString>

#include "store/code_page.h"

namespace listrider::app {

/// Returns a store text (bytes in the code page) as a QString.
QString FromStore(std::string_view text, const store::CodePage& codePage);

/// Returns a QString as store text in the code page ("?" for characters it lacks).
std::string ToStore(const QString& text, const store::CodePage& codePage);

/// Returns UTF-16 core text as a QString.
QString FromWide(std::u16string_view text);

/// Returns a QString as the core's UTF-16 text.
std::u16string ToWide(const QString& text);

/// Returns UTF-8 text (messages of the core that are not store text) as a QString.
QString FromUtf8(std::string_view text);

/// Returns a file-system path as a QString.
QString FromPath(const std::filesystem::path& path);

/// Returns a QString naming a file as a path.
std::filesystem::path ToPath(const QString& text);

} // namespace listrider::app
