// regkey.dat: the registration codes of a product.
#pragma once

#include "catalogue/registration_codes.h"
#include "store/line_list.h"

namespace listrider::catalogue {

/// Fills the registration codes from regkey.dat; Code_Type chooses the kind.
void ReadRegkeyFile(store::LineSpan lines, RegistrationCodes& codes);

/// Returns the lines of regkey.dat in written order.
store::LineList RegkeyFileLines(const RegistrationCodes& codes);

} // namespace listrider::catalogue
