// A submission run over 2,000 sites of two instant GET steps each, against 4,000 bare
// SendStepRequest calls on the same loopback server; and the two per-site rewrites of the run
// (the status file and the journal) measured on their own.
#include <chrono>
#include <filesystem>
#include <map>
#include <string>
#include <thread>

#include <benchmark/benchmark.h>
#include <unistd.h>

#include "engine/journal.h"
#include "engine/run_driver.h"
#include "engine/run_script.h"
#include "page_server.h"
#include "sites/site_database_builder.h"
#include "sites/site_status.h"
#include "store/installation_config.h"

namespace {

namespace fs = std::filesystem;
using namespace listrider;

constexpr int kSites = 2000;

bench::PageServer& Server()
{
    static bench::PageServer server("<html>Thank you " + std::string(1000, 'x') + "</html>");
    return server;
}

std::string Step(int onSuccess)
{
    return "step\r\n-\r\n-\r\nHTTP\r\n" + Server().HostPort() +
           "\r\n/page\r\nGET\r\nLoading page\r\nid\r\n1\r\n@\r\n-\r\n-2"
           "\r\n-\r\n-\r\n-\r\n" +
           std::to_string(onSuccess) + "\r\nThank you\r\n-";
}

// The sites and the product folder, built once.
struct Workspace
{
    fs::path root = fs::temp_directory_path() / ("listrider-run-bench-" + std::to_string(::getpid()));
    store::InstallationConfig config = store::DefaultInstallationConfig();

    Workspace()
    {
        fs::remove_all(root);
        sites::SiteDatabaseSource source;
        for (int i = 0; i < kSites; ++i) {
            sites::SiteSource site;
            site.name = "Site" + std::to_string(i);
            site.header = {"<SITENAME>" + site.name + "</SITENAME>"};
            site.members = {{"sub", Step(1)}, {"1", Step(-1)}};
            source.sites.push_back(site);
        }
        if (!sites::BuildSiteDatabase(source, root, config.GetSiteKey())) {
            std::abort();
        }
    }

    ~Workspace() { fs::remove_all(root); }
};

Workspace& Space()
{
    static Workspace workspace;
    return workspace;
}

// The steps hold no macros; the run's script language has nothing to do.
class PlainScript final : public engine::RunScript
{
public:
    void StartRun(const catalogue::ProductValues&, const std::string&) override {}

    void StartSite(int, const catalogue::AccountsList&) override {}

    engine::StepCategories& Categories() override { return m_categories; }

    void PrepareStep() override {}

    const store::NarrowMacroResolver& Resolver() override { return m_resolve; }

    store::Result<engine::StepCommandsOutcome>
    RunCommands(std::span<const std::string>, std::vector<std::string>&, std::vector<std::string>&) override
    {
        return engine::StepCommandsOutcome{};
    }

    void ExpandOsMultiSelect(std::vector<std::string>&, std::vector<std::string>&) override {}

    void ExpandFields(std::vector<std::string>&, std::vector<std::string>&, std::string&) override {}

    void RecordRequestPage(const fs::path&) override {}

    void RecordSuccessPage(std::string) override {}

    std::span<std::string> Custom() override { return m_custom; }

    void CleanFoundValues(const sites::SitesR&) override {}

    void ApplyStatsSum(std::string_view) override {}

    std::optional<store::Error> TakeFailure() override { return std::nullopt; }

private:
    engine::StepCategories m_categories;
    store::NarrowMacroResolver m_resolve = [](std::string_view token, std::string& out) {
        out += token;
    };
    std::array<std::string, 10> m_custom{};
};

class NullView final : public engine::RunView
{
public:
    void Apply(const engine::RunEvent&) override {}

