// A small run set-up for the driver tests: a site database built from step texts, a recording
// view, and a stand-in for the script language that knows a few macros.
#pragma once

#include <filesystem>
#include <map>
#include <mutex>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "engine/run_driver.h"
#include "engine/run_script.h"
#include "engine/run_view.h"
#include "sites/site_database_builder.h"
#include "sites/site_packages.h"
#include "sites/site_status.h"
#include "store/installation_config.h"
#include "store/text_helpers.h"

namespace listrider::engine::testing {

/// Returns a web step: lines 0-2, HTTP, host, path, method, action, fields, "@", branches.
inline std::string WebStep(const std::string& host,
                           const std::string& path,
                           int onSuccess,
                           const std::string& successText,
                           int onFailure = -2,
                           const std::string& action = "Loading page",
                           const std::vector<std::string>& commands = {},
                           const std::string& method = "GET")
{
    std::string text = "step\r\n-\r\n-\r\nHTTP\r\n" + host + "\r\n" + path + "\r\n" + method + "\r\n" +
                       action + "\r\n@\r\n-\r\n" + std::to_string(onFailure) + "\r\n-\r\n-\r\n-\r\n" +
                       std::to_string(onSuccess) + "\r\n" + successText + "\r\n-";
    for (const std::string& line : commands) {
        text += "\r\n" + line;
    }
    return text;
}

/// Returns an e-mail step to the recipient.
inline std::string MailStep(const std::string& recipient, const std::vector<std::string>& body)
{
    std::string text =
        "step\r\n-\r\n-\r\nEMAIL\r\n" + recipient + "\r\nNew program |ProgramName|\r\nSending e-mail";
    for (const std::string& line : body) {
        text += "\r\n" + line;
    }
    return text + "\r\n@";
}

/// Stands in for the script language: a table of macro values, |Custom1|..|Custom10|, and one
/// command "SET" whose operand "|CustomN| value" sets a custom value.
class FakeScript final : public RunScript
{
public:
    FakeScript()
    {
        m_resolve = [this](std::string_view token, std::string& out) {
            const std::string name(token.substr(1, token.size() - 2));
            if (name.starts_with("Custom")) {
                const int index = std::atoi(name.c_str() + 6);
                if (index >= 1 && index <= 10) {
                    out += m_custom[static_cast<std::size_t>(index - 1)];
                    return;
                }
            }
            const auto found = macros.find(name);
            out += found != macros.end() ? found->second : std::string(token);
        };
    }

    std::map<std::string, std::string> macros{{"ProgramName", "Zipper"}};
    int sitesStarted = 0;

    void StartRun(const catalogue::ProductValues&, const std::string&) override {}

    void StartSite(int, const catalogue::AccountsList&) override
    {
        ++sitesStarted;
        m_custom = {};
    }

    StepCategories& Categories() override { return m_categories; }

    void PrepareStep() override {}

    const store::NarrowMacroResolver& Resolver() override { return m_resolve; }

    store::Result<StepCommandsOutcome> RunCommands(std::span<const std::string> lines,
                                                   std::vector<std::string>&,
                                                   std::vector<std::string>&) override
    {
        StepCommandsOutcome outcome;
        for (std::size_t i = 0; i + 1 < lines.size(); i += 2) {
            if (lines[i] == "SET") {
                const std::string& operand = lines[i + 1];
                const std::size_t space = operand.find(' ');
                const int index = std::atoi(operand.c_str() + 7);
                m_custom[static_cast<std::size_t>(index - 1)] = operand.substr(space + 1);
            }
        }
        return outcome;
    }

    void ExpandOsMultiSelect(std::vector<std::string>&, std::vector<std::string>&) override {}

    void ExpandFields(std::vector<std::string>& names,
                      std::vector<std::string>& values,
                      std::string& path) override
    {
        for (std::string& value : values) {
            value = store::SubstituteMacros(value, m_resolve);
        }
        for (std::string& name : names) {
            name = store::SubstituteMacros(name, m_resolve);
        }
        path = store::SubstituteMacros(path, m_resolve);
    }

