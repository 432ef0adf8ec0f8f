// Examining the product fields: the list of faulty fields as the user edits and before a run.
#pragma once

#include <vector>

#include "catalogue/field_id.h"
#include "catalogue/product_editor.h"

namespace listrider::catalogue {

/// Applies the field's rule and updates the list of faulty fields and the field's message.
/// A faulty field joins the list when it is not on it and the user is not typing, or always
/// during a full validation. Returns whether the field is correct.
bool ExamineField(ProductEditor& editor, const FieldId& field, bool fullValidation = false);

/// Which full validation it is.
enum class ValidationKind
{
    Submission, ///< before a run
    Pad,        ///< before a PAD file is written: the local program and PAD files are not examined
};

/// Returns the fields a full validation examines, in its order.
std::vector<FieldId> FieldsToValidate(const ProductEditor& editor, ValidationKind kind);

/// Empties the list of faulty fields, examines every field of the full validation and switches
/// the flashing on. Returns whether every field is correct.
bool ExamineErrors(ProductEditor& editor, ValidationKind kind = ValidationKind::Submission);

/// The user left a field: the typing state ends, the field is examined, and the flashing is
/// switched on when the list is not empty.
void FieldLeft(ProductEditor& editor, const FieldId& field);

/// The user changed a field: the product is modified, a new version sets the version-changed
/// mark, the affiliate boxes and the registration-code kind follow, and a field that carries a
/// message is examined again while the user types.
void FieldChanged(ProductEditor& editor, const FieldId& field);

/// The message shown when PAD generation or a run meets faulty fields.
inline constexpr std::string_view kFaultyFieldsMessage =
    "Not all fields were filled out correctly. Return to blinking tabs and make necessary corrections. The "
    "fields "
    "that should be corrected are blinking, too. Point them with the mouse to learn what changes you have to "
    "make.";

} // namespace listrider::catalogue
