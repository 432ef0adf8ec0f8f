// The run journal: six line files in the product's Resume/ folder that let an unfinished wizard
// run be restored, replaced together as one set.
#pragma once

#include <array>
#include <filesystem>
#include <memory>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "engine/journal_log.h"
#include "engine/run_lists.h"
#include "store/result.h"

namespace listrider::engine {

/// Returns the product folder's journal folder (Resume/).
std::filesystem::path ResumeFolder(const std::filesystem::path& productFolder);

/// A line that a site's closing appends to a result file; the journal that records the closing
/// carries it, so a run killed between the two still gets the line exactly once.
struct PendingAppend
{
    std::filesystem::path file;
    std::string line;
};

/// Returns the six journal files' texts for the state as seen from `page` (1, 2 or 3), in the
/// order log.dat, details.dat, sites.dat, resume.dat, pending.dat, httperrs.dat.
std::array<std::string, 6> JournalTexts(const SubmissionState& state, WizardPage page);

/// The names of the six journal files, in JournalTexts order.
extern const std::array<const char*, 6> kJournalFiles;

/// Writes the journal of one product. The six files change together: each write is committed
/// as one set (JournalLog) and the six files are installed from the last set when the writer
/// flushes or goes, and by every reader (RecoverJournal), so a run killed at any moment leaves
/// the last committed set.
class RunJournal
{
public:
    explicit RunJournal(std::filesystem::path folder);
    RunJournal(const RunJournal&) = delete;
    RunJournal& operator=(const RunJournal&) = delete;
    /// Installs the six files of the last set.
    ~RunJournal();

    const std::filesystem::path& Folder() const { return m_folder; }

    /// Writes the journal (SaveResumeInfo) and then carries out the appends it records. A set
    /// equal to the last one written is not written again. A file that cannot be written is an
    /// Io error; what was written before stays.
    store::Result<void>
    Save(const SubmissionState& state, WizardPage page, std::span<const PendingAppend> appends = {});

    /// Installs the six files and makes the last set durable on the disk (the end of a run).
    store::Result<void> Flush();

private:
    store::Result<void> Install();

    std::filesystem::path m_folder;
    std::unique_ptr<JournalLog> m_log;
    std::array<std::string, 6> m_lastTexts;
    bool m_recovered = false;
    bool m_uninstalled = false; ///< a set was committed since the six files were installed
};

/// Finishes what a killed run left half done: installs the last committed set as the six files
/// and carries out its appends that did not reach their files. Harmless when nothing is left.
void RecoverJournal(const std::filesystem::path& folder);

/// Returns whether the folder holds a journal to offer (sites.dat and resume.dat).
bool HasResumeInfo(const std::filesystem::path& folder);

/// Returns the question asked when a product with a journal is opened.
std::string ResumeQuestion(std::string_view productName, std::string_view productVersion);

/// Restores the state from the journal (OpenResumeInfo): resume mode on, the pending list, the
/// checks of the rows of `listRows` (site list order) named in sites.dat, the page's counters,
/// lists and the HTTP error list. A first or progress line of resume.dat that is not a whole
/// number stops with a Malformed error; what was restored before stays.
store::Result<void> OpenResumeInfo(const std::filesystem::path& folder,
                                   SubmissionState& state,
                                   std::span<const std::string> listRows);

/// Deletes every file of the folder and the folder (DeleteResumeInfo); failures are ignored.
void DeleteResumeInfo(const std::filesystem::path& folder);

} // namespace listrider::engine
