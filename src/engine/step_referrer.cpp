#include "engine/step_referrer.h"

#include "sites/site_file_lines.h"

namespace listrider::engine {

std::string StepReferrer(const sites::SiteTable& table,
                         const sites::SitesR& site,
                         int step,
                         const store::SiteKey& key,
                         const store::NarrowMacroResolver& resolve)
{
    std::string referrer;
    if (site.Ref.empty()) {
        return referrer;
    }
    const store::LineList lines = sites::SiteFileLines(table, site.Name + ".ref", true, key);
    const std::string number = std::to_string(step);
    for (std::size_t i = 0; i + 1 < lines.size(); ++i) {
        if (lines[i] == number) {
            referrer = store::SubstituteMacros(lines[i + 1], resolve);
        }
    }
    return referrer;
}

} // namespace listrider::engine
