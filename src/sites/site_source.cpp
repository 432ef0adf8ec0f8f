#include "sites/site_source.h"

#include <algorithm>
#include <set>

#include "sites/package_members.h"
#include "sites/site_index.h"
#include "sites/source_text.h"
#include "store/file_io.h"
#include "store/file_system.h"
#include "store/line_list.h"

namespace listrider::sites {
namespace {

namespace fs = std::filesystem;

// Filesystem tests that answer false instead of throwing when the system refuses to tell.
bool IsDirectory(const fs::path& path)
{
    std::error_code ec;
    return fs::is_directory(path, ec);
}

bool IsRegularFile(const fs::path& path)
{
    std::error_code ec;
    return fs::is_regular_file(path, ec);
}

constexpr std::string_view kOrderFile = "sites.lst";
constexpr std::string_view kSitesDir = "sites";
constexpr std::string_view kFastCategoriesDir = "fastcats";
constexpr std::string_view kFastCategoriesInfo = "fastcatsinfo.txt";
constexpr std::string_view kCategoryList = "Categories.lst";
constexpr std::string_view kRawSuffix = ".raw";

store::Error SourceError(std::string message, const fs::path& where)
{
    return store::MakeError(store::ErrorKind::Malformed, std::move(message), where.string());
}

bool IsIgnored(const std::string& name)
{
    return name.empty() || name.front() == '.' || name.back() == '~';
}

bool EndsWith(std::string_view text, std::string_view suffix)
{
    return text.size() >= suffix.size() && text.substr(text.size() - suffix.size()) == suffix;
}

// The entries of a directory in byte order.
std::vector<fs::directory_entry> SortedEntries(const fs::path& directory)
{
    std::vector<fs::directory_entry> entries;
    std::error_code ec;
    for (fs::directory_iterator it(directory, ec), end; !ec && it != end; it.increment(ec)) {
        if (!IsIgnored(it->path().filename().string())) {
            entries.push_back(*it);
        }
    }
    std::sort(entries.begin(), entries.end(), [](const auto& a, const auto& b) {
        return a.path().filename().string() < b.path().filename().string();
    });
    return entries;
}

std::vector<std::string> TextLines(const fs::path& file)
{
    return store::LineList::FromText(TextFromSourceFile(store::LoadFileAsString(file))).ToStrings();
}

store::Result<std::vector<std::string>> SiteOrder(const fs::path& root)
{
    const fs::path sitesDir = root / kSitesDir;
    std::vector<std::string> order;
    const fs::path orderFile = root / kOrderFile;
    if (IsRegularFile(orderFile)) {
        std::set<std::string> seen;
        for (std::string& line : TextLines(orderFile)) {
            if (line.empty()) {
                continue;
            }
            if (!IsDirectory(sitesDir / line)) {
                return SourceError("sites.lst names a site directory that does not exist: " + line,
                                   orderFile);
            }
            if (!seen.insert(line).second) {
                return SourceError("sites.lst names a site directory twice: " + line, orderFile);
            }
            order.push_back(std::move(line));
        }
        return order;
    }
    for (const fs::directory_entry& entry : SortedEntries(sitesDir)) {
        if (IsDirectory(entry.path())) {
            order.push_back(entry.path().filename().string());
        }
    }
    return order;
}

std::string AllowedMemberFiles()
{
    std::string list;
    for (const PackageMember& member : PackageMembers()) {
        list += (list.empty() ? "" : ", ") + member.extension;
    }
    return "site.txt or <ext>.txt / <ext>.raw with <ext> one of " + list;
}

std::size_t LoadingOrder(std::string_view extension)
{
    const std::span<const PackageMember> members = PackageMembers();
    for (std::size_t i = 0; i < members.size(); ++i) {
        if (members[i].extension == extension) {
            return i;
        }
    }
    return members.size();
}

store::Result<SiteSource> ReadSiteDirectory(const fs::path& directory, const std::string& directoryName)
{
    SiteSource site;
    const fs::path headerFile = directory / kSiteHeaderFile;
    if (!IsRegularFile(headerFile)) {
        return SourceError("The site directory has no site.txt header", directory);
    }
    site.header = TextLines(headerFile);
    for (const std::string& line : site.header) {
        if (line == "<SITE>" || line == "</SITE>") {
            return SourceError(
                "site.txt holds the lines of one block; <SITE> and </SITE> are added by the build",
                headerFile);
        }
    }
    SiteBlock block = ReadSiteBlock(store::LineList(site.header));
    if (!block.hasName) {
        site.header.insert(site.header.begin(), "<SITENAME>" + directoryName + "</SITENAME>");
        block.record.Name = directoryName;
    }
    site.name = block.record.Name;

    std::set<std::string> seen;
    for (const fs::directory_entry& entry : SortedEntries(directory)) {
        const std::string file = entry.path().filename().string();
        if (file == kSiteHeaderFile) {
            continue;
        }
        if (IsDirectory(entry.path())) {
            return SourceError("A site directory holds no subdirectories: " + file, directory);
        }
        const std::size_t dot = file.rfind('.');
        const std::string extension = dot == file.npos ? std::string() : file.substr(0, dot);
        const std::string kind = dot == file.npos ? std::string() : file.substr(dot + 1);
        if ((kind != "txt" && kind != "raw") || FindPackageMember(extension) == nullptr) {
            return SourceError("Unknown file " + file + " (expected " + AllowedMemberFiles() + ")",
                               directory);
        }
        if (!seen.insert(extension).second) {
            return SourceError("Member " + extension + " is given twice (.txt and .raw)", directory);
        }
        std::string bytes = store::LoadFileAsString(entry.path());
        site.members.push_back(
            SourceMember{extension, kind == "txt" ? TextFromSourceFile(bytes) : std::move(bytes)});
    }
    std::sort(site.members.begin(), site.members.end(), [](const SourceMember& a, const SourceMember& b) {
        return LoadingOrder(a.extension) < LoadingOrder(b.extension);
    });
    return site;
}

store::Result<FastCategoriesSource> ReadFastCategories(const fs::path& directory)
{
    FastCategoriesSource fast;
    fast.present = true;
    std::set<std::string> seen;
    for (const fs::directory_entry& entry : SortedEntries(directory)) {
        const std::string file = entry.path().filename().string();
        if (!IsRegularFile(entry.path())) {
            return SourceError("The fast categories directory holds files only: " + file, directory);
        }
        std::string bytes = store::LoadFileAsString(entry.path());
        if (file == kFastCategoriesInfo) {
            fast.info = TextFromSourceFile(bytes);
            continue;
        }
        const bool raw = EndsWith(file, kRawSuffix);
        ZipMember member{raw ? file.substr(0, file.size() - kRawSuffix.size()) : file,
                         raw ? std::move(bytes) : TextFromSourceFile(bytes)};
        if (!seen.insert(member.name).second) {
            return SourceError("Fast category member " + member.name + " is given twice (plain and .raw)",
                               directory);
        }
        fast.members.push_back(std::move(member));
    }
    // The list of names leads the archive, as the program reads it first.
    std::stable_partition(fast.members.begin(), fast.members.end(), [](const ZipMember& member) {
        return member.name == kCategoryList;
    });
    return fast;
}

store::Result<void> WriteFile(const fs::path& file, std::string_view bytes)
{
    return store::SaveStringToFile(file, bytes);
}

// Writes a text as a plain file when the line ends allow it, else as exact bytes with ".raw".
store::Result<void> WriteText(const fs::path& directory,
                              const std::string& plainName,
                              const std::string& rawName,
                              std::string_view text)
{
    if (std::optional<std::string> file = SourceFileFromText(text);
        file && !EndsWith(plainName, kRawSuffix)) {
        return WriteFile(directory / plainName, *file);
    }
    return WriteFile(directory / rawName, text);
}

} // namespace

store::Result<SiteDatabaseSource> ReadSiteSource(const fs::path& directory)
{
    if (!IsDirectory(directory)) {
        return store::MakeError(store::ErrorKind::NotFound, "No site source directory " + directory.string());
    }
    store::Result<std::vector<std::string>> order = SiteOrder(directory);
    if (!order) {
        return order.GetError();
    }
    SiteDatabaseSource source;
    for (const std::string& name : order.Value()) {
        store::Result<SiteSource> site = ReadSiteDirectory(directory / kSitesDir / name, name);
        if (!site) {
            return site.GetError();
        }
        source.sites.push_back(std::move(site.Value()));
    }
    const fs::path fastDir = directory / kFastCategoriesDir;
    if (IsDirectory(fastDir)) {
        store::Result<FastCategoriesSource> fast = ReadFastCategories(fastDir);
        if (!fast) {
            return fast.GetError();
        }
        source.fastCategories = std::move(fast.Value());
    }
    return source;
}

store::Result<std::vector<std::string>> WriteSiteSource(const SiteDatabaseSource& source,
                                                        const fs::path& directory)
{
    std::error_code ec;
    if (fs::exists(directory, ec) && !fs::is_empty(directory, ec)) {
        return store::MakeError(store::ErrorKind::Refused,
                                "The directory is not empty: " + directory.string());
    }
    std::vector<std::string> notes;
    std::set<std::string> names;
    std::string order;
    for (const SiteSource& site : source.sites) {
        if (!IsSafeSiteName(site.name) || site.name.empty() || !names.insert(site.name).second) {
            return store::MakeError(store::ErrorKind::Malformed,
                                    "A site name cannot name its directory",
                                    "\"" + site.name + "\"");
        }
        const fs::path siteDir = directory / kSitesDir / site.name;
        fs::create_directories(siteDir, ec);
        if (ec) {
            return store::MakeError(store::ErrorKind::Io, "Cannot create " + siteDir.string(), ec.message());
        }
        order += site.name + "\n";
        std::string header;
        for (const std::string& line : site.header) {
            if (line.find('\n') != line.npos) {
                notes.push_back(site.name + ": a header line holds a line feed and reads back as two lines");
            }
            header += line + "\n";
        }
        if (store::Result<void> saved = WriteFile(siteDir / kSiteHeaderFile, header); !saved) {
            return saved.GetError();
        }
        for (const SourceMember& member : site.members) {
            if (store::Result<void> saved =
                    WriteText(siteDir, member.extension + ".txt", member.extension + ".raw", member.text);
                !saved) {
                return saved.GetError();
            }
        }
    }
    fs::create_directories(directory, ec);
    if (store::Result<void> saved = WriteFile(directory / kOrderFile, order); !saved) {
        return saved.GetError();
    }

    const FastCategoriesSource& fast = source.fastCategories;
    if (!fast.present) {
        return notes;
    }
    const fs::path fastDir = directory / kFastCategoriesDir;
    fs::create_directories(fastDir, ec);
    if (fast.info) {
        const std::optional<std::string> info = SourceFileFromText(*fast.info);
        if (!info) {
            notes.emplace_back(
                "fastcatsinfo.dat has line ends a plain file cannot hold; its line feeds are written as "
                "they are");
        }
        if (store::Result<void> saved = WriteFile(fastDir / kFastCategoriesInfo, info ? *info : *fast.info);
            !saved) {
            return saved.GetError();
        }
    }
    for (const ZipMember& member : fast.members) {
        if (!IsSafeMemberName(member.name) || member.name == kFastCategoriesInfo ||
            member.name == std::string(kFastCategoriesInfo) + std::string(kRawSuffix)) {
            notes.push_back("fast category member \"" + member.name +
                            "\" left out: it cannot name a file here");
            continue;
        }
        if (store::Result<void> saved =
                WriteText(fastDir, member.name, member.name + std::string(kRawSuffix), member.bytes);
            !saved) {
            return saved.GetError();
        }
    }
    return notes;
}

} // namespace listrider::sites
