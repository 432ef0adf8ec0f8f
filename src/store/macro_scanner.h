// The scanner that finds |Name| macros in a text and hands each to a resolver.
#pragma once

#include <functional>
#include <string>
#include <string_view>

namespace listrider::store {

/// Appends the value of one macro token, both bars included ("|ProgramName|"), to `out`.
using MacroResolver = std::function<void(std::u16string_view token, std::u16string& out)>;

/// As MacroResolver, for texts in the code page.
using NarrowMacroResolver = std::function<void(std::string_view token, std::string& out)>;

/// Returns the text with every macro token replaced by the resolver's value. A token runs from a
/// '|' to the next '|'; two adjacent bars are a token with an empty name; a token still open at
/// the end of the text is copied unchanged. Resolved values are not scanned again.
std::u16string SubstituteMacros(std::u16string_view text, const MacroResolver& resolve);

/// As above, for texts in the code page.
std::string SubstituteMacros(std::string_view text, const NarrowMacroResolver& resolve);

} // namespace listrider::store
