#include "cli/demo/demo_pipeline.h"

#include <ostream>
#include <sstream>
#include <vector>

#include "cli/command_registry.h"
#include "cli/console_prompter.h"
#include "cli/demo/demo_outcomes.h"
#include "cli/demo/demo_sources.h"
#include "cli/exit_codes.h"
#include "cli/json_reader.h"
#include "net/byte_sink.h"
#include "net/http_client.h"
#include "store/installation_config.h"

namespace listrider::cli {
namespace {

namespace fs = std::filesystem;

// The sample of demo/: its PAD file, program file and fast category, and the account the
// author already has at the demo's log-in site.
constexpr const char* kCompany = "Larkspur Software";
constexpr const char* kProduct = "FolderPilot";
constexpr const char* kPadFile = "FolderPilot.xml";
constexpr const char* kProgramFile = "files/folderpilot32.zip";
constexpr const char* kSiteSources = "sites";
constexpr const char* kFastCategory = "Utilities - File Managers";
constexpr const char* kOutcomesFile = "outcomes.txt";
constexpr const char* kDefaultLogin = "larkspur";
constexpr const char* kDefaultPassword = "lark-2024";
// The site that creates the author's account and mails it, and its place on the simulator.
constexpr const char* kMailingSite = "Account Maker";
constexpr const char* kMailingSitePath = "signup";
// Short enough that the slow site's four tries end soon, long enough for a loaded machine.
constexpr const char* kRequestSeconds = "3";

struct RunSummary
{
    RunResults results;
    int nextStep = 0;
    std::string resultFile; ///< the run's Result.txt
};

// Returns the command line with the demo product named after the verb.
std::vector<std::string> ProductArgs(std::vector<std::string> args)
{
    args.insert(args.begin() + 1, {"--company", kCompany, "--product", kProduct});
    return args;
}

class DemoRunner
{
public:
    DemoRunner(const DemoSetup& setup, std::ostream& out, std::ostream& err)
        : m_setup(setup)
        , m_out(out)
        , m_err(err)
        , m_commands(MakeCommands())
    {}

    int Run();

private:
    fs::path Sources() const { return m_setup.workspace / "demo-source"; }

    // Runs a command of the program in-process on the demo's workspace, answering "yes".
    int Invoke(const std::vector<std::string>& args, std::ostream& out, std::ostream& err)
    {
        Command* command = FindCommand(m_commands, args.front());
        if (command == nullptr) {
            err << "unknown command " << args.front() << "\n";
            return kExitUsage;
        }
        std::istringstream noInput;
        ConsolePrompter prompter(noInput, out, true, false);
        CommandContext context(out, err, prompter, GlobalOptions{m_setup.workspace.string(), true});
        const std::vector<std::string> rest(args.begin() + 1, args.end());
        return command->Run(rest, context);
    }

    // Runs a command whose output the demo shows; a failure ends the demo.
    bool Shown(const std::vector<std::string>& args)
    {
        if (Invoke(args, m_out, m_err) == kExitOk) {
            return true;
        }
        m_err << "The demo stopped: 'listrider-cli " << args.front() << "' failed.\n";
        return false;
    }

    // Runs a command whose output only matters when it fails.
    bool Quiet(const std::vector<std::string>& args)
    {
        std::ostringstream out;
        std::ostringstream err;
        if (Invoke(args, out, err) == kExitOk) {
            return true;
        }
        m_err << out.str() << err.str() << "The demo stopped: 'listrider-cli " << args.front()
              << "' failed.\n";
        return false;
    }

    // Runs a report command whose page the demo shows; returns the HTML report it wrote.
    std::optional<std::string> ShownReport(const std::vector<std::string>& args)
    {
        std::ostringstream out;
        const int code = Invoke(ProductArgs(args), out, m_err);
        m_out << out.str();
        const std::string text = out.str();
        const std::string mark = "HTML report: ";
        const std::size_t at = text.rfind(mark);
        if (code != kExitOk || at == std::string::npos) {
            m_err << "The demo stopped: 'listrider-cli report' wrote no HTML report.\n";
            return std::nullopt;
        }
        return text.substr(at + mark.size(), text.find('\n', at) - at - mark.size());
    }

    std::optional<RunSummary> Submit(const std::vector<std::string>& extra);
    bool WriteInstallation();
    bool EnterMailedAccounts();

    void Heading(const std::string& title) { m_out << "\n== " << title << "\n"; }

