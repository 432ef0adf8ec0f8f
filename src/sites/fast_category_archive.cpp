#include "sites/fast_category_archive.h"

#include "sites/site_index.h"
#include "sites/zip_archive.h"
#include "store/file_system.h"

namespace listrider::sites {
namespace {

constexpr std::string_view kArchiveName = "fastcats.dat";
constexpr std::string_view kListMember = "Categories.lst";
constexpr std::string_view kMemberExtension = ".fct";

store::LineList MemberLines(const std::filesystem::path& workspace, std::string_view member)
{
    store::Result<ZipContents> contents = ReadZipMembers(FastCategoriesPath(workspace), {}, member);
    if (!contents || contents.Value().members.empty()) {
        return {};
    }
    return store::LineList::FromText(std::move(contents.Value().members.front().bytes));
}

} // namespace

std::filesystem::path FastCategoriesPath(const std::filesystem::path& workspace)
{
    return store::ResolveNoCase(SitesDir(workspace), kArchiveName);
}

FastCategoryMember ReadFastCategoryLines(store::LineSpan lines)
{
    FastCategoryMember member;
    std::size_t i = 1;
    for (; i < lines.size() && lines[i] != "@"; i += 2) {
        if (i + 1 >= lines.size() || lines[i + 1] == "@") {
            // A site line without its category ends the pairs.
            ++i;
            break;
        }
        member.pairs.emplace_back(std::string(lines[i]), std::string(lines[i + 1]));
    }
    for (++i; i < lines.size(); ++i) {
        member.exclusions.emplace_back(lines[i]);
    }
    return member;
}

std::vector<std::string> ReadCategoryList(const std::filesystem::path& workspace)
{
    return MemberLines(workspace, kListMember).ToStrings();
}

FastCategoryMember ReadFastCategoryMember(const std::filesystem::path& workspace, std::string_view name)
{
    std::string member(name);
    member.append(kMemberExtension);
    return ReadFastCategoryLines(MemberLines(workspace, member));
}

} // namespace listrider::sites
