#include "companions/stats_tracker.h"

#include <cmath>

#include "companions/stats_macros.h"
#include "companions/stats_results.h"
#include "companions/worker_guard.h"
#include "engine/http_settings.h"
#include "engine/request_composer.h"
#include "engine/result_folder.h"
#include "engine/run_values.h"
#include "engine/script_step.h"
#include "engine/step_referrer.h"
#include "engine/success_test.h"
#include "engine/text_commands.h"
#include "sites/site_status.h"
#include "store/file_system.h"
#include "store/text_helpers.h"

namespace listrider::companions {
namespace {

namespace fs = std::filesystem;

bool IsEndCode(int step)
{
    return step == engine::kStepSuccess || step == engine::kStepFailure || step == engine::kStepPending;
}

// How a site's step loop ended.
struct SiteRun
{
    int step = 0;
    bool error = false;    ///< the stats error flag: the stored values stay
    bool noResult = false; ///< a step on another channel ended the site
    bool stopRun = false;
};

class StatsRun
{
public:
    StatsRun(StatsInputs& inputs, StatsView& view, engine::RunControl& control)
        : m_in(inputs)
        , m_view(view)
        , m_control(control)
        , m_key(inputs.config.GetSiteKey())
        , m_macros(m_values)
    {
        // A stats run in its own process has no earlier run to inherit its values from.
        engine::RunEnvironment environment = engine::MakeRunEnvironment(*m_in.table, m_in.config);
        environment.today = m_in.today;
        engine::PrepareRunValues(m_values, m_in.values, std::move(environment));
        m_values.localIp = m_in.localIp;
        m_macros.StartRun();
        m_composer.SetMacroResolver(m_macros.Resolver());
        m_composer.SetProxy(engine::HttpProxyFromPrefs(m_in.prefs));
        m_composer.SetTransferControl(&m_control.Transfer());
        m_composer.SetRules(engine::RequestRules{true, true, true});
        m_timeout = m_in.requestTimeout.count() > 0
                        ? m_in.requestTimeout
                        : std::chrono::milliseconds(std::chrono::seconds(m_in.prefs.httpExpire));
        m_folder = fs::path(
            engine::ResultFolder(m_in.workspace, m_in.values.program.name, m_in.today).string() + "_STAT");
    }

    StatsOutcome Run()
    {
        std::vector<std::string> selection;
        for (StatRow& row : *m_in.rows) {
            if (row.image == stats_images::kProcessing) {
                row.image = stats_images::kNone;
            }
            if (row.checked) {
                selection.push_back(row.site);
            }
        }
        m_outcome.selected = selection.size();
        m_view.ShowProgress(0, "0% Complete");
        for (const std::string& site : selection) {
            if (m_control.StopRequested()) {
                break;
            }
            if (!RunSite(site)) {
                break;
            }
        }
        m_outcome.stopped = m_control.StopRequested();
        return m_outcome;
    }

private:
    StatRow* RowOf(const std::string& site)
    {
        for (StatRow& row : *m_in.rows) {
            if (row.site == site) {
                return &row;
            }
        }
        return nullptr;
    }

    // Returns false when the run is to end.
    bool RunSite(const std::string& name)
    {
        const int position = sites::FindDBIndex(*m_in.table, name);
        StatRow* row = RowOf(name);
        if (position < 0 || row == nullptr) {
            return true;
        }
        row->image = stats_images::kProcessing;
        m_view.RowChanged(*row);
        if (m_in.packages != nullptr) {
            m_in.packages->LoadCurrentSite(*m_in.table, name);
        }
        m_control.BeginSite();
        m_composer.ClearCookie();
        engine::StartSiteValues(m_values, position, m_in.accounts);
        m_pages.StartSite();
        m_view.ShowCurrentSite(store::DoubleAmpersands(name), kCollectingStats);

        const SiteRun ran = StepLoop(name, position);
        if (ran.stopRun) {
            row->image = stats_images::kNone;
            m_view.RowChanged(*row);
            return false;
        }
        sites::SitesR& record = m_in.table->sites[static_cast<std::size_t>(position)];
        if (!ran.noResult) {
            if (ran.step == engine::kStepSuccess) {
                StoreStatsResult(m_values, record);
                ++m_outcome.withResult;
            } else if (ran.step == engine::kStepFailure) {
                StoreStatsFailure(record, ran.error);
            } else if (ran.step == engine::kStepPending) {
                m_outcome.pending.push_back(name);
            }
        }
        (void)sites::SaveSites(*m_in.table, m_in.productFolder);
        const bool failed = ran.step == engine::kStepFailure && ran.error;
        *row = StatRowOf(record);
        row->image = failed ? stats_images::kError : stats_images::kDone;
        row->checked = false;
        m_view.RowChanged(*row);
        m_view.ShowSummary(RefreshSummaries(*m_in.rows, *m_in.table, m_in.values.program.version));
        ++m_outcome.processed;
        const int percent = static_cast<int>(std::lround(static_cast<double>(m_outcome.processed) * 100.0 /
                                                         static_cast<double>(m_outcome.selected)));
        m_view.ShowProgress(percent, std::to_string(percent) + "% Complete");
        return true;
    }

