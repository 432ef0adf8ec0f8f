// Reading and writing any editor field as Unicode text, for the front ends.
#pragma once

#include <string>
#include <vector>

#include "catalogue/field_id.h"
#include "catalogue/product_editor.h"
#include "store/code_page.h"
#include "store/result.h"

namespace listrider::catalogue {

/// Returns the field's value as Unicode: memo lines joined by "\n", flags "Y"/"N", the lists in
/// their stored form, an unchosen list entry as the empty text.
std::u16string
GetFieldText(const ProductEditor& editor, const FieldId& field, const store::CodePage& codePage);

/// Sets the field from Unicode text (code-page fields get "?" for characters the code page
/// lacks; "\n" separates memo lines). A list entry must be one of its list (empty unchooses),
/// a flag "Y" or "N", an operating system list the captions or PAD words of its entries. The
/// 45 and 80 character descriptions take no more than their limit. Nothing else is done: the
/// caller reports the change with FieldChanged.
store::Result<void> SetFieldText(ProductEditor& editor,
                                 const FieldId& field,
                                 std::u16string_view text,
                                 const store::CodePage& codePage);

/// Returns the entries a choice field takes, empty for other fields.
std::vector<std::string> ChoiceEntries(FieldKind kind);

} // namespace listrider::catalogue
