#include "engine/errors_list.h"

#include "engine/error_patterns.h"
#include "store/ascii.h"

namespace listrider::engine {
namespace {

using store::ContainsNoCase;

const sites::SitesR* SiteRecord(const DiagnosisSources& sources, const std::string& site)
{
    if (sources.table == nullptr) {
        return nullptr;
    }
    if (sources.packages != nullptr) {
        sources.packages->LoadCurrentSite(*sources.table, site);
    }
    const int position = sites::FindDBIndex(*sources.table, site);
    return position < 0 ? nullptr : &sources.table->sites[static_cast<std::size_t>(position)];
}

ErrorTexts Diagnose(const DiagnosisSources& sources, const DetailRow& last)
{
    // A site the database no longer knows is explained from the table alone.
    static const sites::SitesR kNoRecord;
    const sites::SitesR* found = SiteRecord(sources, last.site);
    const sites::SitesR& record = found != nullptr ? *found : kNoRecord;

    ErrorTexts texts;
    if (ContainsNoCase(last.result, "time")) {
        texts = {
            "HTTP request timed out", "HOST is unreachable. Possibly site is down.", "Try to resubmit later"};
    } else if (ContainsNoCase(last.result, "abort")) {
        texts = {"User Abort", "User Abort", "None"};
    } else if (ContainsNoCase(last.result, "exists")) {
        texts = {"Latest version is already listed.", "Latest version is already listed.", "None"};
    } else if (!ContainsNoCase(last.result, "error") || ContainsNoCase(last.action, "sending e-")) {
        GetErrorDetails(record.AccountKind, last.action, texts);
        if (found != nullptr) {
            (void)GetErrorFromFile(record, sources.key, sources.resultFolder, texts);
        }
    } else {
        // The last pair that names the site wins.
        for (std::size_t i = 0; i + 1 < sources.httpErrors.size(); i += 2) {
            if (sources.httpErrors[i] == last.site) {
                GetErrorDetails(record.AccountKind, last.action, texts);
                texts.reason = sources.httpErrors[i + 1];
                texts.solution = "Update Site Database and try again later";
            }
        }
    }
    for (std::string* cell : {&texts.problem, &texts.reason, &texts.solution}) {
        if (cell->empty()) {
            *cell = kUnknown;
        }
    }
    return texts;
}

} // namespace

std::vector<ErrorsRow> BuildErrorsList(const DiagnosisSources& sources)
{
    std::vector<ErrorsRow> list;
    for (const SiteRows& site : RowsBySite(sources.rows)) {
        const DetailRow& last = *site.rows.back();
        if (last.result == "Done" || last.result == "Pending") {
            continue;
        }
        list.push_back(ErrorsRow{last.site, Diagnose(sources, last)});
    }
    return list;
}

} // namespace listrider::engine
