// The rules of the product fields and the messages of the fields that break them.
#pragma once

#include <string>

#include "catalogue/field_id.h"
#include "catalogue/product_editor.h"

namespace listrider::catalogue {

/// Returns the message of a field that breaks its rule, empty when it is correct (a field
/// without a rule always is). Like the editor, some rules first tidy the field: prices get "."
/// for ",", sizes keep only their digits.
std::string CheckField(ProductEditor& editor, const FieldId& field);

/// The message of a version that starts with "v": the help text asks for a version without the
/// "v." prefix, so the prefix is refused.
inline constexpr std::string_view kVersionPrefixMessage =
    "Product version must not begin with \"v\" or \"v.\" characters.";

} // namespace listrider::catalogue
