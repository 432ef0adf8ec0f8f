// description.dat: the descriptions of a product per language.
#pragma once

#include "catalogue/descriptions.h"
#include "store/code_page.h"
#include "store/line_list.h"

namespace listrider::catalogue {

/// Fills the descriptions from the lines of description.dat. After a first line "UTF-8" the
/// further languages are UTF-8; without it (the old form) they are code-page text. The English
/// 45 and 80 character texts are cut to their limits.
void ReadDescriptionFile(store::LineSpan lines,
                         const store::CodePage& codePage,
                         DescriptionSet& descriptions);

/// Returns the lines of description.dat: the marker, English in the code page, then each further
/// language in UTF-8.
store::LineList DescriptionFileLines(const DescriptionSet& descriptions);

} // namespace listrider::catalogue
