#include <algorithm>
#include <functional>
#include <future>
#include <optional>

#include <gtest/gtest.h>

#include "sites/site_database_builder.h"
#include "sites/site_downloader.h"
#include "sites/site_fixtures.h"
#include "sites/site_integrity.h"
#include "sites/update_server_layout.h"
#include "store/file_io.h"
#include "support/peer_process.h"
#include "support/result_matchers.h"
#include "support/temp_dir.h"

namespace listrider::sites {
namespace {

namespace fs = std::filesystem;
using testsupport::PeerProcess;
using testsupport::ReadBytes;
using testsupport::TempDir;

const store::SiteKey kKey{"LR-SiteData-7316", "Korvane"};

bool Has(const std::vector<std::string>& lines, const std::string& line)
{
    return std::find(lines.begin(), lines.end(), line) != lines.end();
}

std::vector<std::string> Names(const std::vector<TSites>& entries)
{
    std::vector<std::string> names;
    for (const TSites& entry : entries) {
        if (!entry.lines.empty()) {
            names.push_back(entry.name);
        }
    }
    return names;
}

SiteSource Site(const std::string& name, const std::string& stamp, const std::string& text)
{
    SiteSource site;
    site.name = name;
    site.header = {"<SITENAME>" + name + "</SITENAME>", "<URL>http://site.example/</URL>"};
    if (!stamp.empty()) {
        site.header.push_back("<UPDATE>" + stamp + "</UPDATE>");
    }
    site.members = {{"sub", text}};
    return site;
}

SiteDatabaseSource Database(std::vector<SiteSource> sites, const std::string& fastRevision)
{
    SiteDatabaseSource source;
    source.sites = std::move(sites);
    source.fastCategories.present = true;
    source.fastCategories.info = fastRevision + "\r\n";
    source.fastCategories.members = {{"Categories.lst", "Games - Arcade " + fastRevision + "\r\n"},
                                     {"Games - Arcade " + fastRevision + ".fct", "h\r\n@\r\n"}};
    return source;
}

void Build(const SiteDatabaseSource& source, const fs::path& workspace)
{
    const store::Result<BuildReport> built = BuildSiteDatabase(source, workspace, kKey);
    ASSERT_OK(built);
}

std::string MemberBytes(const fs::path& package)
{
    const store::Result<ZipContents> contents = ReadZipMembers(package);
    return contents && !contents.Value().members.empty() ? contents.Value().members[0].bytes : std::string();
}

class RecordingView final : public UpdateView
{
public:
    void ShowStatus(std::string_view text) override { statuses.emplace_back(text); }

    void ShowCurrentSite(std::string_view name) override { sites.emplace_back(name); }

    void ShowCounters(int totalSites, int downloadedSites) override
    {
        total = totalSites;
        downloaded = downloadedSites;
        if (onCounters) {
            onCounters(downloadedSites);
        }
    }

    void ShowProgress(UpdateBar bar, int percent) override
    {
        (bar == UpdateBar::CurrentSite ? file
         : bar == UpdateBar::Total     ? totalBar
                                       : fastBar)
            .push_back(percent);
    }

    void ShowError(std::string_view message) override { errors.emplace_back(message); }

    bool CheckConnection() override { return online; }

    void OpenDownloadPage(std::string_view address) override { openedPages.emplace_back(address); }

    std::vector<std::string> statuses;
    std::vector<std::string> sites;
    std::vector<std::string> errors;
    std::vector<std::string> openedPages;
    std::vector<int> file;
    std::vector<int> totalBar;
    std::vector<int> fastBar;
    int total = -1;
    int downloaded = -1;
    bool online = true;
    std::function<void(int)> onCounters;
};

class ScriptedPrompter final : public store::Prompter
{
public:
    std::optional<bool> Ask(std::string_view question) override
    {
        questions.emplace_back(question);
        return answer;
    }

    void Inform(std::string_view) override {}

    std::optional<bool> answer = false;
    std::vector<std::string> questions;
};

// A local workspace and an update server: pyftpdlib serving a published site database.
class SiteUpdateTest : public ::testing::Test
{
protected:
    SiteUpdateTest()
        : peer(std::string(LISTRIDER_PEERS_DIR) + "/ftp_peer.py", {root.Path().string()})
    {
        fs::create_directories(scratch);
    }

