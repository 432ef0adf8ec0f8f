#include "companions/error_report_archive.h"

#include <algorithm>
#include <array>

#include "sites/zip_archive.h"
#include "store/ascii.h"
#include "store/file_io.h"

namespace listrider::companions {
namespace {

namespace fs = std::filesystem;

constexpr std::array<std::string_view, 17> kStoredExtensions = {"gif",
                                                                "png",
                                                                "z",
                                                                "zip",
                                                                "zoo",
                                                                "arc",
                                                                "lzh",
                                                                "arj",
                                                                "taz",
                                                                "tgz",
                                                                "lha",
                                                                "rar",
                                                                "ace",
                                                                "cab",
                                                                "gz",
                                                                "gzip",
                                                                "jar"};

// The files of a folder, in name order so that archives of the same data are the same.
std::vector<fs::path> FilesOf(const fs::path& folder)
{
    std::vector<fs::path> files;
    std::error_code ec;
    for (fs::directory_iterator it(folder, ec), end; !ec && it != end; it.increment(ec)) {
        std::error_code typeError;
        if (it->is_regular_file(typeError)) {
            files.push_back(it->path());
        }
    }
    std::sort(files.begin(), files.end());
    return files;
}

bool IsPrivateFile(std::string_view name)
{
    return store::ContainsNoCase(name, "password.dat") || store::ContainsNoCase(name, "regkey.dat");
}

store::Result<void> AddFile(std::vector<sites::ZipMember>& members, const fs::path& file)
{
    std::error_code ec;
    if (!fs::is_regular_file(file, ec)) {
        return store::MakeError(
            store::ErrorKind::NotFound, "Cannot read " + file.filename().string(), file.string());
    }
    members.push_back(sites::ZipMember{file.filename().string(), store::LoadFileAsString(file)});
    return {};
}

} // namespace

bool IsReportedError(const engine::ErrorsRow& row)
{
    return row.texts.reason.find("Latest version is already listed") == std::string::npos;
}

std::string ErrorReportSummaryText(std::span<const engine::ErrorsRow> errors)
{
    std::string text;
    for (const engine::ErrorsRow& row : errors) {
        if (IsReportedError(row)) {
            for (const std::string* line :
                 {&row.site, &row.texts.problem, &row.texts.reason, &row.texts.solution}) {
                text += *line + "\r\n";
            }
        }
    }
    return text;
}

bool IsStoredUncompressed(std::string_view fileName)
{
    const std::size_t dot = fileName.rfind('.');
    if (dot == std::string_view::npos) {
        return false;
    }
    const std::string_view extension = fileName.substr(dot + 1);
    return std::any_of(kStoredExtensions.begin(),
                       kStoredExtensions.end(),
                       [extension](std::string_view known) { return store::EqualsNoCase(known, extension); });
}

store::Result<fs::path> WriteErrorReportArchive(const ErrorReportSources& sources)
{
    const fs::path archive = sources.scratchDir / kErrorReportArchive;
    const fs::path summary = sources.scratchDir / kErrorReportSummary;
    std::error_code ec;
    fs::remove(archive, ec);

    std::vector<sites::ZipMember> members;
    for (const fs::path& file : FilesOf(sources.productFolder)) {
        if (!IsPrivateFile(file.filename().string())) {
            (void)AddFile(members, file);
        }
    }
    const std::vector<fs::path> pages = FilesOf(sources.resultFolder);
    for (const engine::ErrorsRow& row : sources.errors) {
        if (!IsReportedError(row)) {
            continue;
        }
        const std::string prefix = row.site + ".";
        for (const fs::path& page : pages) {
            if (store::StartsWithNoCase(page.filename().string(), prefix)) {
                (void)AddFile(members, page);
            }
        }
    }
    if (store::Result<void> saved = store::SaveStringToFile(summary, ErrorReportSummaryText(sources.errors));
        !saved) {
        return saved.GetError();
    }
    store::Result<void> added = AddFile(members, summary);
    fs::remove(summary, ec);
    if (!added) {
        return added.GetError();
    }
    if (store::Result<void> written = sites::WriteZip(archive, members, IsStoredUncompressed); !written) {
        return written.GetError();
    }
    return archive;
}

} // namespace listrider::companions
