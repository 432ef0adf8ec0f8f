// Texts as the PAD files hold them: well-formed XML in UTF-8.
#pragma once

#include <string>
#include <string_view>

namespace listrider::catalogue {

/// Returns a UTF-8 value ready for an element: characters XML does not allow dropped, line
/// breaks and tabs as spaces (every element stays on its line), and & ' " < > escaped.
std::string PadValue(std::string_view utf8);

/// Returns a UTF-8 language name as an element name: each space (and any other character a
/// name cannot hold) as "_", with a "_" in front when the name cannot start with its first
/// character.
std::string PadElementName(std::string_view utf8);

/// Returns the language name of an element name: each "_" read as a space, outer spaces trimmed.
std::string LanguageOfElementName(std::string_view name);

/// Returns whether the code point may appear in an XML 1.0 document.
bool IsXmlChar(char32_t cp);

/// Returns the code points of a UTF-8 text (a malformed byte is taken as U+FFFD).
std::u32string DecodeUtf8(std::string_view utf8);

} // namespace listrider::catalogue
