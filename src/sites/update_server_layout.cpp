#include "sites/update_server_layout.h"

#include <set>
#include <system_error>

#include "sites/site_index.h"
#include "sites/update_index.h"
#include "sites/zip_archive.h"
#include "store/ascii.h"
#include "store/file_io.h"
#include "store/file_system.h"

namespace listrider::sites {
namespace {

namespace fs = std::filesystem;

store::Result<void> Copy(const fs::path& from, const fs::path& to)
{
    std::error_code ec;
    fs::copy_file(from, to, fs::copy_options::overwrite_existing, ec);
    if (ec) {
        return store::MakeError(store::ErrorKind::Io, "Cannot write " + to.string(), ec.message());
    }
    return {};
}

} // namespace

store::Result<ServerLayoutReport>
WriteUpdateServerFiles(const fs::path& workspace, const fs::path& directory, const std::string& version)
{
    const fs::path index = SiteIndexPath(workspace);
    std::error_code ec;
    if (!fs::is_regular_file(index, ec)) {
        return store::MakeError(
            store::ErrorKind::NotFound, "The workspace has no site index", index.string());
    }
    const std::string indexText = store::LoadFileAsString(index);
    const std::vector<TSites> entries = ReadUpdateIndex(store::LineList::FromText(indexText).Span());

    ServerLayoutReport report;
    std::set<std::string> remoteNames;
    for (const TSites& entry : entries) {
        if (const std::string problem = UpdateNameProblem(entry.name); !problem.empty()) {
            return store::MakeError(store::ErrorKind::Malformed,
                                    "The site \"" + entry.name + "\" cannot be offered: " + problem);
        }
        if (!remoteNames.insert(store::AsciiLower(entry.name)).second) {
            return store::MakeError(store::ErrorKind::Malformed,
                                    "Two sites are named \"" + entry.name + "\" when letter case is ignored");
        }
    }

    fs::create_directories(directory, ec);
    if (ec) {
        return store::MakeError(store::ErrorKind::Io, "Cannot create " + directory.string(), ec.message());
    }
    for (const TSites& entry : entries) {
        ++report.sites;
        const fs::path package = store::ResolveNoCase(SitesDir(workspace), entry.name + ".dat");
        if (!fs::is_regular_file(package, ec)) {
            report.warnings.push_back("\"" + entry.name + "\" has no package");
            continue;
        }
        if (store::Result<void> copied = Copy(package, directory / (store::AsciiLower(entry.name) + ".dat"));
            !copied) {
            return copied.GetError();
        }
        ++report.packages;
        if (entry.update == 0) {
            report.warnings.push_back("\"" + entry.name +
                                      "\" has no <UPDATE> stamp: updates list it without its package");
        }
    }
    if (store::Result<void> zipped = WriteZip(directory / "sites.dat", {{"sites.dat", indexText}}); !zipped) {
        return zipped.GetError();
    }
    if (store::Result<void> saved = store::SaveStringToFile(directory / "version.inf", version + "\r\n");
        !saved) {
        return saved.GetError();
    }
    const fs::path fastCats = store::ResolveNoCase(SitesDir(workspace), "fastcats.dat");
    const fs::path fastInfo = store::ResolveNoCase(SitesDir(workspace), "fastcatsinfo.dat");
    if (fs::is_regular_file(fastCats, ec) && fs::is_regular_file(fastInfo, ec)) {
        for (const auto& [from, name] :
             {std::pair{fastCats, "fastcats.dat"}, std::pair{fastInfo, "fastcatsinfo.dat"}}) {
            if (store::Result<void> copied = Copy(from, directory / name); !copied) {
                return copied.GetError();
            }
        }
        report.fastCategories = true;
    } else {
        report.warnings.emplace_back(
            "The workspace has no fast categories: updates will fail at fast categories");
    }
    return report;
}

} // namespace listrider::sites
