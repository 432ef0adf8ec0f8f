// The scratch directory: Temp followed by five random digits, where site packages are unpacked.
#pragma once

#include <filesystem>
#include <string>

#include "store/result.h"

namespace listrider::sites {

/// The program run's scratch directory in the workspace. On first use a directory is claimed and
/// locked for this process: one that an ended run left behind, else the drawn name, else new
/// digits while another running instance holds the name, so two instances never share one. A
/// claimed directory is emptied; it is left in place when the program ends.
class ScratchDir
{
public:
    explicit ScratchDir(std::filesystem::path workspace);
    ScratchDir(const ScratchDir&) = delete;
    ScratchDir& operator=(const ScratchDir&) = delete;
    ~ScratchDir();

    /// Returns the directory's path (its digits may still change until Ensure succeeds).
    const std::filesystem::path& Path() const { return m_path; }

    /// Returns the five digits of the name.
    const std::string& Digits() const { return m_digits; }

    /// Claims the directory (creating it) when that has not happened yet; returns its path.
    store::Result<std::filesystem::path> Ensure();

    /// Returns whether this process holds the directory.
    bool IsClaimed() const { return m_lock >= 0; }

    /// Deletes every file of the directory; the directory itself and subdirectories stay. Does
    /// nothing before the directory is claimed: a directory of the drawn name may be another
    /// instance's.
    void Clear();

    /// Empties and removes the directory and gives up the claim (a short program run that leaves
    /// nothing behind). Does nothing before the directory is claimed.
    void Remove();

private:
    void Draw();
    bool TryClaim(const std::filesystem::path& directory);

    std::filesystem::path m_workspace;
    std::filesystem::path m_path;
    std::string m_digits;
    int m_lock = -1;
};

} // namespace listrider::sites
