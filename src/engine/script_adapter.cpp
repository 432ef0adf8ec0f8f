// The run's script language: the run values, macro expansion, value mappings and text commands
// behind the run driver's RunScript.
#include "engine/custom_value_cleaning.h"
#include "engine/listing_values.h"
#include "engine/macro_resolver.h"
#include "engine/run_script_factory.h"
#include "engine/run_values.h"
#include "engine/text_commands.h"
#include "engine/value_mappings.h"

namespace listrider::engine {
namespace {

class ScriptAdapter final : public RunScript
{
public:
    ScriptAdapter(const sites::SiteTable& table, const store::InstallationConfig& config)
        : m_environment(MakeRunEnvironment(table, config))
    {
        m_resolve = MacroResolverFor(m_values);
    }

    void StartRun(const catalogue::ProductValues& values, const std::string& localIp) override
    {
        PrepareRunValues(m_values, values, m_environment);
        m_values.localIp = localIp;
    }

    void StartSite(int position, const catalogue::AccountsList& accounts) override
    {
        StartSiteValues(m_values, position, accounts);
        m_pages.StartSite();
    }

    StepCategories& Categories() override { return m_values.categories; }

    void PrepareStep() override { PrepareStepValues(m_values); }

    const store::NarrowMacroResolver& Resolver() override { return m_resolve; }

    store::Result<StepCommandsOutcome> RunCommands(std::span<const std::string> commandLines,
                                                   std::vector<std::string>& names,
                                                   std::vector<std::string>& values) override
    {
        const TextCommandContext context{m_pages, m_values.custom, m_resolve};
        store::Result<TextCommandOutcome> ran = RunTextCommands(commandLines, names, values, context);
        if (!ran) {
            return ran.GetError();
        }
        const TextCommandOutcome& outcome = ran.Value();
        return StepCommandsOutcome{
            outcome.result, outcome.path, outcome.method, outcome.capturedLogin, outcome.capturedPassword};
    }

    void ExpandOsMultiSelect(std::vector<std::string>& names, std::vector<std::string>& values) override
    {
        engine::ExpandOsMultiSelect(m_values, names, values);
    }

    void ExpandFields(std::vector<std::string>& names,
                      std::vector<std::string>& values,
                      std::string& path) override
    {
        ExpandStepFields(m_values, names, values, path);
    }

    void RecordRequestPage(const std::filesystem::path& savedPage) override
    {
        m_pages.previousPage = savedPage;
    }

    void RecordSuccessPage(std::string normalizedPage) override
    {
        m_pages.lastSuccessPage = std::move(normalizedPage);
    }

    std::span<std::string> Custom() override { return std::span<std::string>(m_values.custom.data(), 10); }

    void CleanFoundValues(const sites::SitesR&) override { engine::CleanFoundValues(m_values); }

    void ApplyStatsSum(std::string_view statsSum) override
    {
        engine::ApplyStatsSum(std::span<std::string>(m_values.custom.data(), 10), statsSum);
    }

    std::optional<store::Error> TakeFailure() override
    {
        return std::exchange(m_values.failure, std::nullopt);
    }

private:
    RunEnvironment m_environment;
    RunValues m_values;
    TextCommandPages m_pages;
    store::NarrowMacroResolver m_resolve;
};

} // namespace

std::unique_ptr<RunScript> MakeRunScript(const sites::SiteTable& table,
                                         const store::InstallationConfig& config)
{
    return std::make_unique<ScriptAdapter>(table, config);
}

} // namespace listrider::engine
