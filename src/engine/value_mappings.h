// The values chosen through the current site's mapping lists. Each reads the list from the
// site's package when the macro is resolved.
#pragma once

#include <string>
#include <vector>

#include "engine/mapping_keywords.h"
#include "engine/run_values.h"
#include "store/result.h"

namespace listrider::engine {

/// Returns the value of the scored list's best pair; for .aff the pair's key also sets
/// |AffiliateID|. A list without pairs is NotFound.
store::Result<std::string> SelectScoredValue(RunValues& values, ScoredList list);

/// Returns the |SizeSelect| value from the .siz list.
store::Result<std::string> SelectSizeValue(RunValues& values);

/// Returns the |ExpireSelect| value from the .exp list, its macros expanded.
store::Result<std::string> SelectExpireValue(RunValues& values);

/// Returns the |ExpireBaseSelect| value from the .exb list; empty when nothing fits.
std::string SelectExpireBaseValue(RunValues& values);

/// Returns the word the .exb keys are searched for: the expiry unit, or "Date" when a count and
/// an expiry date are set.
std::string ExpireUnitWord(const catalogue::ProgramValues& program);

/// Returns the |TextArea| value: every line of the .are list expanded, joined by CR LF.
std::string TextAreaValue(RunValues& values);

/// Replaces the first field whose value is |OSSupportSelectM| (ASCII case ignored) by one field
/// per match of the .os list: for every pair in order, one field with the field's name and the
/// pair's value for every operating-system word its key contains. Without matches the field is
/// dropped. Lists of different lengths are left alone (the run ends the site for them).
void ExpandOsMultiSelect(RunValues& values,
                         std::vector<std::string>& names,
                         std::vector<std::string>& fields);

/// Returns the values of the .os pairs that the multiple selection sends, in order.
std::vector<std::string> OsMultiMatches(std::span<const MappingPair> pairs, std::string_view osList);

} // namespace listrider::engine
