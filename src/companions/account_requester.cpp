#include "companions/account_requester.h"

#include "companions/date_texts.h"
#include "companions/request_candidates.h"
#include "companions/worker_guard.h"
#include "engine/http_settings.h"
#include "engine/macro_resolver.h"
#include "engine/request_composer.h"
#include "engine/run_values.h"
#include "engine/script_step.h"
#include "engine/step_referrer.h"
#include "engine/success_test.h"
#include "engine/text_commands.h"
#include "sites/site_file_lines.h"
#include "store/ascii.h"
#include "store/file_system.h"
#include "store/text_helpers.h"

namespace listrider::companions {
namespace {

namespace fs = std::filesystem;

constexpr int kPreparationStep = 98;
constexpr int kRequestStep = 99;

std::string Trimmed(std::string_view text)
{
    return store::TrimTrailingSpaces(store::TrimLeadingSpaces(text));
}

// The state of one run, kept apart from the inputs so that a run starts afresh.
class RequestRun
{
public:
    RequestRun(RequesterInputs& inputs, RequesterView& view, engine::RunControl& control)
        : m_in(inputs)
        , m_view(view)
        , m_control(control)
        , m_key(inputs.config.GetSiteKey())
        , m_folder(inputs.workspace / "Request")
    {
        engine::PrepareRunValues(m_values, m_in.values, engine::MakeRunEnvironment(*m_in.table, m_in.config));
        m_resolve = engine::MacroResolverFor(m_values);
        m_composer.SetMacroResolver(m_resolve);
        m_composer.SetProxy(engine::HttpProxyFromPrefs(m_in.prefs));
        m_composer.SetTransferControl(&m_control.Transfer());
        m_timeout = m_in.requestTimeout.count() > 0
                        ? m_in.requestTimeout
                        : std::chrono::milliseconds(std::chrono::seconds(m_in.prefs.httpExpire));
    }

    RequesterOutcome Run()
    {
        RequesterOutcome outcome;
        (void)store::ForceDirectories(m_folder);
        const std::vector<std::string> sites = RequestableSites(*m_in.table, m_in.sites);
        const catalogue::AccountsList none;
        m_candidates = GatherRequestCandidates(m_values.product.company,
                                               m_in.wizardEmailLogin,
                                               m_in.accounts != nullptr ? *m_in.accounts : none);
        m_requestsTotal = static_cast<long long>(m_candidates.emails.size() * sites.size());
        for (const std::string& site : sites) {
            if (m_control.StopRequested()) {
                break;
            }
            if (RunSite(site)) {
                outcome.doneSites.push_back(site);
            }
        }
        outcome.stopped = m_control.StopRequested();
        outcome.message = std::string(outcome.stopped ? kRequestAborted : kRequestRetrieved);
        Save();
        return outcome;
    }

private:
    // Returns whether the site reads "Done".
    bool RunSite(const std::string& name)
    {
        m_composer.ClearCookie();
        m_view.SiteStarted(name);
        if (m_in.packages != nullptr) {
            m_in.packages->LoadCurrentSite(*m_in.table, name);
        }
        const int position = sites::FindDBIndex(*m_in.table, name);
        if (position < 0) {
            m_view.SiteResult(name, kRequestNotFound);
            return false;
        }
        const catalogue::AccountsList none;
        engine::StartSiteValues(m_values, position, m_in.accounts != nullptr ? *m_in.accounts : none);
        m_pages.StartSite();
        const sites::SitesR& record = m_in.table->sites[static_cast<std::size_t>(position)];

        bool prepared = false;
        if (!record.Steps.Get(kPreparationStep).empty()) {
            if (std::optional<engine::LoadedStep> step = Load(name, kPreparationStep)) {
                Send(*step, record, kPreparationStep, m_folder / (name + ".htm0"));
                prepared = true;
                if (m_control.StopRequested()) {
                    return false;
                }
            }
        }
        std::optional<engine::LoadedStep> step;
        if (!record.Steps.Get(kRequestStep).empty()) {
            step = Load(name, kRequestStep);
        }
        if (!step) {
            m_view.SiteResult(name, kRequestNotFound);
            return false;
        }
        if (prepared && !RunPreparedCommands(*step, m_folder / (name + ".htm0"))) {
            m_view.SiteResult(name, kRequestNotFound);
            return false;
        }
        const bool done = Ask(*step, record);
        if (done) {
            MarkRequested(name);
        }
        m_view.SiteResult(name, done ? kRequestDone : kRequestNotFound);
        return done;
    }

