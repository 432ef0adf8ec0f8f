// Encodings of form values, markup entities and Base64.
#pragma once

#include <ctime>
#include <string>
#include <string_view>

namespace listrider::store {

/// Returns the text percent-encoded for a form value: letters, digits and * - . @ _ unchanged,
/// a space as "+" (or "%20" when `spaceAsPercent20`), every other byte as %XX in upper case.
std::string UrlEncode(std::string_view text, bool spaceAsPercent20 = false);

/// Returns the text with ' " & written as &apos; &quot; &amp; (nothing else changes).
std::string XmlEscape(std::string_view text);

/// Returns the text safe inside HTML text and quoted attribute values: & < > " ' written as
/// &amp; &lt; &gt; &quot; &#39; (nothing else changes).
std::string HtmlEscape(std::string_view text);

/// Returns the text with &quot; &apos; &amp; decoded in one left-to-right pass.
std::string HtmlUnescape(std::string_view text);

/// As HtmlUnescape, and also &nbsp; as a space (the text of web pages).
std::string HtmlUnescapeText(std::string_view text);

/// Returns the bytes in standard Base64, 76 characters per line, lines separated by CR LF.
std::string Base64Encode(std::string_view bytes);

/// Returns the multipart boundary for the current local time.
std::string MakeBoundary();

/// Returns the multipart boundary for a given local time: 29 hyphens and "mmddyyhhnnsszzz".
std::string MakeBoundary(const std::tm& localTime, int milliseconds);

} // namespace listrider::store
