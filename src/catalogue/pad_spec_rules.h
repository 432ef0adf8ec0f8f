// The field rules a PAD validator applies to a PAD file (the rules of PAD 3.02).
#pragma once

#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "catalogue/pad_xml_scan.h"

namespace listrider::catalogue {

/// A field a PAD validator would reject.
struct PadWarning
{
    std::string field; ///< Program_Version ...
    std::string path;  ///< XML_DIZ_INFO/Program_Info/Program_Version
    std::string value; ///< UTF-8
    std::string rule;  ///< what the field must be
};

/// Returns the fields of the leaves that break their rule; a missing field is checked as empty.
std::vector<PadWarning> CheckPadConformance(const std::vector<PadLeaf>& leaves);

/// Returns the warnings of a PAD file's text (UTF-8).
std::vector<PadWarning> CheckPadConformance(std::string_view utf8Text);

/// Returns the path of a field a validator checks, empty for a field it does not know.
std::string PadSpecPath(std::string_view field);

/// Returns the warning as one line: "Program_Version: must be ... (value "v 1")".
std::string DescribeWarning(const PadWarning& warning);

/// Returns the operating system words a validator accepts.
std::span<const std::string_view> PadSpecOperatingSystems();

/// Returns the language words a validator accepts.
std::span<const std::string_view> PadSpecLanguages();

} // namespace listrider::catalogue
