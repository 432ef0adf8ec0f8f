// Which of the product's descriptions a site receives.
#pragma once

#include <vector>

#include "catalogue/value_set.h"
#include "store/code_page.h"
#include "store/line_list.h"

namespace listrider::engine {

/// Returns the description for the site's .lan lines: the first line that equals the first three
/// letters (upper-cased) of a further language's name selects that language; otherwise English,
/// the first entry. `descs` must not be empty.
const catalogue::Desc& ChooseDescription(const std::vector<catalogue::Desc>& descs,
                                         store::LineSpan lanLines,
                                         const store::CodePage& codePage);

} // namespace listrider::engine