    void Publish(const SiteDatabaseSource& source, const std::string& version = "1.32")
    {
        TempDir serverWorkspace;
        Build(source, serverWorkspace.Path());
        const store::Result<ServerLayoutReport> published =
            WriteUpdateServerFiles(serverWorkspace.Path(), root.Path(), version);
        ASSERT_OK(published);
    }

    UpdateSettings Settings() const
    {
        UpdateSettings settings;
        settings.workspace = workspace.Path();
        settings.scratch = scratch;
        settings.host = "127.0.0.1";
        settings.port = std::to_string(peer.Port());
        settings.user = "user";
        settings.password = "secret";
        settings.localAddresses = {"127.0.0.1"};
        settings.downloadPage = "http://vendor.example/download";
        settings.timeout = std::chrono::seconds(5);
        return settings;
    }

    UpdateOutcome Update(const UpdateSettings& settings)
    {
        TDownloader downloader(settings, view, prompter);
        return downloader.Execute();
    }

    UpdateOutcome Update() { return Update(Settings()); }

    std::vector<std::string> Transcript() { return peer.Lines(); }

    std::vector<std::string> LocalNames() const
    {
        return Names(ReadUpdateIndex(store::LoadLines(workspace / "Sites" / "sites.dat")));
    }

    void ExpectNoLeftovers() const
    {
        for (const char* file : {"tempsite.dat", "tempfastinfo.dat", "tempfastcats.dat", "sitesnew.dat"}) {
            EXPECT_FALSE(fs::exists(workspace / "Sites" / file)) << file;
        }
        EXPECT_TRUE(FilesIn(scratch).empty());
    }