    SiteRun StepLoop(const std::string& name, int position)
    {
        SiteRun site;
        int requestNumber = 0;
        const sites::SitesR& record = m_in.table->sites[static_cast<std::size_t>(position)];
        while (!IsEndCode(site.step)) {
            if (m_control.StopRequested()) {
                site.stopRun = true;
                return site;
            }
            ++requestNumber;
            const std::string stepFile =
                engine::StepFileName(m_in.scratchDir, name, site.step, /*searchActive=*/true);
            const engine::StepSources sources{*m_in.table, m_key, m_macros.Resolver()};
            store::Result<engine::LoadedStep> loaded =
                engine::LoadStep(stepFile, sources, m_values.categories);
            if (!loaded) {
                site.step = engine::kStepFailure;
                site.error = true;
                m_control.SetOutcome(engine::Outcome::Error);
                return site;
            }
            engine::PrepareStepValues(m_values);
            m_macros.StartStep();
            std::error_code ec;
            fs::create_directory(m_folder, ec);
            if (!m_in.config.statsDashedSite.empty() && name == m_in.config.statsDashedSite) {
                m_values.custom[9] = catalogue::NameWithDashes(m_values.product.program.name);
            }
            engine::LoadedStep& step = loaded.Value();
            if (step.channel != "HTTP") {
                site.noResult = true;
                return site;
            }
            RunStep(site, step, record, stepFile, requestNumber);
        }
        return site;
    }

    void RunStep(SiteRun& site,
                 engine::LoadedStep& step,
                 const sites::SitesR& record,
                 const std::string& stepFile,
                 int requestNumber)
    {
        if (engine::HasTextCommands(step.commands)) {
            const engine::TextCommandContext context{
                m_pages, m_values.custom, m_macros.Resolver(), engine::VersionRules{true}};
            store::Result<engine::TextCommandOutcome> ran =
                engine::RunTextCommands(step.commands, step.names, step.values, context);
            if (!ran) {
                site.step = engine::kStepFailure;
                site.error = true;
                m_control.SetOutcome(engine::Outcome::Error);
                return;
            }
            if (ran.Value().Failed()) {
                site.step = step.onFailure;
                return;
            }
            if (!ran.Value().path.empty()) {
                step.path += (ran.Value().path.starts_with('/') ? "" : "/") + ran.Value().path;
                if (step.method.empty()) {
                    step.method = ran.Value().method;
                }
            }
        }
        for (std::string& value : step.values) {
            value = m_macros.Expand(value);
        }
        for (std::string& fieldName : step.names) {
            fieldName = m_macros.Expand(fieldName);
        }
        std::string path = m_macros.Expand(step.path);
        const std::string referrer =
            engine::StepReferrer(*m_in.table, record, site.step, m_key, m_macros.Resolver());
        const engine::Outcome outcome = m_control.GetOutcome();
        if (outcome == engine::Outcome::Abort) {
            site.stopRun = true;
            return;
        }
        if (outcome == engine::Outcome::Skip) {
            site.step = engine::kStepFailure;
            return;
        }
        const fs::path page = m_folder / (record.Name + ".htm" + std::to_string(requestNumber));
        m_control.BeginTransfer();
        m_control.ArmWatchdog(m_timeout);
        m_composer.RecreateHTTP();
        m_composer.SetReferrer(referrer);
        engine::StepRequest request{step.host, path, step.method, step.names, step.values, page, stepFile};
        const store::Result<bool> sent =
            m_composer.SendStepRequest(request, engine::SiteFacts{record.Name, record.HasPrb}, {});
        m_control.DisarmWatchdog();
        m_pages.previousPage = page;
        if (!sent || !sent.Value()) {
            site.step = engine::kStepFailure;
            site.error = true;
            m_control.SetOutcome(engine::Outcome::Error);
        }
        if (m_control.StopRequested()) {
            site.stopRun = true;
            return;
        }
        // An error page (404, 500) says nothing about the listing: the stored values stay.
        if ((m_composer.HttpErrorCode() != 0 && !m_composer.HttpErrorText().empty()) ||
            m_composer.StatusCode() >= 400) {
            site.error = true;
        }
        if (store::FileSizeOf(page) == 0) {
            site.error = true;
            m_control.SetOutcome(engine::Outcome::Error);
        }
        if (m_control.GetOutcome() == engine::Outcome::None && site.step == engine::kStepFailure &&
            stepFile.ends_with(".150")) {
            site.error = true;
            m_control.SetOutcome(engine::Outcome::Error);
        }
        if (site.step >= 0) {
            const engine::SuccessVerdict verdict =
                engine::IsSuccessPage(page, step.successText, step.failureText, m_macros.Resolver());
            if (verdict.normalizedPage) {
                m_pages.lastSuccessPage = *verdict.normalizedPage;
            }
            site.step = verdict.success ? step.onSuccess : step.onFailure;
        }
    }

    StatsInputs& m_in;
    StatsView& m_view;
    engine::RunControl& m_control;
    store::SiteKey m_key;
    engine::RunValues m_values;
    StatsMacros m_macros;
    engine::TextCommandPages m_pages;
    engine::RequestComposer m_composer;
    std::chrono::milliseconds m_timeout{0};
    fs::path m_folder;
    StatsOutcome m_outcome;
};

} // namespace

TStats::TStats(StatsInputs& inputs, StatsView& view, engine::RunControl& control)
    : m_in(inputs)
    , m_view(view)
    , m_control(control)
{}

StatsOutcome TStats::Execute()
{
    return RunGuarded(
        [this] {
            StatsRun run(m_in, m_view, m_control);
            return run.Run();
        },
        [](const std::string& what) {
            StatsOutcome outcome;
            outcome.crash = what;
            return outcome;
        });
}

} // namespace listrider::companions
