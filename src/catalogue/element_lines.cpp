#include "catalogue/element_lines.h"

#include <vector>

#include "store/ascii.h"
#include "store/tag_document.h"

namespace listrider::catalogue::detail {

void ApplyElements(store::LineSpan lines, std::span<const ElementRule> rules)
{
    std::vector<std::string> openTags;
    openTags.reserve(rules.size());
    for (const ElementRule& rule : rules) {
        openTags.push_back(store::OpenTag(rule.tag));
    }
    for (std::string_view line : lines) {
        for (std::size_t i = 0; i < rules.size(); ++i) {
            if (store::ContainsNoCase(line, openTags[i])) {
                rules[i].apply(store::TagValue(line));
            }
        }
    }
}

ElementRule TextRule(std::string_view tag, std::string& field)
{
    return {tag, [&field](const std::string& value) {
                field = value;
            }};
}

ElementRule FlagRule(std::string_view tag, bool& field)
{
    return {tag, [&field](const std::string& value) {
                field = store::ReadFlag(value, store::kYnFlags);
            }};
}

} // namespace listrider::catalogue::detail
