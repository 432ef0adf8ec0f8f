// Macro expansion against the run values: the resolver of |Name| tokens and the expansion of a
// step's fields in the order the run sends them.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "engine/run_values.h"
#include "store/macro_scanner.h"

namespace listrider::engine {

/// Appends the value of one macro token (both bars included) to `out`: a name of the vocabulary
/// (compared exactly), the price rule for "WinSite" sites, |ZeroPrice...|, |Limiting(N)...|,
/// "||"; any other token is appended as written. A value whose list cannot be read records the
/// site's failure in `values` and appends nothing.
void ResolveMacro(RunValues& values, std::string_view token, std::string& out);

/// Appends the value of a |Limiting(N)Name| token: the first N characters of |Name| as `inner`
/// resolves it; a token without its closing parenthesis or with no count appends nothing.
void ResolveLimiting(std::string_view token, const store::NarrowMacroResolver& inner, std::string& out);

/// Returns a resolver bound to the values, for the step loader, the success test and the
/// request composer. The values must outlive it.
store::NarrowMacroResolver MacroResolverFor(RunValues& values);

/// Returns the text with every macro expanded.
std::string ExpandMacros(RunValues& values, std::string_view text);

/// Expands a web step as the run sends it: every field value in order (side effects such as
/// |AffiliateSelect| reach later values), then every field name, then the path.
void ExpandStepFields(RunValues& values,
                      std::vector<std::string>& names,
                      std::vector<std::string>& fields,
                      std::string& path);

} // namespace listrider::engine
