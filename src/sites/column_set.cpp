#include "sites/column_set.h"

#include <array>

#include "sites/site_record.h"
#include "store/ascii.h"
#include "store/file_io.h"
#include "store/file_system.h"
#include "store/tag_document.h"

namespace listrider::sites {
namespace {

constexpr std::array<std::string_view, 20> kDefaultCaptions = {
    "Site Name",         "Category",        "Site Language",  "Accepts",       "Submitted",
    "Version Submitted", "Program Listed",  "Version Listed", "No. Downloads", "Login",
    "Password",          "Affiliate",       "RegNow Aff.",    "RegSoft Aff.",  "ShareIt! Aff.",
    "PAD Submission",    "eSellerate Aff.", "Comments",       "Home URL",      "OS Supported"};

constexpr std::string_view kNameTag = "Column_Name";
constexpr std::string_view kVisibleTag = "Column_Visible";
constexpr std::string_view kSizeTag = "Column_Size";

} // namespace

std::vector<ColumnsR> DefaultColumns()
{
    std::vector<ColumnsR> entries;
    for (const std::string_view caption : kDefaultCaptions) {
        entries.push_back({std::string(caption), "Y", std::string(kDefaultColumnSize)});
    }
    return entries;
}

std::vector<ColumnsR> ReadColumnsLines(store::LineSpan lines)
{
    const std::string nameTag = store::OpenTag(kNameTag);
    const std::string visibleTag = store::OpenTag(kVisibleTag);
    const std::string sizeTag = store::OpenTag(kSizeTag);
    std::vector<ColumnsR> entries;
    for (const std::string_view line : lines) {
        if (store::ContainsNoCase(line, nameTag)) {
            entries.push_back({store::TagValue(line), {}, std::string(kDefaultColumnSize)});
        } else if (entries.empty()) {
            continue;
        } else if (store::ContainsNoCase(line, visibleTag)) {
            entries.back().visible = CutText(store::TagValue(line), kShortTextLength);
        } else if (store::ContainsNoCase(line, sizeTag)) {
            std::string size = CutText(store::TagValue(line), kShortTextLength);
            entries.back().size = size.empty() ? std::string(kDefaultColumnSize) : std::move(size);
        }
    }
    return entries;
}

store::LineList ColumnsLines(std::span<const ColumnsR> entries)
{
    store::TagWriter writer;
    for (const ColumnsR& entry : entries) {
        writer.Element(kNameTag, entry.name);
        writer.Element(kVisibleTag, entry.visible);
        writer.Element(kSizeTag, entry.size);
    }
    return writer.Lines();
}

std::vector<ColumnsR> LoadColumns(const std::filesystem::path& workspace)
{
    const std::filesystem::path file = store::ResolveNoCase(workspace, kColumnsFile);
    std::vector<ColumnsR> entries = ReadColumnsLines(store::LoadLines(file));
    if (!entries.empty()) {
        return entries;
    }
    entries = DefaultColumns();
    if (SaveColumns(workspace, entries)) {
        std::vector<ColumnsR> reread = ReadColumnsLines(store::LoadLines(file));
        if (!reread.empty()) {
            return reread;
        }
    }
    return entries;
}

store::Result<void> SaveColumns(const std::filesystem::path& workspace, std::span<const ColumnsR> entries)
{
    return store::SaveLines(store::ResolveNoCase(workspace, kColumnsFile), ColumnsLines(entries));
}

bool SetColumnWidth(std::vector<ColumnsR>& entries, std::string_view name, int width)
{
    bool found = false;
    for (ColumnsR& entry : entries) {
        if (entry.name == name) {
            entry.size = std::to_string(width);
            found = true;
        }
    }
    return found;
}

} // namespace listrider::sites
