#include "sites/site_downloader.h"

#include <cmath>
#include <exception>
#include <system_error>

#include "sites/site_index.h"
#include "sites/zip_archive.h"
#include "store/ascii.h"
#include "store/file_io.h"
#include "store/file_system.h"
#include "store/numbers.h"
#include "store/version.h"

namespace listrider::sites {
namespace {

namespace fs = std::filesystem;

constexpr const char* kNoConnection =
    "Listrider could not find any active Internet connection on your computer. Please make sure that an "
    "Internet connection is established before pressing the \"Start\" button.\rProcess stopped.";
constexpr const char* kDatabaseError =
    "An error occurred while downloading the site database. Please try again.";
constexpr const char* kFastCategoriesError = "An error occurred while downloading fast categories.";

// Nothing the update reads may be larger than an archive the program would open.
const std::int64_t kMaxDownloadBytes = static_cast<std::int64_t>(ZipLimits{}.maxTotalSize);

void Remove(const fs::path& file)
{
    std::error_code ec;
    fs::remove(file, ec);
}

bool Exists(const fs::path& file)
{
    std::error_code ec;
    return fs::is_regular_file(file, ec);
}

// A package (and the index archive) must be a ZIP archive with at least one member that reads
// back undamaged; anything else never replaces what is on disk.
bool IsArchiveWithMembers(const fs::path& file)
{
    const store::Result<ZipContents> contents = ReadZipMembers(file);
    return contents && contents.Value().members.size() + contents.Value().skipped.size() > 0;
}

std::string FirstLine(const fs::path& file)
{
    const store::LineList lines = store::LoadLines(file);
    return lines.empty() ? std::string() : std::string(lines[0]);
}

// Replaces `target` (and a package of the same name in another letter case) by `source`.
store::Result<void> ReplaceFile(const fs::path& source, const fs::path& target)
{
    std::error_code ec;
    const fs::path existing = store::ResolveNoCase(target.parent_path(), target.filename());
    if (existing != target) {
        fs::remove(existing, ec);
    }
    fs::remove(target, ec);
    fs::rename(source, target, ec);
    if (ec) {
        return store::MakeError(store::ErrorKind::Io, "Cannot replace " + target.string(), ec.message());
    }
    return {};
}

int Percent(std::int64_t part, std::int64_t whole)
{
    if (whole <= 0) {
        return 0;
    }
    const double percent = std::round(static_cast<double>(part) * 100.0 / static_cast<double>(whole));
    return static_cast<int>(std::min(100.0, std::max(0.0, percent)));
}

std::string Printable(std::string_view name)
{
    std::string text;
    for (const char c : name) {
        text += static_cast<unsigned char>(c) < 0x20 ? '?' : c;
    }
    return text;
}

} // namespace

TDownloader::TDownloader(UpdateSettings settings, UpdateView& view, store::Prompter& prompter)
    : m_settings(std::move(settings))
    , m_view(view)
    , m_prompter(prompter)
{
    m_ftp.binary = true;
    m_ftp.passive = true;
    m_ftp.timeout = m_settings.timeout;
    m_ftp.localAddr = m_settings.localAddr;
    m_ftp.onProgress = [this](std::int64_t bytes, bool& abort) {
        OnProgress(bytes, abort);
    };
}

TDownloader::~TDownloader()
{
    if (m_worker.joinable()) {
        Stop();
        m_worker.join();
    }
}

void TDownloader::Start(std::function<void(const UpdateOutcome&)> finished)
{
    m_cancel = false;
    m_worker = std::thread([this, finished = std::move(finished)] {
        UpdateOutcome outcome;
        try {
            outcome = Execute();
        } catch (const std::exception& e) {
            outcome.error = kDatabaseError;
            outcome.detail = e.what();
        } catch (...) {
            outcome.error = kDatabaseError;
        }
        if (finished) {
            finished(outcome);
        }
    });
}

void TDownloader::Stop()
{
    m_cancel = true;
    m_ftp.Abort();
}

UpdateOutcome TDownloader::Execute()
{
    m_outcome = UpdateOutcome{};
    m_local.clear();
    m_server.clear();
    m_lists = UpdateLists{};
    m_phase = Phase::None;
    m_view.ShowCurrentSite("None");
    if (m_ftp.Connected()) {
        (void)m_ftp.Quit();
    }
    m_outcome.success = Run();
    if (m_outcome.success) {
        m_outcome.reportDue = !m_settings.skipUpdateReport && !m_outcome.added.empty() &&
                              !m_outcome.updated.empty() && !m_outcome.obsolete.empty();
    }
    CleanUp();
    return m_outcome;
}

bool TDownloader::Run()
{
    if (!m_view.CheckConnection()) {
        return Fail(kNoConnection);
    }
    return !Cancelled() && Connect() && LogIn() && CheckVersion() && LoadIndexes() && FetchSites() &&
           RemoveObsolete() && FetchFastCategories();
}

bool TDownloader::Cancelled()
{
    if (m_cancel) {
        m_outcome.cancelled = true;
    }
    return m_cancel;
}

bool TDownloader::Fail(std::string message, std::string detail)
{
    m_view.ShowError(message);
    m_outcome.error = std::move(message);
    m_outcome.detail = std::move(detail);
    return false;
}

fs::path TDownloader::SitesPath(std::string_view file) const
{
    return SitesDir(m_settings.workspace) / file;
}

bool TDownloader::Connect()
{
    m_ftp.useProxy = m_settings.useProxy;
    m_ftp.proxyHost = m_settings.useProxy ? m_settings.proxyHost : std::string();
    m_ftp.proxyPort = m_settings.useProxy ? m_settings.proxyPort : std::string();
    m_ftp.hostName = m_settings.host;
    m_ftp.port = m_settings.port;
    m_view.ShowStatus("Connecting to host...");
    std::string detail;
    for (const std::string& address : UpdateBindAddresses(m_ftp.localAddr, m_settings.localAddresses)) {
        if (Cancelled()) {
            return false;
        }
        m_ftp.localAddr = address;
        const store::Result<void> opened = m_ftp.Open();
        if (opened) {
            m_outcome.boundAddress = address;
            return true;
        }
        detail = opened.GetError().message + " " + opened.GetError().detail;
    }
    return !Cancelled() && Fail("Error connecting host", detail);
}

bool TDownloader::LogIn()
{
    if (Cancelled()) {
        return false;
    }
    m_view.ShowStatus("Logging in to server...");
    m_ftp.userName = m_settings.user;
    m_ftp.passWord = m_settings.password;
    store::Result<void> step = m_ftp.User();
    if (step) {
        step = m_ftp.Pass();
    }
    if (step) {
        step = m_ftp.Type(); // binary transfers: the packages are archives
    }
    if (!step) {
        return !Cancelled() && Fail("Error connecting to host", step.GetError().message);
    }
    return !Cancelled();
}

bool TDownloader::CheckVersion()
{
    m_view.ShowStatus("Loading version information...");
    const fs::path file = m_settings.scratch / "version.inf";
    Remove(file);
    (void)Fetch("version.inf", file, false);
    if (Cancelled()) {
        return false;
    }
    if (!Exists(file)) {
        return true;
    }
    const std::string line = FirstLine(file);
    const std::optional<double> server = store::ParseDecimal(line, '.');
    const std::optional<double> ours = store::ParseDecimal(store::kProgramVersion, '.');
    if (!server || !ours || *server <= *ours) {
        return true;
    }
    const std::optional<bool> answer = m_prompter.Ask(
        "New version of Listrider was detected on server. Would you like to be forwarded to the download "
        "page?\r\rCurrent version:" +
        line + "\r" + "Your version: " + std::string(store::kProgramVersion));
    if (!answer) {
        m_outcome.cancelled = true;
        m_outcome.unanswered = true;
        return false;
    }
    if (*answer) {
        m_view.OpenDownloadPage(m_settings.downloadPage);
        m_outcome.cancelled = true;
        return false;
    }
    return true;
}

bool TDownloader::LoadIndexes()
{
    m_view.ShowStatus("Loading site database index file...");
    const fs::path archive = m_settings.scratch / "sitesnew.dat";
    const fs::path extracted = m_settings.scratch / "sites.dat";
    // What an earlier update left in the scratch directory must not pass for the server's index.
    Remove(archive);
    Remove(extracted);
    const store::Result<void> fetched = Fetch("sites.dat", archive, false);
    if (Cancelled()) {
        return false;
    }
    if (Exists(archive)) {
        const std::string indexError = "An error occurred while downloading the site database index. ";
        if (!fetched) {
            return Fail(indexError, fetched.GetError().message);
        }
        const store::Result<ZipContents> contents = ReadZipMembers(archive);
        if (!contents || contents.Value().members.size() + contents.Value().skipped.size() == 0) {
            return Fail(indexError, contents ? "the archive has no members" : contents.GetError().message);
        }
        if (const store::Result<std::size_t> written =
                WriteMemberFiles(m_settings.scratch, contents.Value().members);
            !written) {
            return Fail(indexError, written.GetError().message);
        }
        Remove(SitesPath("sitesnew.dat"));
    }
    if (!Exists(extracted)) {
        return Fail("Site database index download failed", fetched ? "" : fetched.GetError().message);
    }

    for (TSites& entry : ReadUpdateIndex(store::LoadLines(extracted))) {
        if (const std::string problem = UpdateNameProblem(entry.name); !problem.empty()) {
            const std::string note = "\"" + Printable(entry.name) + "\": " + problem;
            m_view.ShowStatus("Site refused: " + note);
            m_outcome.refused.push_back(note);
            continue;
        }
        m_server.push_back(std::move(entry));
    }
    const fs::path localIndex = SiteIndexPath(m_settings.workspace);
    if (Exists(localIndex)) {
        m_local = ReadUpdateIndex(store::LoadLines(localIndex));
    }
    m_lists = CompareIndexes(m_local, m_server);
    for (const std::size_t i : m_lists.added) {
        m_outcome.added.push_back(m_server[i].name);
    }
    for (const std::size_t i : m_lists.updated) {
        m_outcome.updated.push_back(m_local[i].name);
    }
    for (const std::size_t i : m_lists.obsolete) {
        m_outcome.obsolete.push_back(m_local[i].name);
    }
    if (!m_outcome.added.empty() || !m_outcome.updated.empty() || !m_outcome.obsolete.empty()) {
        m_view.ShowStatus("Found: " + std::to_string(m_outcome.added.size()) + " new, " +
                          std::to_string(m_outcome.updated.size()) + " updated, " +
                          std::to_string(m_outcome.obsolete.size()) + " outdated sites.");
    } else {
        m_view.ShowStatus("No updates was found.");
    }
    m_outcome.totalSites = static_cast<int>(m_outcome.added.size() + m_outcome.updated.size());
    m_outcome.downloadedSites = 0;
    m_view.ShowCounters(m_outcome.totalSites, 0);
    m_phase = Phase::Download;
    return !Cancelled();
}

bool TDownloader::SaveLocalIndex()
{
    const store::Result<void> saved =
        store::SaveStringToFile(SiteIndexPath(m_settings.workspace), UpdateIndexText(m_local));
    return saved || Fail(kDatabaseError, saved.GetError().message + " " + saved.GetError().detail);
}

bool TDownloader::FetchPackage(const TSites& site, bool updating)
{
    const fs::path temp = SitesPath("tempsite.dat");
    Remove(temp);
    m_view.ShowCurrentSite(site.name);
    m_view.ShowProgress(UpdateBar::CurrentSite, 0);
    const store::Result<void> fetched = Fetch(store::AsciiLower(site.name) + ".dat", temp, true);
    if (Cancelled()) {
        return false;
    }
    if (!fetched) {
        return Fail(kDatabaseError, fetched.GetError().message);
    }
    if (!IsArchiveWithMembers(temp)) {
        if (updating) {
            return Fail("An error occurred while downloading the site: " + site.name + "\r" +
                            "Please try again.",
                        "not an archive with members");
        }
        return Fail(kDatabaseError, site.name + ": not an archive with members");
    }
    if (const store::Result<void> replaced = ReplaceFile(temp, SitesPath(site.name + ".dat")); !replaced) {
        return Fail(kDatabaseError, replaced.GetError().message + " " + replaced.GetError().detail);
    }
    ++m_outcome.downloadedSites;
    m_view.ShowProgress(UpdateBar::CurrentSite, 100);
    m_view.ShowCounters(m_outcome.totalSites, m_outcome.downloadedSites);
    m_view.ShowProgress(UpdateBar::Total, Percent(m_outcome.downloadedSites, m_outcome.totalSites));
    return true;
}

bool TDownloader::FetchSites()
{
    std::error_code ec;
    fs::create_directories(SitesDir(m_settings.workspace), ec);
    for (const std::size_t i : m_lists.added) {
        if (Cancelled()) {
            return false;
        }
        const TSites& site = m_server[i];
        // A stamp of 0 lists the site without a package; the start-up check drops it.
        if (site.update != 0 && !FetchPackage(site, false)) {
            return false;
        }
        TSites appended = site;
        appended.lines.insert(appended.lines.begin(), 2, std::string());
        m_local.push_back(std::move(appended));
        if (!SaveLocalIndex()) {
            return false;
        }
    }
    for (const std::size_t i : m_lists.updated) {
        if (Cancelled()) {
            return false;
        }
        const TSites& site = m_server[FindEntry(m_server, m_local[i].name)];
        if (!FetchPackage(site, true)) {
            return false;
        }
        m_local[i] = site;
        if (!SaveLocalIndex()) {
            return false;
        }
    }
    return !Cancelled();
}

bool TDownloader::RemoveObsolete()
{
    for (const std::size_t i : m_lists.obsolete) {
        m_local[i].lines.clear();
    }
    if (!m_lists.obsolete.empty() && !SaveLocalIndex()) {
        return false;
    }
    return !Cancelled();
}

bool TDownloader::FetchFastCategories()
{
    m_view.ShowCurrentSite("none");
    m_phase = Phase::None;
    m_view.ShowStatus("Downloading fast categories index...");
    const fs::path tempInfo = SitesPath("tempfastinfo.dat");
    const store::Result<void> info = Fetch("fastcatsinfo.dat", tempInfo, false);
    if (Cancelled()) {
        return false;
    }
    if (!info) {
        return Fail(kFastCategoriesError, info.GetError().message);
    }
    const fs::path localInfo = SitesPath("fastcatsinfo.dat");
    const std::string localRevision = Exists(localInfo) ? FirstLine(localInfo) : "0";
    const double ours = ReadUpdateStamp(localRevision);
    const double theirs = ReadUpdateStamp(FirstLine(tempInfo));
    if (theirs <= ours) {
        m_view.ShowStatus("Fast categories is up-to-date.");
        return true;
    }
    m_phase = Phase::FastCats;
    m_view.ShowStatus("Downloading fast categories...");
    m_view.ShowProgress(UpdateBar::FastCategories, 0);
    const fs::path tempArchive = SitesPath("tempfastcats.dat");
    const store::Result<void> archive = Fetch("fastcats.dat", tempArchive, true);
    if (Cancelled()) {
        return false;
    }
    if (!archive) {
        return Fail(kFastCategoriesError, archive.GetError().message);
    }
    // A damaged archive would stay for good: the revision file would call it up to date.
    if (!IsArchiveWithMembers(tempArchive)) {
        return Fail(kFastCategoriesError, "not an archive with members");
    }
    store::Result<void> replaced = ReplaceFile(tempArchive, SitesPath("fastcats.dat"));
    if (replaced) {
        replaced = ReplaceFile(tempInfo, localInfo);
    }
    if (!replaced) {
        return Fail(kFastCategoriesError, replaced.GetError().message + " " + replaced.GetError().detail);
    }
    m_view.ShowProgress(UpdateBar::FastCategories, 100);
    return true;
}

void TDownloader::CleanUp()
{
    for (const char* file : {"tempinfo.dat",
                             "tempsites.dat",
                             "tempfastcats.dat",
                             "tempfastinfo.dat",
                             "sitesnew.dat",
                             "tempsite.dat"}) {
        Remove(SitesPath(file));
    }
    for (const char* file : {"version.inf", "sitesnew.dat", "sites.dat"}) {
        Remove(m_settings.scratch / file);
    }
    if (m_ftp.Connected()) {
        (void)m_ftp.Quit();
    }
    m_phase = Phase::None;
}

store::Result<void>
TDownloader::Fetch(const std::string& remote, const std::filesystem::path& local, bool querySize)
{
    m_ftp.hostFileName = remote;
    m_ftp.localFileName = local.string();
    m_fileSize = 0;
    m_tooLarge = false;
    if (querySize) {
        const store::Result<std::int64_t> size = m_ftp.Size();
        m_fileSize = size ? size.Value() : 0;
    }
    store::Result<void> fetched = m_ftp.Retr();
    if (m_tooLarge) {
        Remove(local);
        return store::MakeError(store::ErrorKind::Malformed,
                                remote + " is larger than any archive the program reads");
    }
    return fetched;
}

void TDownloader::OnProgress(std::int64_t bytes, bool& abort)
{
    if (m_cancel) {
        abort = true;
        return;
    }
    if (bytes > kMaxDownloadBytes) {
        m_tooLarge = true;
        abort = true;
        return;
    }
    if (m_fileSize <= 0) {
        return;
    }
    if (m_phase == Phase::Download) {
        m_view.ShowProgress(UpdateBar::CurrentSite, Percent(bytes, m_fileSize));
    } else if (m_phase == Phase::FastCats) {
        m_view.ShowProgress(UpdateBar::FastCategories, Percent(bytes, m_fileSize));
    }
}

} // namespace listrider::sites
