// ZIP archives of the site database: counting, reading, extracting and writing members.
#pragma once

#include <cstdint>
#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "store/result.h"

namespace listrider::sites {

/// Bounds on what an archive may make the program read or write.
struct ZipLimits
{
    std::uint64_t maxMemberSize = 64ull << 20; ///< a larger member is skipped
    std::uint64_t maxTotalSize = 128ull << 20; ///< a larger archive is refused whole
    std::uint64_t maxMembers = 100000;         ///< more members: the archive is refused whole
};

/// One member's name (bytes as stored) and content.
struct ZipMember
{
    std::string name;
    std::string bytes;
};

/// The members read from an archive and the ones passed over, with the reason.
struct ZipContents
{
    std::vector<ZipMember> members;
    std::vector<std::string> skipped; ///< "name: reason"
};

/// Returns whether a member name may become a file of an extraction directory: no directory
/// part ('/' or '\'), not "." or "..", not empty.
bool IsSafeMemberName(std::string_view name);

/// Returns the number of members of the archive; a missing or unreadable file counts 0.
std::int64_t CountZipMembers(const std::filesystem::path& archive);

/// Returns the archive's members in order. Members with unsafe names or above the member limit
/// are skipped; a missing, corrupt or oversized archive is an error and yields nothing. With
/// `onlyMember` just the member of that name is read (exact name first, else ignoring ASCII case).
store::Result<ZipContents> ReadZipMembers(const std::filesystem::path& archive,
                                          const ZipLimits& limits = {},
                                          std::optional<std::string_view> onlyMember = std::nullopt);

/// Writes the members as files of `directory`, replacing files of the same name (a symbolic link
/// there is replaced, never followed). Returns the number of files written.
store::Result<std::size_t> WriteMemberFiles(const std::filesystem::path& directory,
                                            const std::vector<ZipMember>& members);

/// Says which members are stored uncompressed (already compressed data).
using StoredMemberTest = std::function<bool(std::string_view name)>;

/// Replaces the archive with one holding exactly these members, deflated at level 9 unless
/// `stored` names them. An empty list removes the archive, as an archive without members is no
/// package.
store::Result<void> WriteZip(const std::filesystem::path& archive,
                             const std::vector<ZipMember>& members,
                             const StoredMemberTest& stored = {});

} // namespace listrider::sites