    // Tries every candidate; returns whether a success test passed.
    bool Ask(const engine::LoadedStep& step, const sites::SitesR& record)
    {
        const std::string text =
            store::JoinLines(sites::SiteFileLines(*m_in.table, record.Name + ".99", true, m_key));
        const bool perLogin = store::ContainsNoCase(text, "RequestLogin");
        const bool perCandidate = text.find("|RequestEmail|") != std::string::npos ||
                                  text.find("|RequestLogin|") != std::string::npos;
        const bool echoesAccount = !m_in.config.requesterEchoSite.empty() &&
                                   record.Name.find(m_in.config.requesterEchoSite) != std::string::npos;
        bool success = false;
        int number = 0;
        for (const std::string& email : m_candidates.emails) {
            ++m_requestsCounted;
            m_values.requestEmail = email;
            if (perLogin) {
                for (const std::string& login : m_candidates.logins) {
                    m_values.requestLogin = login;
                    const fs::path page = PagePath(record.Name, ++number);
                    success = Tried(step, record, page) || success;
                    if (m_control.StopRequested()) {
                        break;
                    }
                }
            } else {
                const fs::path page = PagePath(record.Name, ++number);
                if (echoesAccount) {
                    Send(step, record, kRequestStep, page);
                    TakeShownAccount(record.Name, page);
                } else {
                    success = Tried(step, record, page) || success;
                }
            }
            ShowProgress();
            if (m_control.StopRequested() || !perCandidate) {
                break;
            }
        }
        return success;
    }

    fs::path PagePath(const std::string& site, int number) const
    {
        return m_folder / (site + ".htm" + std::to_string(number));
    }

    // Sends one request and applies the success test; a request without an answer fails.
    bool Tried(const engine::LoadedStep& step, const sites::SitesR& record, const fs::path& page)
    {
        if (!Send(step, record, kRequestStep, page)) {
            return false;
        }
        return engine::IsSuccessPage(page, step.successText, step.failureText, m_resolve).success;
    }

    std::optional<engine::LoadedStep> Load(const std::string& site, int number)
    {
        const engine::StepSources sources{*m_in.table, m_key, m_resolve};
        const std::string file = engine::StepFileName(m_in.scratchDir, site, number, /*searchActive=*/false);
        store::Result<engine::LoadedStep> loaded = engine::LoadStep(file, sources, m_values.categories);
        if (!loaded || !loaded.Value().IsWeb()) {
            return std::nullopt;
        }
        engine::PrepareStepValues(m_values);
        return std::move(loaded.Value());
    }

    // The request step may take values (form tokens) from the preparation page.
    bool RunPreparedCommands(engine::LoadedStep& step, const fs::path& preparationPage)
    {
        if (!engine::HasTextCommands(step.commands)) {
            return true;
        }
        m_pages.previousPage = preparationPage;
        const engine::TextCommandContext context{m_pages, m_values.custom, m_resolve};
        store::Result<engine::TextCommandOutcome> ran =
            engine::RunTextCommands(step.commands, step.names, step.values, context);
        if (!ran) {
            return false;
        }
        if (!ran.Value().path.empty()) {
            step.path += (ran.Value().path.starts_with('/') ? "" : "/") + ran.Value().path;
            if (step.method.empty()) {
                step.method = ran.Value().method;
            }
        }
        return true;
    }

