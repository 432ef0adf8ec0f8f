// The element values of an XML text by their paths, for checking a PAD file against its rules.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace listrider::catalogue {

/// An element without child elements.
struct PadLeaf
{
    std::string path;  ///< element names from the root, joined by "/"
    std::string value; ///< the text in UTF-8, entities decoded
};

/// Returns the leaves of a UTF-8 XML text in document order. The scan is forgiving: a closing
/// tag that does not match closes up to its element, declarations, comments and doctype are
/// skipped, and CDATA sections are text.
std::vector<PadLeaf> ScanXmlLeaves(std::string_view utf8);

/// Returns the text with XML entities and character references decoded.
std::string DecodeXmlEntities(std::string_view text);

} // namespace listrider::catalogue
