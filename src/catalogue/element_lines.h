// Reading the element lines of the product files: every tag tested on every line.
#pragma once

#include <functional>
#include <span>
#include <string>
#include <string_view>

#include "store/line_list.h"

namespace listrider::catalogue::detail {

/// One tag of a product file and what its value does.
struct ElementRule
{
    std::string_view tag;
    std::function<void(const std::string& value)> apply;
};

/// Applies the rules to the lines: a line holding "<tag>" (ASCII case ignored) gives the rule
/// its value, so a tag on several lines ends with the last one.
void ApplyElements(store::LineSpan lines, std::span<const ElementRule> rules);

/// Returns a rule that stores the value into a text field.
ElementRule TextRule(std::string_view tag, std::string& field);

/// Returns a rule that sets a flag: true only for exactly "Y".
ElementRule FlagRule(std::string_view tag, bool& field);

} // namespace listrider::catalogue::detail