    void RecordRequestPage(const std::filesystem::path&) override {}

    void RecordSuccessPage(std::string) override {}

    std::span<std::string> Custom() override { return m_custom; }

    void CleanFoundValues(const sites::SitesR&) override
    {
        for (std::size_t i = 0; i < 5; ++i) {
            m_custom[i] = store::TrimTrailingSpaces(store::TrimLeadingSpaces(m_custom[i]));
        }
    }

    void ApplyStatsSum(std::string_view) override {}

    std::optional<store::Error> TakeFailure() override { return std::nullopt; }

private:
    store::NarrowMacroResolver m_resolve;
    StepCategories m_categories;
    std::array<std::string, 10> m_custom{};
};

/// Records every event; Apply is thread-safe (the watchdog's label comes from its own thread).
class RecordingView final : public RunView
{
public:
    void Apply(const RunEvent& event) override
    {
        std::lock_guard lock(m_mutex);
        events.push_back(event);
        if (const auto* status = std::get_if<run_event::Status>(&event)) {
            statuses.push_back(status->text);
        }
        if (const auto* message = std::get_if<run_event::Message>(&event)) {
            messages.push_back(message->text);
        }
        if (const auto* finished = std::get_if<run_event::RunFinished>(&event)) {
            nextStep = finished->nextStep;
            crashed = finished->crashed;
        }
        if (onEvent) {
            onEvent(event);
        }
    }

    void ShowProgress(const std::string&) override {}

    std::vector<RunEvent> events;
    std::vector<std::string> statuses;
    std::vector<std::string> messages;
    int nextStep = -1;
    bool crashed = false;
    std::function<void(const RunEvent&)> onEvent;

private:
    std::mutex m_mutex;
};

/// A workspace with a built site database and a product folder, ready for a run.
struct RunWorkspace
{
    std::filesystem::path root;
    sites::SiteTable table;
    std::unique_ptr<sites::ScratchDir> scratch;
    std::unique_ptr<sites::SitePackages> packages;
    RunInputs inputs;

    /// Builds the sites: name -> members (extension -> text).
    void Build(const std::vector<std::pair<std::string, std::map<std::string, std::string>>>& siteMembers,
               const std::vector<std::string>& extraHeader = {})
    {
        sites::SiteDatabaseSource source;
        for (const auto& [name, members] : siteMembers) {
            sites::SiteSource site;
            site.name = name;
            site.header = {"<SITENAME>" + name + "</SITENAME>"};
            site.header.insert(site.header.end(), extraHeader.begin(), extraHeader.end());
            for (const auto& [extension, text] : members) {
                site.members.push_back(sites::SourceMember{extension, text});
            }
            source.sites.push_back(site);
        }
        const store::InstallationConfig config = store::DefaultInstallationConfig();
        const store::Result<sites::BuildReport> built =
            sites::BuildSiteDatabase(source, root, config.GetSiteKey());
        ASSERT_TRUE(built.HasValue()) << built.GetError().message;
        table = sites::LoadSites(root);
        sites::ClearSites(table);
        scratch = std::make_unique<sites::ScratchDir>(root);
        packages = std::make_unique<sites::SitePackages>(root, *scratch);
        inputs.workspace = root;
        inputs.scratchDir = scratch->Path();
        inputs.productFolder = root / "Products" / "Acme" / "Zipper";
        std::filesystem::create_directories(inputs.productFolder);
        inputs.productName = "Zipper";
        inputs.productVersion = "1.0";
        inputs.table = &table;
        inputs.packages = packages.get();
        inputs.config = config;
        inputs.prefs.validateLinks = false;
        inputs.prefs.doNotUseSmtp = true;
        inputs.localAddresses = {"127.0.0.1"};
        inputs.today = store::Today();
        inputs.values.company.contactFirstName = "Ann";
        inputs.values.company.generalEmail = "ann@example.com";
    }

    const sites::SitesR& Site(const std::string& name) const
    {
        return table.sites[static_cast<std::size_t>(sites::FindDBIndex(table, name))];
    }
};

} // namespace listrider::engine::testing
