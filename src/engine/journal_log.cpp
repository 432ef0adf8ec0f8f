#include "engine/journal_log.h"

#include <algorithm>
#include <cerrno>
#include <charconv>
#include <cstring>

#include <fcntl.h>
#include <unistd.h>

#include "engine/journal.h"
#include "store/file_io.h"

namespace listrider::engine {
namespace {

namespace fs = std::filesystem;

constexpr const char* kSetFile = "journal.set";
constexpr const char* kLogFile = "journal.log";
constexpr std::string_view kSetMagic = "LISTRIDER-JOURNAL-SET 2\n";
constexpr long long kMinimumLogBytes = 64 * 1024;

std::optional<long long> Number(std::string_view text)
{
    long long value = 0;
    const auto [ptr, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (ec != std::errc() || ptr != text.data() + text.size() || text.empty()) {
        return std::nullopt;
    }
    return value;
}

std::uint64_t Checksum(std::string_view bytes)
{
    std::uint64_t hash = 1469598103934665603ull;
    for (const char c : bytes) {
        hash ^= static_cast<unsigned char>(c);
        hash *= 1099511628211ull;
    }
    return hash;
}

void AddEntry(std::string& out, std::string_view name, std::string_view bytes)
{
    out += name;
    out += '\n';
    out += std::to_string(bytes.size());
    out += '\n';
    out += bytes;
    out += '\n';
}

struct Entry
{
    std::string_view name;
    std::string_view bytes;
};

// Splits "name\nlength\nbytes\n" entries; nothing when they do not add up.
std::optional<std::vector<Entry>> Entries(std::string_view text)
{
    std::vector<Entry> entries;
    std::size_t at = 0;
    while (at < text.size()) {
        const std::size_t nameEnd = text.find('\n', at);
        const std::size_t sizeEnd =
            nameEnd == std::string_view::npos ? nameEnd : text.find('\n', nameEnd + 1);
        if (sizeEnd == std::string_view::npos) {
            return std::nullopt;
        }
        const std::optional<long long> size = Number(text.substr(nameEnd + 1, sizeEnd - nameEnd - 1));
        if (!size || *size < 0 || sizeEnd + 1 + static_cast<std::size_t>(*size) + 1 > text.size()) {
            return std::nullopt;
        }
        entries.push_back(
            Entry{text.substr(at, nameEnd - at), text.substr(sizeEnd + 1, static_cast<std::size_t>(*size))});
        at = sizeEnd + 1 + static_cast<std::size_t>(*size) + 1;
    }
    return entries;
}

std::string EncodeAppend(const CommittedAppend& append)
{
    return append.file.string() + '\n' + std::to_string(append.sizeBefore) + '\n' + append.bytes;
}

std::optional<CommittedAppend> DecodeAppend(std::string_view bytes)
{
    const std::size_t fileEnd = bytes.find('\n');
    const std::size_t sizeEnd = fileEnd == std::string_view::npos ? fileEnd : bytes.find('\n', fileEnd + 1);
    if (sizeEnd == std::string_view::npos) {
        return std::nullopt;
    }
    const std::optional<long long> before = Number(bytes.substr(fileEnd + 1, sizeEnd - fileEnd - 1));
    if (!before) {
        return std::nullopt;
    }
    return CommittedAppend{
        fs::path(std::string(bytes.substr(0, fileEnd))), *before, std::string(bytes.substr(sizeEnd + 1))};
}

// Applies the entries of one commit to the texts.
bool Apply(const std::vector<Entry>& entries, CommittedSet& set)
{
    set.appends.clear();
    for (const Entry& entry : entries) {
        if (entry.name == "append") {
            if (std::optional<CommittedAppend> append = DecodeAppend(entry.bytes)) {
                set.appends.push_back(std::move(*append));
            }
            continue;
        }
        if (entry.name != "delta") {
            continue;
        }
        const std::size_t header = entry.bytes.find('\n');
        if (header == std::string_view::npos) {
            return false;
        }
        const std::string_view head = entry.bytes.substr(0, header);
        const std::size_t first = head.find(' ');
        const std::size_t second = first == std::string_view::npos ? first : head.find(' ', first + 1);
        if (second == std::string_view::npos) {
            return false;
        }
        const std::optional<long long> index = Number(head.substr(0, first));
        const std::optional<long long> prefix = Number(head.substr(first + 1, second - first - 1));
        const std::optional<long long> suffix = Number(head.substr(second + 1));
        if (!index || !prefix || !suffix || *index < 0 || *index >= 6 || *prefix < 0 || *suffix < 0) {
            return false;
        }
        std::string& text = set.texts[static_cast<std::size_t>(*index)];
        if (static_cast<std::size_t>(*prefix + *suffix) > text.size()) {
            return false;
        }
        text = text.substr(0, static_cast<std::size_t>(*prefix)) +
               std::string(entry.bytes.substr(header + 1)) +
               text.substr(text.size() - static_cast<std::size_t>(*suffix));
    }
    return true;
}

store::Error WriteError(const fs::path& file, int error)
{
    return store::MakeError(store::ErrorKind::Io, "Cannot write " + file.string(), std::strerror(error));
}

} // namespace

std::optional<CommittedSet> ReadCommittedSet(const fs::path& folder)
{
    const std::string snapshot = store::LoadFileAsString(folder / kSetFile);
    if (!std::string_view(snapshot).starts_with(kSetMagic)) {
        return std::nullopt;
    }
    const std::string_view body = std::string_view(snapshot).substr(kSetMagic.size());
    const std::size_t generationEnd = body.find('\n');
    if (generationEnd == std::string_view::npos) {
        return std::nullopt;
    }
    const std::optional<long long> generation = Number(body.substr(0, generationEnd));
    const std::optional<std::vector<Entry>> entries = Entries(body.substr(generationEnd + 1));
    if (!generation || !entries) {
        return std::nullopt;
    }
    CommittedSet set;
    for (const Entry& entry : *entries) {
        for (std::size_t i = 0; i < kJournalFiles.size(); ++i) {
            if (entry.name == kJournalFiles[i]) {
                set.texts[i] = std::string(entry.bytes);
            }
        }
        if (entry.name == "append") {
            if (std::optional<CommittedAppend> append = DecodeAppend(entry.bytes)) {
                set.appends.push_back(std::move(*append));
            }
        }
    }
    // The records of this snapshot's generation, up to the first one that is not whole.
    const std::string log = store::LoadFileAsString(folder / kLogFile);
    std::string_view rest = log;
    const std::string prefix = "COMMIT " + std::to_string(*generation) + " ";
    while (!rest.empty()) {
        const std::size_t headerEnd = rest.find('\n');
        if (headerEnd == std::string_view::npos || !rest.starts_with(prefix)) {
            break;
        }
        const std::string_view header = rest.substr(prefix.size(), headerEnd - prefix.size());
        const std::size_t space = header.find(' ');
        const std::optional<long long> length = Number(header.substr(0, space));
        const std::optional<long long> sum =
            space == std::string_view::npos ? std::nullopt : Number(header.substr(space + 1));
        if (!length || !sum || *length < 0 ||
            headerEnd + 1 + static_cast<std::size_t>(*length) + 1 > rest.size()) {
            break;
        }
        const std::string_view record = rest.substr(headerEnd + 1, static_cast<std::size_t>(*length));
        if (static_cast<long long>(Checksum(record) & 0x7fffffffffffffffull) != *sum) {
            break;
        }
        const std::optional<std::vector<Entry>> changes = Entries(record);
        CommittedSet next = set;
        if (!changes || !Apply(*changes, next)) {
            break;
        }
        set = std::move(next);
        rest.remove_prefix(headerEnd + 1 + static_cast<std::size_t>(*length) + 1);
    }
    return set;
}

JournalLog::JournalLog(fs::path folder)
    : m_folder(std::move(folder))
{}

JournalLog::~JournalLog()
{
    if (m_logFd >= 0) {
        ::close(m_logFd);
    }
}

store::Result<void> JournalLog::OpenLog()
{
    if (m_logFd >= 0) {
        return {};
    }
    m_logFd = ::open((m_folder / kLogFile).c_str(), O_WRONLY | O_CREAT | O_APPEND | O_CLOEXEC, 0666);
    if (m_logFd < 0) {
        return WriteError(m_folder / kLogFile, errno);
    }
    return {};
}

store::Result<void> JournalLog::WriteSnapshot(const std::array<std::string, 6>& texts,
                                              const std::vector<CommittedAppend>& appends)
{
    if (m_generation == 0) {
        // A new writer goes on from the generation it finds, so old records never apply.
        const std::string old = store::LoadFileAsString(m_folder / kSetFile);
        if (std::string_view(old).starts_with(kSetMagic)) {
            const std::string_view body = std::string_view(old).substr(kSetMagic.size());
            m_generation = static_cast<std::uint64_t>(Number(body.substr(0, body.find('\n'))).value_or(0));
        }
    }
    ++m_generation;
    std::string out(kSetMagic);
    out += std::to_string(m_generation);
    out += '\n';
    for (std::size_t i = 0; i < texts.size(); ++i) {
        AddEntry(out, kJournalFiles[i], texts[i]);
    }
    for (const CommittedAppend& append : appends) {
        AddEntry(out, "append", EncodeAppend(append));
    }
    if (store::Result<void> saved = store::SaveStringToFile(
            m_folder / kSetFile, out, store::FileAccess::Shared, store::Durability::Ordered);
        !saved) {
        return saved;
    }
    m_snapshotBytes = static_cast<long long>(out.size());
    if (store::Result<void> opened = OpenLog(); !opened) {
        return opened;
    }
    // Records of the older generation no longer apply; dropping them only saves space.
    if (::ftruncate(m_logFd, 0) != 0) {
        return WriteError(m_folder / kLogFile, errno);
    }
    m_logBytes = 0;
    return {};
}

store::Result<void> JournalLog::Commit(const std::array<std::string, 6>& texts,
                                       const std::vector<CommittedAppend>& appends)
{
    if (!m_hasLast || m_logBytes > std::max(m_snapshotBytes, kMinimumLogBytes)) {
        if (store::Result<void> written = WriteSnapshot(texts, appends); !written) {
            return written;
        }
        m_last = texts;
        m_hasLast = true;
        return {};
    }
    std::string record;
    for (std::size_t i = 0; i < texts.size(); ++i) {
        const std::string& before = m_last[i];
        const std::string& after = texts[i];
        if (before == after) {
            continue;
        }
        std::size_t prefix = 0;
        const std::size_t shorter = std::min(before.size(), after.size());
        while (prefix < shorter && before[prefix] == after[prefix]) {
            ++prefix;
        }
        std::size_t suffix = 0;
        while (suffix < shorter - prefix &&
               before[before.size() - 1 - suffix] == after[after.size() - 1 - suffix]) {
            ++suffix;
        }
        AddEntry(record,
                 "delta",
                 std::to_string(i) + ' ' + std::to_string(prefix) + ' ' + std::to_string(suffix) + '\n' +
                     after.substr(prefix, after.size() - prefix - suffix));
    }
    for (const CommittedAppend& append : appends) {
        AddEntry(record, "append", EncodeAppend(append));
    }
    const std::string bytes = "COMMIT " + std::to_string(m_generation) + " " + std::to_string(record.size()) +
                              " " + std::to_string(Checksum(record) & 0x7fffffffffffffffull) + "\n" + record +
                              "\n";
    if (store::Result<void> opened = OpenLog(); !opened) {
        return opened;
    }
    // One write: a killed run leaves the record whole or not at all.
    std::size_t done = 0;
    while (done < bytes.size()) {
        const ssize_t n = ::write(m_logFd, bytes.data() + done, bytes.size() - done);
        if (n < 0 && errno == EINTR) {
            continue;
        }
        if (n <= 0) {
            return WriteError(m_folder / kLogFile, n < 0 ? errno : ENOSPC);
        }
        done += static_cast<std::size_t>(n);
    }
    m_logBytes += static_cast<long long>(bytes.size());
    m_last = texts;
    return {};
}

store::Result<void> JournalLog::Flush()
{
    if (m_logFd >= 0 && ::fsync(m_logFd) != 0) {
        return WriteError(m_folder / kLogFile, errno);
    }
    const int fd = ::open((m_folder / kSetFile).c_str(), O_RDONLY | O_CLOEXEC);
    if (fd >= 0) {
        const int synced = ::fsync(fd);
        ::close(fd);
        if (synced != 0) {
            return WriteError(m_folder / kSetFile, errno);
        }
    }
    return {};
}

} // namespace listrider::engine
