// The quick-help texts of the product fields.
#pragma once

#include <string>
#include <vector>

#include "catalogue/field_id.h"

namespace listrider::catalogue {

/// Returns the help text lines of a field (UTF-8; "\r" breaks a line inside a text), empty for
/// a field without help. The description fields of every language share the English texts.
std::vector<std::string> FieldHelp(FieldKind kind);

} // namespace listrider::catalogue