    const DemoSetup& m_setup;
    std::ostream& m_out;
    std::ostream& m_err;
    std::vector<std::unique_ptr<Command>> m_commands;
};

std::optional<RunSummary> DemoRunner::Submit(const std::vector<std::string>& extra)
{
    // The rows go to the screen as they happen; the summary comes back as JSON.
    std::ostringstream json;
    std::vector<std::string> args = ProductArgs({"submit", "--json"});
    args.insert(args.end(), extra.begin(), extra.end());
    const int code = Invoke(args, json, m_out);
    const std::optional<JsonValue> summary = ParseJson(json.str());
    const JsonValue* log = summary ? summary->Find("log") : nullptr;
    const JsonValue* next = summary ? summary->Find("nextStep") : nullptr;
    if (code != kExitOk || log == nullptr || next == nullptr) {
        m_err << "The demo stopped: the submission did not finish.\n";
        return std::nullopt;
    }
    RunSummary run;
    for (const JsonValue& row : log->items) {
        run.results[row.StringOf("site")] = row.StringOf("result");
    }
    run.nextStep = static_cast<int>(next->number);
    run.resultFile = summary->StringOf("result");
    return run;
}

bool DemoRunner::WriteInstallation()
{
    // The vendor's connection-test file and mail relay are the simulator's; SMTP stays off.
    store::InstallationConfig config = store::DefaultInstallationConfig();
    config.connectionTestHost = m_setup.sitesimHost;
    config.mailRelayHost = m_setup.sitesimHost;
    if (store::Result<void> saved = store::SaveInstallationConfig(m_setup.workspace, config); !saved) {
        m_err << "The demo stopped: " << saved.GetError().message << "\n";
        return false;
    }
    m_out << "installation.ini: Test_Host and Mail_Relay_Host are " << m_setup.sitesimHost << "\n";
    return Quiet({"prefs", "set", "Do_Not_Use_SMTP", "Y"}) &&
           Quiet({"prefs", "set", "HTTP_Expire", kRequestSeconds});
}

bool DemoRunner::EnterMailedAccounts()
{
    // The author reads the site's e-mail: here, the simulator's record of what it sent.
    net::HttpClient client;
    client.options.url = "http://" + m_setup.sitesimHost + "/_sim/mail?site=" + kMailingSitePath;
    net::StringSink mail;
    client.SetResponseStream(&mail);
    if (store::Result<void> got = client.Get(); !got || client.StatusCode() != 200) {
        m_err << "The demo stopped: the simulated sites did not show the site's e-mail.\n";
        return false;
    }
    std::istringstream lines(mail.Text());
    bool entered = false;
    for (std::string line; std::getline(lines, line);) {
        const std::size_t tab = line.find('\t');
        if (tab == std::string::npos) {
            continue;
        }
        const std::string login = line.substr(0, tab);
        const std::string password = line.substr(tab + 1);
        m_out << kMailingSite << " e-mailed the new account: login " << login << ", password " << password
              << "\n";
        if (!Quiet(ProductArgs({"accounts", "set", kMailingSite, login, password}))) {
            return false;
        }
        entered = true;
    }
    if (!entered) {
        m_err << "The demo stopped: " << kMailingSite << " sent no account.\n";
    }
    return entered;
}

int DemoRunner::Run()
{
    store::Result<std::vector<ExpectedOutcome>> expected =
        LoadExpectedOutcomes(m_setup.demoDir / kOutcomesFile);
    if (!expected) {
        m_err << expected.GetError().message << ": " << expected.GetError().detail << "\n";
        return kExitFailure;
    }
    if (store::Result<void> copied = CopyDemoSources(m_setup.demoDir, Sources(), m_setup.sitesimHost);
        !copied) {
        m_err << copied.GetError().message << ": " << copied.GetError().detail << "\n";
        return kExitFailure;
    }
    m_out << "Workspace: " << m_setup.workspace.string() << "\n"
          << "Simulated download sites: http://" << m_setup.sitesimHost << "/ (listrider-sitesim)\n"
          << "Demo sources: " << m_setup.demoDir.string() << ", with " << kSitesimPlaceholder << " set to "
          << m_setup.sitesimHost << "\n";

    Heading("Set-up");
    if (!WriteInstallation() || !Shown({"sitedb", "build", (Sources() / kSiteSources).string()}) ||
        !Shown({"import-pad", (Sources() / kPadFile).string()}) ||
        !Quiet(
            ProductArgs({"product", "set", "Upload_File_Location", (Sources() / kProgramFile).string()})) ||
        !Quiet(ProductArgs(
            {"accounts", "set", "--default-login", kDefaultLogin, "--default-password", kDefaultPassword}))) {
        return kExitFailure;
    }
    if (!Shown(ProductArgs({"fastcat", "apply", kFastCategory}))) {
        return kExitFailure;
    }
    m_out << "Account defaults: login " << kDefaultLogin << ", password " << kDefaultPassword << "\n";

    Heading("Step 1 (Main submit)");
    const std::optional<RunSummary> step1 = Submit({"--no-resume"});
    if (!step1) {
        return kExitFailure;
    }
    RunSummary step3;
    if (step1->nextStep == 2) {
        Heading("Step 2 (New passwords)");
        if (!Shown(ProductArgs({"submit", "--pending", "--resume"})) || !EnterMailedAccounts()) {
            return kExitFailure;
        }
        Heading("Step 3 (Final submit)");
        const std::optional<RunSummary> final = Submit({"--final", "--resume"});
        if (!final) {
            return kExitFailure;
        }
        step3 = *final;
    }

    // Both pages come from the lists the runs keep in their result folder, Step 4 too when the
    // last run had no failure of its own; the HTML reports are written beside them.
    const RunSummary& last = step1->nextStep == 2 ? step3 : *step1;
    const std::string folder = fs::path(last.resultFile).parent_path().string();
    Heading("Step 4 (Errors Report)");
    const std::optional<std::string> errorReport = ShownReport({"report", "--errors", "--html", folder});
    Heading("Step 5 (Report)");
    const std::optional<std::string> submissionReport = ShownReport({"report", "--html", folder});
    if (!errorReport || !submissionReport) {
        return kExitFailure;
    }
    Heading("Reports");
    m_out << "Error report: " << *errorReport << "\n"
          << "Submission report: " << *submissionReport << "\n";

    Heading("Outcomes");
    const std::vector<std::string> differences =
        CompareOutcomes(expected.Value(), step1->results, step3.results);
    if (!differences.empty()) {
        for (const std::string& difference : differences) {
            m_err << "Not as built: " << difference << "\n";
        }
        return kExitFailure;
    }
    m_out << "Every one of the " << expected.Value().size() << " demo sites ended as it is built to.\n";
    return kExitOk;
}

} // namespace

int RunDemo(const DemoSetup& setup, std::ostream& out, std::ostream& err)
{
    DemoRunner runner(setup, out, err);
    return runner.Run();
}

} // namespace listrider::cli
