#include "engine/search_verdict.h"

#include "engine/listing_values.h"
#include "engine/run_updates.h"
#include "store/ascii.h"
#include "store/numbers.h"
#include "store/text_helpers.h"

namespace listrider::engine {
namespace {

void MarkExists(RunContext& run, SiteState& site)
{
    run.control.SetOutcome(Outcome::Exists);
    sites::SitesR& record = run.Record(site);
    record.VersionSubmitted = sites::CutText(run.in.productVersion, sites::kShortTextLength);
    record.Submitted = run.runDate;
}

} // namespace

std::string NormalizeVersion(std::string_view version)
{
    std::string collapsed;
    for (const char c : version) {
        if (c == ' ' && (collapsed.empty() || collapsed.back() == ' ')) {
            continue;
        }
        collapsed += c;
    }
    while (!collapsed.empty() && collapsed.back() == ' ') {
        collapsed.pop_back();
    }
    return store::AsciiUpper(store::NormalizeNumber(collapsed));
}

void ApplySearchVerdict(RunContext& run, SiteState& site)
{
    if (!site.searchActive ||
        (site.step != kStepSuccess && site.step != kStepFailure && site.step != kStepNoVerdict)) {
        return;
    }
    site.searchActive = false;
    sites::SitesR& record = run.Record(site);
    if (record.StatsSum.find(',') != std::string::npos) {
        run.script.ApplyStatsSum(record.StatsSum);
    }
    std::span<std::string> custom = run.script.Custom();
    if (site.step == kStepSuccess) {
        run.script.CleanFoundValues(record);
        StoreListingValues(record, custom);
        if (NormalizeVersion(custom[0]) == NormalizeVersion(run.in.productVersion)) {
            site.step = kStepFailure;
            MarkExists(run, site);
            SaveSiteStatus(run);
        } else {
            site.step = site.search.otherVersionStep;
            if (site.step == kStepFailure) {
                MarkExists(run, site);
            }
        }
    } else if (site.step == kStepFailure) {
        site.step = site.search.notListedStep;
        ClearListingValues(record);
        if (site.step == kStepFailure) {
            run.control.SetOutcome(Outcome::Exists);
        }
    }
    run.script.PrepareStep();
}

} // namespace listrider::engine
