#include "sites/site_file_lines.h"

#include <array>
#include <charconv>
#include <string>

#include "sites/package_members.h"
#include "store/ascii.h"

namespace listrider::sites {
namespace {

struct FileParts
{
    std::string_view site;
    std::string_view extension;
};

FileParts SplitFileName(std::string_view fileName)
{
    const std::size_t slash = fileName.rfind('/');
    const std::string_view file = slash == fileName.npos ? fileName : fileName.substr(slash + 1);
    const std::size_t dot = file.rfind('.');
    if (dot == file.npos) {
        return {file, {}};
    }
    return {file.substr(0, dot), file.substr(dot + 1)};
}

// The named lists that the lookup reads; every other extension is a step number.
constexpr std::array<std::string_view, 23> kNamedLists = {
    "cat", "ca0", "caa", "sss", "os",  "typ", "ins", "rel", "cou", "zam", "ref", "aff",
    "exb", "are", "scr", "sta", "err", "lng", "exp", "siz", "mon", "lan", "bet",
};

bool IsNamedList(std::string_view extension)
{
    for (std::string_view name : kNamedLists) {
        if (name == extension) {
            return true;
        }
    }
    return false;
}

} // namespace

int SiteOfFileName(const SiteTable& table, std::string_view fileName)
{
    return FindDBIndex(table, SplitFileName(fileName).site);
}

store::LineList
SiteFileLines(const SiteTable& table, std::string_view fileName, bool decode, const store::SiteKey& key)
{
    const FileParts parts = SplitFileName(fileName);
    const int position = FindDBIndex(table, parts.site);
    if (position < 0) {
        return {};
    }
    const SitesR& record = table.sites[static_cast<std::size_t>(position)];
    const std::string_view extension = store::EqualsNoCase(parts.extension, "sub") ? "0" : parts.extension;

    if (IsNamedList(extension)) {
        const PackageMember* member = FindPackageMember(extension);
        return store::UnpackLines(MemberText(record, *member), decode && member->encoded, key);
    }
    int step = -1;
    const char* end = extension.data() + extension.size();
    const auto [ptr, error] = std::from_chars(extension.data(), end, step);
    if (error != std::errc() || ptr != end || extension.empty() || step < 0 ||
        step >= StepSlots::kSlotCount) {
        return {};
    }
    return store::UnpackLines(record.Steps.Get(step), decode, key);
}

} // namespace listrider::sites
