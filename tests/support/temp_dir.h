// A directory of its own for each test, removed afterwards.
#pragma once

#include <filesystem>
#include <string>
#include <string_view>

namespace listrider::testsupport {

/// A fresh directory under the system's temporary directory, removed with everything in it when
/// the object goes.
class TempDir
{
public:
    TempDir();
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;
    ~TempDir();

    const std::filesystem::path& Path() const { return m_path; }

    /// Returns Path() / name.
    std::filesystem::path operator/(std::string_view name) const { return m_path / name; }

    /// Writes a file below the directory with exactly these bytes and returns its path.
    std::filesystem::path Write(std::string_view name, std::string_view bytes) const;

private:
    std::filesystem::path m_path;
};

/// Returns the bytes of a file (empty when missing).
std::string ReadBytes(const std::filesystem::path& file);

} // namespace listrider::testsupport
