#include "engine/search_settings.h"

#include <string>

#include "engine/script_step.h"
#include "sites/site_file_lines.h"

namespace listrider::engine {

std::optional<SearchSettings>
ReadSearchSettings(const sites::SiteTable& table, std::string_view site, const store::SiteKey& key)
{
    const store::LineList lines = sites::SiteFileLines(table, std::string(site) + ".sss", true, key);
    if (lines.size() != 4) {
        return std::nullopt;
    }
    const std::optional<int> notListed = ParseStepNumber(lines[1]);
    const std::optional<int> otherVersion = ParseStepNumber(lines[3]);
    if (!notListed || !otherVersion) {
        return std::nullopt;
    }
    return SearchSettings{*notListed, *otherVersion};
}

} // namespace listrider::engine
