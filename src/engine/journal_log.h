// Where the journal's sets are committed: a snapshot (journal.set) and the commits after it
// (journal.log), each commit one appended record holding only what changed.
#pragma once

#include <array>
#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "store/result.h"

namespace listrider::engine {

/// A result line carried by a commit: the file, its size before the line, and the line's bytes.
struct CommittedAppend
{
    std::filesystem::path file;
    long long sizeBefore = 0;
    std::string bytes; ///< the line with its CR LF
};

/// The last committed set of a journal folder.
struct CommittedSet
{
    std::array<std::string, 6> texts;
    std::vector<CommittedAppend> appends; ///< those of the last commit
};

/// Returns the last set committed in the folder: the snapshot with every whole record of its
/// generation applied (a torn last record is no commit); nothing when there is no snapshot.
std::optional<CommittedSet> ReadCommittedSet(const std::filesystem::path& folder);

/// Commits sets of one folder. The first commit writes a snapshot; later ones append a record of
/// their changes (common start and end kept, the middle replaced) in one write; a log grown past
/// the snapshot is folded into a new snapshot, so the bytes written stay in proportion to the run.
class JournalLog
{
public:
    explicit JournalLog(std::filesystem::path folder);
    JournalLog(const JournalLog&) = delete;
    JournalLog& operator=(const JournalLog&) = delete;
    ~JournalLog();

    store::Result<void> Commit(const std::array<std::string, 6>& texts,
                               const std::vector<CommittedAppend>& appends);

    /// Flushes the snapshot and the log to the disk.
    store::Result<void> Flush();

    bool HasCommitted() const { return m_hasLast; }

private:
    store::Result<void> WriteSnapshot(const std::array<std::string, 6>& texts,
                                      const std::vector<CommittedAppend>& appends);
    store::Result<void> OpenLog();

    std::filesystem::path m_folder;
    std::array<std::string, 6> m_last;
    bool m_hasLast = false;
    std::uint64_t m_generation = 0;
    long long m_snapshotBytes = 0;
    long long m_logBytes = 0;
    int m_logFd = -1;
};

} // namespace listrider::engine