    void ShowProgress(const std::string&) override {}
};

void BM_RunOver2000Sites(benchmark::State& state)
{
    Workspace& space = Space();
    for (auto _ : state) {
        state.PauseTiming();
        fs::remove_all(space.root / "Submits");
        fs::remove_all(space.root / "Products");
        const fs::path product = space.root / "Products" / "Acme" / "Zipper";
        fs::create_directories(product);
        sites::SiteTable table = sites::LoadSites(space.root);
        sites::ClearSites(table);
        sites::ScratchDir scratch(space.root);
        sites::SitePackages packages(space.root, scratch);
        engine::RunInputs inputs;
        inputs.workspace = space.root;
        inputs.scratchDir = scratch.Path();
        inputs.productFolder = product;
        inputs.productName = "Zipper";
        inputs.productVersion = "1.0";
        inputs.table = &table;
        inputs.packages = &packages;
        inputs.config = space.config;
        inputs.prefs.validateLinks = false;
        inputs.today = store::Today();
        engine::SubmissionState submission;
        for (const sites::SitesR& site : table.sites) {
            submission.checked.push_back(site.Name);
        }
        submission.page1.counters.left = kSites;
        NullView view;
        engine::RunControl control;
        PlainScript script;
        state.ResumeTiming();
        engine::TProgressWindow run(inputs, submission, view, control, script);
        run.Execute();
        if (submission.page1.counters.successful != kSites) {
            state.SkipWithError("a site failed");
        }
    }
}

void BM_Bare4000Requests(benchmark::State& state)
{
    const fs::path dir = Space().root / "bare";
    engine::RequestComposer composer;
    for (auto _ : state) {
        state.PauseTiming();
        fs::remove_all(dir);
        fs::create_directories(dir);
        state.ResumeTiming();
        for (int i = 0; i < 2 * kSites; ++i) {
            engine::StepRequest step{
                Server().HostPort(),
                "/page",
                "GET",
                {"id"},
                {"1"},
                dir / ("Site" + std::to_string(i / 2) + ".htm" + std::to_string(i % 2 + 1)),
                "s"};
            composer.RecreateHTTP();
            const auto sent = composer.SendStepRequest(step, {"Site", false}, {});
            if (!sent || !sent.Value()) {
                state.SkipWithError("a request failed");
                break;
            }
        }
    }
}

// The status file of 2,000 sites rewritten once per site, as the run does.
void BM_StatusRewrites(benchmark::State& state)
{
    Workspace& space = Space();
    sites::SiteTable table = sites::LoadSites(space.root);
    sites::ClearSites(table);
    const fs::path folder = space.root / "status";
    fs::create_directories(folder);
    for (auto _ : state) {
        for (int i = 0; i < kSites; ++i) {
            table.sites[static_cast<std::size_t>(i)].Submitted = "45000.5";
            if (!sites::SaveSites(table, folder, store::Durability::Ordered)) {
                state.SkipWithError("cannot write");
            }
        }
    }
}

// The journal rewritten once per site with the rows of a 2,000-site run growing.
void BM_JournalRewrites(benchmark::State& state)
{
    const fs::path folder = Space().root / "journal";
    for (auto _ : state) {
        state.PauseTiming();
        fs::remove_all(folder);
        engine::SubmissionState submission;
        for (int i = 0; i < kSites; ++i) {
            submission.selected.push_back("Site" + std::to_string(i));
        }
        engine::RunJournal journal(folder);
        state.ResumeTiming();
        for (int i = 0; i < kSites; ++i) {
            const std::string site = "Site" + std::to_string(i);
            submission.page1.log.push_front({"12:00:00", site, "Done"});
            submission.page1.details.push_front({"12:00:00", site, "Loading page", "Done"});
            submission.page1.details.push_front({"12:00:00", site, "Loading page", "Done"});
            submission.position = static_cast<std::size_t>(i + 1);
            const std::vector<engine::PendingAppend> appends = {{folder / "Result.txt", site + " - Done"}};
            if (!journal.Save(submission, engine::WizardPage::MainSubmit, appends)) {
                state.SkipWithError("cannot write");
            }
        }
    }
}

BENCHMARK(BM_RunOver2000Sites)->Unit(benchmark::kMillisecond)->Iterations(2);
BENCHMARK(BM_Bare4000Requests)->Unit(benchmark::kMillisecond)->Iterations(2);
BENCHMARK(BM_StatusRewrites)->Unit(benchmark::kMillisecond)->Iterations(2);
BENCHMARK(BM_JournalRewrites)->Unit(benchmark::kMillisecond)->Iterations(2);

} // namespace
