#include "sites/site_database_builder.h"

#include <set>

#include "sites/package_members.h"
#include "sites/site_index.h"
#include "sites/site_text_encoder.h"
#include "sites/zip_archive.h"
#include "store/file_io.h"
#include "store/file_system.h"
#include "store/line_list.h"

namespace listrider::sites {
namespace {

namespace fs = std::filesystem;

store::Error Refused(const std::string& site, std::string message, std::string detail = {})
{
    return store::MakeError(
        store::ErrorKind::Malformed, "Site \"" + site + "\": " + std::move(message), std::move(detail));
}

store::Result<std::vector<ZipMember>> PackageOf(const SiteSource& site, const store::SiteKey& key)
{
    std::vector<ZipMember> members;
    for (const SourceMember& source : site.members) {
        const PackageMember* member = FindPackageMember(source.extension);
        if (member == nullptr) {
            return Refused(site.name, "unknown member " + source.extension);
        }
        ZipMember zipped{site.name + "." + source.extension, source.text};
        if (member->encoded) {
            store::Result<std::string> encoded = EncodeSiteText(source.text, key);
            if (!encoded) {
                return Refused(site.name,
                               "member " + source.extension + ": " + encoded.GetError().message,
                               encoded.GetError().detail);
            }
            zipped.bytes = std::move(encoded.Value());
        }
        members.push_back(std::move(zipped));
    }
    return members;
}

std::vector<std::string> IndexLines(const SiteDatabaseSource& source)
{
    std::vector<std::string> lines;
    for (const SiteSource& site : source.sites) {
        lines.emplace_back("<SITE>");
        lines.insert(lines.end(), site.header.begin(), site.header.end());
        lines.emplace_back("</SITE>");
    }
    return lines;
}

void WarnAboutFastCategories(const FastCategoriesSource& fast, std::vector<std::string>& warnings)
{
    std::set<std::string> members;
    const ZipMember* list = nullptr;
    for (const ZipMember& member : fast.members) {
        members.insert(member.name);
        if (member.name == "Categories.lst") {
            list = &member;
        }
    }
    if (list == nullptr) {
        warnings.emplace_back("The fast categories have no Categories.lst: the program lists none of them");
        return;
    }
    for (std::string_view name : store::LineList::FromText(list->bytes)) {
        if (members.count(std::string(name) + ".fct") == 0) {
            warnings.push_back("Fast category \"" + std::string(name) + "\" has no " + std::string(name) +
                               ".fct member");
        }
    }
    if (!fast.info) {
        warnings.emplace_back("The fast categories have no fastcatsinfo.txt: revision 1 is written");
    }
}

} // namespace

store::Result<BuildReport>
BuildSiteDatabase(const SiteDatabaseSource& source, const fs::path& workspace, const store::SiteKey& key)
{
    BuildReport report;
    std::set<std::string> names;
    std::vector<std::vector<ZipMember>> packages;
    for (const SiteSource& site : source.sites) {
        if (site.name.empty()) {
            return Refused(site.name, "the site has no name");
        }
        if (!IsSafeSiteName(site.name)) {
            return Refused(site.name, R"(the name cannot be a file name (no '/', '\', NUL, "." or ".."))");
        }
        if (!names.insert(site.name).second) {
            return Refused(site.name, "the name is given to two sites");
        }
        store::Result<std::vector<ZipMember>> package = PackageOf(site, key);
        if (!package) {
            return package.GetError();
        }
        if (package.Value().empty()) {
            report.warnings.push_back(
                "Site \"" + site.name +
                "\" has no members: no package is written and the program drops the site");
        }
        if (ReadSiteBlock(store::LineList(site.header)).disabled) {
            report.warnings.push_back("Site \"" + site.name + "\" is disabled: the program never lists it");
        }
        packages.push_back(std::move(package.Value()));
    }

    const fs::path sitesDir = SitesDir(workspace);
    std::error_code ec;
    const fs::path absolute = fs::absolute(sitesDir, ec);
    if (ec) {
        return store::MakeError(
            store::ErrorKind::Io, "Cannot find the directory " + sitesDir.string(), ec.message());
    }
    if (store::Result<void> made = store::ForceDirectories(absolute); !made) {
        return made.GetError();
    }
    for (std::size_t i = 0; i < source.sites.size(); ++i) {
        const fs::path package = sitesDir / (source.sites[i].name + ".dat");
        if (store::Result<void> written = WriteZip(package, packages[i]); !written) {
            return written.GetError();
        }
        report.packages += packages[i].empty() ? 0 : 1;
    }
    if (store::Result<void> saved = store::SaveLines(sitesDir / "sites.dat", IndexLines(source)); !saved) {
        return saved.GetError();
    }
    report.sites = source.sites.size();

    const FastCategoriesSource& fast = source.fastCategories;
    if (fast.present) {
        WarnAboutFastCategories(fast, report.warnings);
        if (store::Result<void> written = WriteZip(sitesDir / "fastcats.dat", fast.members); !written) {
            return written.GetError();
        }
        if (store::Result<void> saved =
                store::SaveStringToFile(sitesDir / "fastcatsinfo.dat", fast.info.value_or("1"));
            !saved) {
            return saved.GetError();
        }
        report.fastCategories = true;
    }
    return report;
}

} // namespace listrider::sites
