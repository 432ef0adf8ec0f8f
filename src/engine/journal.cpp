#include "engine/journal.h"

#include <charconv>
#include <optional>
#include <set>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include "engine/result_folder.h"
#include "store/file_io.h"
#include "store/file_system.h"
#include "store/line_list.h"

namespace listrider::engine {
namespace {

namespace fs = std::filesystem;

void AddLine(std::string& out, std::string_view line)
{
    out += line;
    out += "\r\n";
}

// Lines joined by CR LF with none after the last, as SaveLines writes them.
std::string Finish(std::string text)
{
    if (text.size() >= 2) {
        text.resize(text.size() - 2);
    }
    return text;
}

std::optional<long long> WholeNumber(std::string_view text)
{
    long long value = 0;
    const char* begin = text.data();
    const char* end = text.data() + text.size();
    if (begin != end && *begin == '+') {
        ++begin;
    }
    const auto [ptr, ec] = std::from_chars(begin, end, value);
    if (ec != std::errc() || ptr != end || begin == end) {
        return std::nullopt;
    }
    return value;
}

long long Counter(std::string_view text)
{
    return WholeNumber(text).value_or(0);
}

store::Result<void> InstallFile(const fs::path& folder, std::string_view name, std::string_view text)
{
    return store::SaveStringToFile(
        folder / name, text, store::FileAccess::Shared, store::Durability::Ordered);
}

store::Result<void> EnsureFolder(const fs::path& folder)
{
    std::error_code ec;
    if (fs::is_directory(folder, ec)) {
        return {};
    }
    return store::ForceDirectories(folder);
}

} // namespace

const std::array<const char*, 6> kJournalFiles = {
    "log.dat", "details.dat", "sites.dat", "resume.dat", "pending.dat", "httperrs.dat"};

fs::path ResumeFolder(const fs::path& productFolder)
{
    return productFolder / "Resume";
}

std::array<std::string, 6> JournalTexts(const SubmissionState& state, WizardPage page)
{
    std::array<std::string, 6> texts;
    std::string& log = texts[0];
    for (const RunPage* runPage : {&state.page1, &state.page3}) {
        for (const LogRow& row : runPage->log) {
            AddLine(log, row.time);
            AddLine(log, row.site);
            AddLine(log, row.result);
        }
    }
    std::string& details = texts[1];
    for (const DetailRow& row : (page == WizardPage::MainSubmit ? state.page1 : state.page3).details) {
        AddLine(details, row.time);
        AddLine(details, row.site);
        AddLine(details, row.action);
        AddLine(details, row.result);
    }
    std::string& sites = texts[2];
    for (std::size_t i = state.position; i < state.selected.size(); ++i) {
        AddLine(sites, state.selected[i]);
    }
    std::string& resume = texts[3];
    AddLine(resume, std::to_string(static_cast<int>(page)));
    if (page != WizardPage::NewPasswords) {
        const PageCounters& counters = state.RunPageOf(page).counters;
        AddLine(resume, std::to_string(counters.left));
        AddLine(resume, std::to_string(counters.processed));
        AddLine(resume, std::to_string(counters.successful));
        AddLine(resume, std::to_string(counters.progress));
    }
    for (const long long value : state.report.ToArray()) {
        AddLine(resume, std::to_string(value));
    }
    if (page != WizardPage::FinalSubmit) {
        for (const std::string& site : state.pending) {
            AddLine(texts[4], site);
        }
    }
    for (const std::string& line : state.httpErrors) {
        AddLine(texts[5], line);
    }
    for (std::string& text : texts) {
        text = Finish(std::move(text));
    }
    return texts;
}

RunJournal::RunJournal(fs::path folder)
    : m_folder(std::move(folder))
    , m_log(std::make_unique<JournalLog>(m_folder))
{}

RunJournal::~RunJournal()
{
    (void)Install();
}

store::Result<void>
RunJournal::Save(const SubmissionState& state, WizardPage page, std::span<const PendingAppend> appends)
{
    if (!m_recovered) {
        RecoverJournal(m_folder);
        m_recovered = true;
    }
    std::array<std::string, 6> texts = JournalTexts(state, page);
    // A site's start right after the last closing finds the journal as that closing left it.
    if (m_log->HasCommitted() && texts == m_lastTexts && appends.empty()) {
        return {};
    }
    if (store::Result<void> made = EnsureFolder(m_folder); !made) {
        return made;
    }
    std::vector<CommittedAppend> committed;
    for (const PendingAppend& append : appends) {
        long long before = std::max<std::int64_t>(0, store::FileSizeOf(append.file));
        for (const CommittedAppend& earlier : committed) {
            if (earlier.file == append.file) {
                before = earlier.sizeBefore + static_cast<long long>(earlier.bytes.size());
            }
        }
        committed.push_back(CommittedAppend{append.file, before, append.line + "\r\n"});
    }
    if (store::Result<void> written = m_log->Commit(texts, committed); !written) {
        return written;
    }
    m_lastTexts = std::move(texts);
    m_uninstalled = true;
    for (const PendingAppend& append : appends) {
        if (store::Result<void> appended = AppendResultLine(append.file, append.line); !appended) {
            return appended;
        }
    }
    return {};
}

store::Result<void> RunJournal::Install()
{
    if (!m_uninstalled) {
        return {};
    }
    for (std::size_t i = 0; i < m_lastTexts.size(); ++i) {
        const fs::path file = m_folder / kJournalFiles[i];
        if (store::FileSizeOf(file) >= 0 && store::LoadFileAsString(file) == m_lastTexts[i]) {
            continue;
        }
        if (store::Result<void> installed = InstallFile(m_folder, kJournalFiles[i], m_lastTexts[i]);
            !installed) {
            return installed;
        }
    }
    m_uninstalled = false;
    return {};
}

store::Result<void> RunJournal::Flush()
{
    if (store::Result<void> installed = Install(); !installed) {
        return installed;
    }
    return m_log->Flush();
}

void RecoverJournal(const fs::path& folder)
{
    const std::optional<CommittedSet> set = ReadCommittedSet(folder);
    if (!set) {
        return;
    }
    for (std::size_t i = 0; i < kJournalFiles.size(); ++i) {
        const fs::path file = folder / kJournalFiles[i];
        if (store::FileSizeOf(file) < 0 || store::LoadFileAsString(file) != set->texts[i]) {
            (void)InstallFile(folder, kJournalFiles[i], set->texts[i]);
        }
    }
    // The closing that the set records may have been killed before its result lines.
    for (const CommittedAppend& append : set->appends) {
        if (std::max<std::int64_t>(0, store::FileSizeOf(append.file)) == append.sizeBefore &&
            std::string_view(append.bytes).ends_with("\r\n")) {
            (void)AppendResultLine(append.file,
                                   std::string_view(append.bytes).substr(0, append.bytes.size() - 2));
        }
    }
}

bool HasResumeInfo(const fs::path& folder)
{
    RecoverJournal(folder);
    std::error_code ec;
    return fs::is_regular_file(folder / "sites.dat", ec) && fs::is_regular_file(folder / "resume.dat", ec);
}

std::string ResumeQuestion(std::string_view productName, std::string_view productVersion)
{
    return "The last submission was not finished. Would you like to resume the last submission?\r\n\r\n"
           "Product Name: " +
           std::string(productName) + "\r\n" + "Product Version: " + std::string(productVersion) +
           "\r\n\r\n" + "Warning! If you choose \"No\", the resume data will be lost!";
}

store::Result<void>
OpenResumeInfo(const fs::path& folder, SubmissionState& state, std::span<const std::string> listRows)
{
    RecoverJournal(folder);
    auto load = [&folder](const char* name) {
        return store::LoadLines(folder / name);
    };
    auto exists = [&folder](const char* name) {
        std::error_code ec;
        return fs::exists(folder / name, ec);
    };
    state.resumeMode = true;
    state.selected.clear();
    state.position = 0;
    state.httpErrors.clear();
    state.pending.clear();
    if (exists("pending.dat")) {
        for (const std::string_view line : load("pending.dat")) {
            state.pending.emplace_back(line);
        }
    }
    std::set<std::string> checked;
    state.checked.clear();
    if (exists("sites.dat")) {
        for (const std::string_view line : load("sites.dat")) {
            for (const std::string& row : listRows) {
                if (row == line) {
                    checked.insert(row);
                    state.selected.push_back(row);
                }
            }
        }
    }
    for (const std::string& row : listRows) {
        if (checked.count(row) != 0) {
            state.checked.push_back(row);
        }
    }

    const store::LineList resume = load("resume.dat");
    auto line = [&resume](std::size_t index) {
        return index < resume.size() ? resume[index] : std::string_view();
    };
    const std::optional<long long> pageNumber = WholeNumber(line(0));
    if (!pageNumber) {
        return store::MakeError(store::ErrorKind::Malformed,
                                "'" + std::string(line(0)) + "' is not a valid integer value",
                                (folder / "resume.dat").string());
    }
    const int page = static_cast<int>(*pageNumber);
    if (page == 1 || page == 3) {
        RunPage& runPage = page == 1 ? state.page1 : state.page3;
        runPage.counters.left = Counter(line(1));
        runPage.counters.processed = Counter(line(2));
        runPage.counters.successful = Counter(line(3));
        const std::optional<long long> progress = WholeNumber(line(4));
        if (!progress) {
            return store::MakeError(store::ErrorKind::Malformed,
                                    "'" + std::string(line(4)) + "' is not a valid integer value",
                                    (folder / "resume.dat").string());
        }
        runPage.counters.progress = static_cast<int>(*progress);
        std::array<long long, 7> report = state.report.ToArray();
        for (std::size_t i = 0; i < report.size(); ++i) {
            if (const std::optional<long long> value = WholeNumber(line(5 + i))) {
                report[i] = *value;
            }
        }
        state.report.FromArray(report);
    }
    RunPage& restored = page == 1 ? state.page1 : state.page3;
    restored.log.clear();
    restored.details.clear();
    // Pages 1 and 2 show the Step 1 lists, page 3 the Step 3 lists.
    RunPage* target = page == 1 || page == 2 ? &state.page1 : page == 3 ? &state.page3 : nullptr;
    if (exists("log.dat")) {
        const store::LineList log = load("log.dat");
        for (std::size_t i = 0; i < log.size(); i += 3) {
            auto at = [&log](std::size_t index) {
                return std::string(index < log.size() ? log[index] : std::string_view());
            };
            if (target != nullptr) {
                target->log.push_back(LogRow{at(i), at(i + 1), at(i + 2)});
            }
        }
    }
    if (exists("details.dat")) {
        const store::LineList details = load("details.dat");
        for (std::size_t i = 0; i < details.size(); i += 4) {
            auto at = [&details](std::size_t index) {
                return std::string(index < details.size() ? details[index] : std::string_view());
            };
            if (target != nullptr) {
                target->details.push_back(DetailRow{at(i), at(i + 1), at(i + 2), at(i + 3)});
            }
        }
    }
    if (exists("httperrs.dat")) {
        for (const std::string_view errorLine : load("httperrs.dat")) {
            state.httpErrors.emplace_back(errorLine);
        }
    }
    if (page >= 1 && page <= 3) {
        state.page = static_cast<WizardPage>(page);
    }
    return {};
}

void DeleteResumeInfo(const fs::path& folder)
{
    std::error_code ec;
    if (!fs::exists(folder, ec)) {
        return;
    }
    // Before the files go, a killed run's last closing still reaches the result files.
    RecoverJournal(folder);
    for (fs::directory_iterator it(folder, ec), end; !ec && it != end; it.increment(ec)) {
        std::error_code ignored;
        fs::permissions(it->path(), fs::perms::owner_write, fs::perm_options::add, ignored);
        fs::remove_all(it->path(), ignored);
    }
    fs::remove(folder, ec);
}

} // namespace listrider::engine
