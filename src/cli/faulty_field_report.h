// Printing the list of faulty fields of the editor.
#pragma once

#include <iosfwd>

#include "catalogue/product_editor.h"
#include "cli/catalogue_session.h"

namespace listrider::cli {

/// Prints one line per faulty field: its place (language tab for descriptions), caption and message.
void PrintFaultyFields(std::ostream& out,
                       const CatalogueSession& session,
                       const catalogue::ProductEditor& editor);

} // namespace listrider::cli