    TempDir root;
    TempDir workspace;
    fs::path scratch = workspace / "Temp12345";
    PeerProcess peer;
    RecordingView view;
    ScriptedPrompter prompter;
};

TEST(UpdateIndexTest, ReadsBlocksStampsAndComparesByName)
{
    const store::LineList lines{"junk before the first block",
                                "<SITE>",
                                "<SITENAME>Same</SITENAME>",
                                "<UPDATE>10.5</UPDATE>",
                                "</SITE>",
                                "",
                                "<SITE>",
                                "<sitename>Newer</sitename>",
                                "<UPDATE>10,25</UPDATE>",
                                "</SITE>",
                                "<SITE>",
                                "<SITENAME>NoStamp</SITENAME>",
                                "",
                                ""};
    const std::vector<TSites> server = ReadUpdateIndex(lines);
    ASSERT_EQ(server.size(), 3u);
    EXPECT_EQ(server[0].lines,
              (std::vector<std::string>{
                  "<SITE>", "<SITENAME>Same</SITENAME>", "<UPDATE>10.5</UPDATE>", "</SITE>", ""}));
    EXPECT_DOUBLE_EQ(server[0].update, 10.5);
    EXPECT_EQ(server[1].name, "Newer");
    EXPECT_DOUBLE_EQ(server[1].update, 10.25) << "either decimal mark reads, whatever the locale";
    // The last block loses its trailing empty lines and is closed.
    EXPECT_EQ(server[2].lines,
              (std::vector<std::string>{"<SITE>", "<SITENAME>NoStamp</SITENAME>", "</SITE>"}));
    EXPECT_DOUBLE_EQ(server[2].update, 0);

    const std::vector<TSites> local = {{"Same", 10.5, {}}, {"Newer", 10.2, {}}, {"Gone", 1, {}}};
    const UpdateLists lists = CompareIndexes(local, server);
    EXPECT_EQ(lists.added, (std::vector<std::size_t>{2}));
    EXPECT_EQ(lists.updated, (std::vector<std::size_t>{1}));
    EXPECT_EQ(lists.obsolete, (std::vector<std::size_t>{2}));
    EXPECT_EQ(UpdateIndexText({server[2], {"Gone", 1, {}}, server[2]}),
              "<SITE>\r\n<SITENAME>NoStamp</SITENAME>\r\n</SITE>\r\n<SITE>\r\n<SITENAME>NoStamp</"
              "SITENAME>\r\n</SITE>");
}

TEST(UpdateIndexTest, RefusesNamesThatCannotNameAPackage)
{
    for (const std::string name : {"Good Site", "Caf\xe9 Downloads"}) {
        EXPECT_EQ(UpdateNameProblem(name), "") << name;
    }
    for (const std::string& name : std::vector<std::string>{"",
                                                            "..",
                                                            "../evil",
                                                            "a/b",
                                                            "a\\b",
                                                            std::string("nul\0x", 5),
                                                            "Sites",
                                                            "tempsite",
                                                            "FASTCATS",
                                                            "fastcatsinfo"}) {
        EXPECT_NE(UpdateNameProblem(name), "") << name;
    }
}

TEST(UpdateBindAddressesTest, CurrentFirstLoopbackLastEachOnce)
{
    EXPECT_EQ(UpdateBindAddresses("10.0.0.7",
                                  {"127.0.0.1", "10.0.0.7", "192.168.0.1", "172.16.5.2", "", "0.0.0.0"}),
              (std::vector<std::string>{"10.0.0.7", "172.16.5.2", "", "0.0.0.0", "127.0.0.1"}));
    EXPECT_EQ(UpdateBindAddresses("0.0.0.0", {"127.0.0.1"}),
              (std::vector<std::string>{"0.0.0.0", "", "127.0.0.1"}));
}

TEST_F(SiteUpdateTest, TurnsTheLocalDatabaseIntoTheServers)
{
    ASSERT_GT(peer.Port(), 0) << "the FTP peer did not start";
    Build(Database(
              {Site("Alpha", "100", "alpha v1"), Site("Beta", "100", "beta v1"), Site("Gone", "100", "gone")},
              "2"),
          workspace.Path());
    Publish(Database({Site("Alpha", "100", "alpha v1"),
                      Site("Beta", "200.5", "beta v2"),
                      Site("New One", "300", "new one"),
                      Site("Zero", "0", "zero"),
                      Site("New Two", "300", std::string(200000, 'n'))},
                     "3"));
    // Untrusted names in the server's index are refused, never fetched or written.
    store::Result<void> index =
        WriteZip(root / "sites.dat",
                 {{"sites.dat",
                   MemberBytes(root / "sites.dat") +
                       "\r\n<SITE>\r\n<SITENAME>../evil</SITENAME>\r\n<UPDATE>9</UPDATE>\r\n</SITE>"
                       "\r\n<SITE>\r\n<SITENAME>Sites</SITENAME>\r\n<UPDATE>9</UPDATE>\r\n</SITE>"}});
    ASSERT_OK(index);

    const UpdateOutcome outcome = Update();
    EXPECT_TRUE(outcome.success) << outcome.error;
    EXPECT_TRUE(view.errors.empty());
    EXPECT_EQ(outcome.added, (std::vector<std::string>{"New One", "Zero", "New Two"}));
    EXPECT_EQ(outcome.updated, (std::vector<std::string>{"Beta"}));
    EXPECT_EQ(outcome.obsolete, (std::vector<std::string>{"Gone"}));
    ASSERT_EQ(outcome.refused.size(), 2u);
    EXPECT_EQ(outcome.refused[0], "\"../evil\": its name would make a path outside Sites/");
    EXPECT_EQ(outcome.totalSites, 4);
    EXPECT_EQ(outcome.downloadedSites, 3) << "the site stamped 0 is listed, not fetched";
    EXPECT_EQ(view.total, 4);
    EXPECT_EQ(view.downloaded, 3);
    EXPECT_EQ(view.totalBar, (std::vector<int>{25, 50, 75}));
    EXPECT_EQ(view.file.back(), 100);
    EXPECT_EQ(view.fastBar.back(), 100);
    EXPECT_TRUE(outcome.reportDue);
    EXPECT_EQ(UpdateStatusText(outcome),
              "Database updated successfully. 3 sites added, 1 sites updated and 1 sites deleted.");
    for (const char* status : {"Connecting to host...",
                               "Logging in to server...",
                               "Loading version information...",
                               "Loading site database index file...",
                               "Found: 3 new, 1 updated, 1 outdated sites.",
                               "Downloading fast categories index...",
                               "Downloading fast categories..."}) {
        EXPECT_TRUE(Has(view.statuses, status)) << status;
    }
    EXPECT_EQ(view.sites, (std::vector<std::string>{"None", "New One", "New Two", "Beta", "none"}));

    EXPECT_EQ(LocalNames(), (std::vector<std::string>{"Alpha", "Beta", "New One", "Zero", "New Two"}));
    EXPECT_EQ(ReadBytes(workspace / "Sites" / "Beta.dat"), ReadBytes(root / "beta.dat"));
    EXPECT_EQ(ReadBytes(workspace / "Sites" / "New Two.dat"), ReadBytes(root / "new two.dat"));
    EXPECT_TRUE(fs::exists(workspace / "Sites" / "Gone.dat")) << "an obsolete site's package stays";
    EXPECT_FALSE(fs::exists(workspace / "Sites" / "Zero.dat"));
    EXPECT_FALSE(fs::exists(workspace / "evil.dat"));
    EXPECT_EQ(ReadBytes(workspace / "Sites" / "fastcats.dat"), ReadBytes(root / "fastcats.dat"));
    EXPECT_EQ(ReadBytes(workspace / "Sites" / "fastcatsinfo.dat"), "3\r\n");
    ExpectNoLeftovers();

    // The program's loader sees the server's database; the integrity check drops the 0 stamp.
    SiteTable table = LoadSites(workspace.Path());
    CheckSitesComplexity(table, workspace.Path());
    std::vector<std::string> loaded;
    for (const SitesR& site : table.sites) {
        loaded.push_back(site.Name);
    }
    std::sort(loaded.begin(), loaded.end());
    EXPECT_EQ(loaded, (std::vector<std::string>{"Alpha", "Beta", "New One", "New Two"}));

    const std::vector<std::string> transcript = Transcript();
    EXPECT_TRUE(Has(transcript, "TYPE I"));
    EXPECT_TRUE(Has(transcript, "RETR new one.dat")) << "packages are fetched by the name in lower case";
    EXPECT_FALSE(Has(transcript, "RETR zero.dat"));
    EXPECT_FALSE(Has(transcript, "RETR ../evil.dat"));
    EXPECT_FALSE(Has(transcript, "RETR alpha.dat"));
    EXPECT_TRUE(Has(transcript, "QUIT"));

    // The same server again: nothing to fetch, the fast categories are still checked.
    view = RecordingView{};
    const UpdateOutcome again = Update();
    EXPECT_TRUE(again.success) << again.error;
    EXPECT_TRUE(Has(view.statuses, "No updates was found."));
    EXPECT_TRUE(Has(view.statuses, "Fast categories is up-to-date."));
    EXPECT_FALSE(again.reportDue);
    EXPECT_EQ(again.downloadedSites, 0);
    EXPECT_EQ(LocalNames(), (std::vector<std::string>{"Alpha", "Beta", "New One", "Zero", "New Two"}));
    ExpectNoLeftovers();
}

TEST_F(SiteUpdateTest, ADamagedPackageNeverReplacesTheOldOne)
{
    ASSERT_GT(peer.Port(), 0) << "the FTP peer did not start";

    struct Case
    {
        const char* damaged; // the remote package replaced by junk
        const char* message;
    };

    for (const Case& c :
         {Case{"beta.dat", "An error occurred while downloading the site: Beta\rPlease try again."},
          Case{"new.dat", "An error occurred while downloading the site database. Please try again."}}) {
        SCOPED_TRACE(c.damaged);
        fs::remove_all(workspace / "Sites");
        Build(Database({Site("Beta", "100", "beta v1")}, "2"), workspace.Path());
        Publish(Database({Site("Beta", "200", "beta v2"), Site("New", "300", "new")}, "2"));
        ASSERT_OK(store::SaveStringToFile(root / c.damaged, "not an archive"));
        const std::string oldBeta = ReadBytes(workspace / "Sites" / "Beta.dat");
        view = RecordingView{};

        const UpdateOutcome outcome = Update();
        EXPECT_FALSE(outcome.success);
        EXPECT_EQ(view.errors, (std::vector<std::string>{c.message}));
        EXPECT_EQ(outcome.error, c.message);
        EXPECT_EQ(UpdateStatusText(outcome), "Site database update failed.");
        EXPECT_EQ(ReadBytes(workspace / "Sites" / "Beta.dat"), oldBeta);
        const bool newArrived = std::string(c.damaged) == "beta.dat";
        EXPECT_EQ(fs::exists(workspace / "Sites" / "New.dat"), newArrived);
        EXPECT_EQ(LocalNames(),
                  (newArrived ? std::vector<std::string>{"Beta", "New"} : std::vector<std::string>{"Beta"}));
        const SiteTable index = LoadSites(workspace.Path());
        ASSERT_FALSE(index.sites.empty());
        EXPECT_EQ(index.sites[0].Name, "Beta");
        ExpectNoLeftovers();
    }
}

TEST_F(SiteUpdateTest, AStoppedUpdateKeepsTheSitesFetchedSoFar)
{
    ASSERT_GT(peer.Port(), 0) << "the FTP peer did not start";
    Build(Database({Site("Kept", "1", "kept")}, "1"), workspace.Path());
    std::vector<SiteSource> many{Site("Kept", "1", "kept")};
    for (int i = 1; i <= 10; ++i) {
        many.push_back(Site("Site " + std::to_string(i), "5", "site " + std::to_string(i)));
    }
    Publish(Database(many, "2"));

    // "Stop Update" comes from the window's thread while the worker waits in a hand-over.
    std::promise<void> reached;
    std::promise<void> stopped;
    std::shared_future<void> stopDone = stopped.get_future().share();
    view.onCounters = [&reached, stopDone](int downloaded) {
        if (downloaded == 3) {
            reached.set_value();
            stopDone.wait();
        }
    };
    std::promise<UpdateOutcome> ended;
    std::future<UpdateOutcome> result = ended.get_future();
    TDownloader downloader(Settings(), view, prompter);
    downloader.Start([&ended](const UpdateOutcome& outcome) { ended.set_value(outcome); });
    ASSERT_EQ(reached.get_future().wait_for(std::chrono::seconds(30)), std::future_status::ready);
    downloader.Stop();
    stopped.set_value();
    ASSERT_EQ(result.wait_for(std::chrono::seconds(30)), std::future_status::ready);
    const UpdateOutcome outcome = result.get();
    EXPECT_FALSE(outcome.success);
    EXPECT_TRUE(outcome.cancelled);
    EXPECT_TRUE(view.errors.empty()) << "a stop is no error";
    EXPECT_EQ(outcome.downloadedSites, 3);
    EXPECT_EQ(LocalNames(), (std::vector<std::string>{"Kept", "Site 1", "Site 2", "Site 3"}));
    for (const char* package : {"Site 1.dat", "Site 2.dat", "Site 3.dat"}) {
        EXPECT_EQ(MemberBytes(workspace / "Sites" / package).empty(), false) << package;
    }
    EXPECT_FALSE(fs::exists(workspace / "Sites" / "Site 4.dat"));
    EXPECT_EQ(ReadBytes(workspace / "Sites" / "fastcatsinfo.dat"), "1\r\n");
    ExpectNoLeftovers();
    SiteTable table = LoadSites(workspace.Path());
    CheckSitesComplexity(table, workspace.Path());
    EXPECT_EQ(table.sites.size(), 4u);
}

TEST_F(SiteUpdateTest, ANewerVersionOffersTheDownloadPage)
{
    ASSERT_GT(peer.Port(), 0) << "the FTP peer did not start";
    Publish(Database({Site("Alpha", "100", "alpha")}, "1"), "1.4");
    const std::string question =
        "New version of Listrider was detected on server. Would you like to be forwarded to "
        "the download page?\r\rCurrent version:1.4\rYour version: 1.32";

    struct Case
    {
        std::optional<bool> answer;
        bool updated;
    };

    for (const Case& c : {Case{true, false}, Case{std::nullopt, false}, Case{false, true}}) {
        SCOPED_TRACE(c.answer ? (*c.answer ? "yes" : "no") : "no answer");
        view = RecordingView{};
        prompter.answer = c.answer;
        prompter.questions.clear();
        const UpdateOutcome outcome = Update();
        EXPECT_EQ(prompter.questions, (std::vector<std::string>{question}));
        EXPECT_EQ(outcome.success, c.updated);
        EXPECT_EQ(outcome.cancelled, !c.updated);
        EXPECT_EQ(outcome.unanswered, !c.answer.has_value());
        EXPECT_EQ(view.openedPages,
                  (c.answer == true ? std::vector<std::string>{"http://vendor.example/download"}
                                    : std::vector<std::string>{}));
        EXPECT_EQ(fs::exists(workspace / "Sites" / "Alpha.dat"), c.updated);
        EXPECT_TRUE(view.errors.empty());
        EXPECT_TRUE(FilesIn(scratch).empty());
    }

    // The program's own version, or an older one, asks nothing.
    for (const char* version : {"1.32", "1.3", "1,9"}) {
        ASSERT_OK(store::SaveStringToFile(root / "version.inf", std::string(version) + "\r\n"));
        prompter.questions.clear();
        EXPECT_TRUE(Update().success) << version;
        EXPECT_TRUE(prompter.questions.empty()) << version;
    }
}

TEST_F(SiteUpdateTest, EachFailureEndsWithItsMessage)
{
    ASSERT_GT(peer.Port(), 0) << "the FTP peer did not start";

    struct Case
    {
        const char* name;
        std::function<void(UpdateSettings&, const fs::path& server, RecordingView& shown)> arrange;
        const char* message;
    };

    const std::vector<Case> cases = {
        {"no connection",
         [](UpdateSettings&, const fs::path&, RecordingView& shown) { shown.online = false; },
         "Listrider could not find any active Internet connection on your computer. Please make sure that an "
         "Internet connection is established before pressing the \"Start\" button.\rProcess stopped."},
        {"no server",
         [](UpdateSettings& s, const fs::path&, RecordingView&) { s.port = "1"; },
         "Error connecting host"},
        {"wrong password",
         [](UpdateSettings& s, const fs::path&, RecordingView&) { s.password = "wrong"; },
         "Error connecting to host"},
        {"no index",
         [](UpdateSettings&, const fs::path& server, RecordingView&) { fs::remove(server / "sites.dat"); },
         "Site database index download failed"},
        {"index not an archive",
         [](UpdateSettings&, const fs::path& server, RecordingView&) {
             ASSERT_OK(store::SaveStringToFile(server / "sites.dat", "<SITE>"));
         },
         "An error occurred while downloading the site database index. "},
        {"no fast categories",
         [](UpdateSettings&, const fs::path& server, RecordingView&) {
             fs::remove(server / "fastcatsinfo.dat");
         },
         "An error occurred while downloading fast categories."},
        {"damaged fast categories",
         [](UpdateSettings&, const fs::path& server, RecordingView&) {
             ASSERT_OK(store::SaveStringToFile(server / "fastcats.dat", "not an archive"));
         },
         "An error occurred while downloading fast categories."},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        fs::remove_all(workspace / "Sites");
        Build(Database({Site("Alpha", "100", "alpha")}, "1"), workspace.Path());
        const std::string oldFastCategories = ReadBytes(workspace / "Sites" / "fastcats.dat");
        Publish(Database({Site("Alpha", "100", "alpha"), Site("Beta", "100", "beta")}, "2"));
        UpdateSettings settings = Settings();
        view = RecordingView{};
        c.arrange(settings, root.Path(), view);

        const UpdateOutcome outcome = Update(settings);
        EXPECT_FALSE(outcome.success);
        EXPECT_EQ(view.errors, (std::vector<std::string>{c.message}));
        EXPECT_EQ(ReadBytes(workspace / "Sites" / "fastcats.dat"), oldFastCategories);
        EXPECT_EQ(ReadBytes(workspace / "Sites" / "fastcatsinfo.dat"), "1\r\n");
        ExpectNoLeftovers();
    }
}

TEST_F(SiteUpdateTest, AMissingLocalRevisionAlwaysFetchesTheFastCategories)
{
    ASSERT_GT(peer.Port(), 0) << "the FTP peer did not start";
    Build(Database({Site("Alpha", "100", "alpha")}, "7"), workspace.Path());
    Publish(Database({Site("Alpha", "100", "alpha")}, "1"));
    fs::remove(workspace / "Sites" / "fastcatsinfo.dat");

    std::promise<UpdateOutcome> ended;
    std::future<UpdateOutcome> result = ended.get_future();
    TDownloader downloader(Settings(), view, prompter);
    downloader.Start([&ended](const UpdateOutcome& outcome) { ended.set_value(outcome); });
    ASSERT_EQ(result.wait_for(std::chrono::seconds(30)), std::future_status::ready);
    const UpdateOutcome outcome = result.get();
    EXPECT_TRUE(outcome.success) << outcome.error;
    EXPECT_EQ(ReadBytes(workspace / "Sites" / "fastcatsinfo.dat"), "1\r\n");
    EXPECT_EQ(ReadBytes(workspace / "Sites" / "fastcats.dat"), ReadBytes(root / "fastcats.dat"));
}

} // namespace
} // namespace listrider::sites
