// The lines of a PAD file as this program writes it.
#pragma once

#include <string>
#include <string_view>

#include "catalogue/value_set.h"
#include "store/code_page.h"

namespace listrider::catalogue {

/// Returns the whole PAD file for a value set: the fixed layout, each line ending with CR LF,
/// every value in UTF-8 and escaped so that the file is well-formed XML.
std::string
BuildPadText(const ProductValues& values, const store::CodePage& codePage, std::string_view padSpecHomePage);

/// Returns the default file name: the program name with spaces as "_", without " ' : , . / \,
/// followed by ".xml".
std::string DefaultPadFileName(std::string_view programName);

/// Returns the chosen file name with ".xml" appended unless it contains ".xml" anywhere.
std::string WithXmlExtension(std::string_view chosen);

} // namespace listrider::catalogue
