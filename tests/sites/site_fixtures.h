// Small site databases written into a test workspace.
#pragma once

#include <filesystem>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "sites/zip_archive.h"
#include "store/file_io.h"

namespace listrider::sites {

/// Writes Sites/<name>.dat with the members.
inline void WritePackage(const std::filesystem::path& workspace,
                         const std::string& name,
                         const std::vector<ZipMember>& members)
{
    std::filesystem::create_directories(workspace / "Sites");
    const store::Result<void> written = WriteZip(workspace / "Sites" / (name + ".dat"), members);
    ASSERT_TRUE(written.HasValue()) << written.GetError().message << " " << written.GetError().detail;
}

/// Writes Sites/sites.dat with one block per name, each block carrying the extra lines.
inline void WriteIndex(const std::filesystem::path& workspace,
                       const std::vector<std::string>& names,
                       const std::vector<std::string>& extraLines = {})
{
    std::vector<std::string> lines;
    for (const std::string& name : names) {
        lines.push_back("<SITE>");
        lines.push_back("<SITENAME>" + name + "</SITENAME>");
        lines.insert(lines.end(), extraLines.begin(), extraLines.end());
        lines.push_back("</SITE>");
    }
    std::filesystem::create_directories(workspace / "Sites");
    ASSERT_TRUE(store::SaveLines(workspace / "Sites" / "sites.dat", lines).HasValue());
}

/// Returns the names of the files in a directory (none when it is missing).
inline std::vector<std::string> FilesIn(const std::filesystem::path& directory)
{
    std::vector<std::string> names;
    std::error_code ec;
    for (std::filesystem::directory_iterator it(directory, ec), end; !ec && it != end; it.increment(ec)) {
        names.push_back(it->path().filename().string());
    }
    return names;
}

} // namespace listrider::sites