    // The fields are expanded for each request, after both candidates are set, so that every
    // request carries its own e-mail address and login.
    bool Send(const engine::LoadedStep& step, const sites::SitesR& record, int number, const fs::path& page)
    {
        std::vector<std::string> names = step.names;
        std::vector<std::string> fields = step.values;
        std::string path = step.path;
        engine::ExpandStepFields(m_values, names, fields, path);
        m_composer.RecreateHTTP();
        m_composer.SetReferrer(engine::StepReferrer(*m_in.table, record, number, m_key, m_resolve));
        m_control.BeginSite(); // a timeout of the last request is over
        m_control.BeginTransfer();
        m_control.ArmWatchdog(m_timeout);
        engine::StepRequest request{
            step.host, path, step.method, names, fields, page, page.filename().string()};
        const store::Result<bool> sent =
            m_composer.SendStepRequest(request, engine::SiteFacts{record.Name, record.HasPrb}, {});
        m_control.DisarmWatchdog();
        // An error page (404, 500) is no answer to the request either.
        return sent && sent.Value() && !m_control.TimedOut() && m_composer.StatusCode() < 400;
    }

    // The one site that shows the account in its answer: login and password go straight into
    // the accounts list.
    void TakeShownAccount(const std::string& site, const fs::path& page)
    {
        static const std::vector<std::string> kCommands = {
            "EXTRACTTEXT", "UserName: |Custom7|", "EXTRACTTEXT", "Password: |Custom8|"};
        m_values.custom[6].clear();
        m_values.custom[7].clear();
        m_pages.previousPage = page;
        std::vector<std::string> names;
        std::vector<std::string> fields;
        const engine::TextCommandContext context{m_pages, m_values.custom, m_resolve};
        if (!engine::RunTextCommands(kCommands, names, fields, context)) {
            return;
        }
        const std::string login = Trimmed(m_values.custom[6]);
        const std::string password = Trimmed(m_values.custom[7]);
        if (login.empty() || password.empty() || m_in.accounts == nullptr) {
            return;
        }
        if (catalogue::AccountRow* row = m_in.accounts->FindExact(site)) {
            row->login = login;
            row->password = password;
            m_in.accounts->copyToSiteList = true;
            Save();
        }
    }

    void MarkRequested(const std::string& site)
    {
        if (m_in.accounts == nullptr) {
            return;
        }
        if (catalogue::AccountRow* row = m_in.accounts->FindExact(site)) {
            row->requested = RequestedDate(m_in.today);
            m_in.accounts->copyToSiteList = true;
            Save();
        }
    }

    void Save()
    {
        if (m_in.saveAccounts) {
            (void)m_in.saveAccounts();
        }
    }

    void ShowProgress()
    {
        if (m_requestsTotal > 0) {
            m_view.ShowProgress(static_cast<int>(m_requestsCounted * 100 / m_requestsTotal));
        }
    }

    RequesterInputs& m_in;
    RequesterView& m_view;
    engine::RunControl& m_control;
    store::SiteKey m_key;
    fs::path m_folder;
    engine::RunValues m_values;
    engine::TextCommandPages m_pages;
    store::NarrowMacroResolver m_resolve;
    engine::RequestComposer m_composer;
    std::chrono::milliseconds m_timeout{0};
    RequestCandidates m_candidates;
    long long m_requestsTotal = 0;
    long long m_requestsCounted = 0;
};

} // namespace

std::vector<std::string> RequestableSites(const sites::SiteTable& table,
                                          const std::vector<std::string>& checked)
{
    std::vector<std::string> sites;
    for (const std::string& name : checked) {
        const int position = sites::FindDBIndex(table, name);
        if (position >= 0 && table.sites[static_cast<std::size_t>(position)].Request) {
            sites.push_back(name);
        }
    }
    return sites;
}

TRequester::TRequester(RequesterInputs& inputs, RequesterView& view, engine::RunControl& control)
    : m_in(inputs)
    , m_view(view)
    , m_control(control)
{}

RequesterOutcome TRequester::Execute()
{
    return RunGuarded(
        [this] {
            RequestRun run(m_in, m_view, m_control);
            return run.Run();
        },
        [](const std::string& what) {
            return RequesterOutcome{true, std::string(kRequestAborted) + " (" + what + ")", {}};
        });
}

} // namespace listrider::companions
