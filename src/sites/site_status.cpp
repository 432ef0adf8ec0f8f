#include "sites/site_status.h"

#include <cmath>
#include <ctime>
#include <unordered_map>

#include "store/ascii.h"
#include "store/date_time.h"
#include "store/file_system.h"
#include "store/numbers.h"
#include "store/tag_document.h"

namespace listrider::sites {
namespace {

namespace fs = std::filesystem;

bool NotAChoice(std::string_view value)
{
    return value.empty() || value == "-" || value == " " || store::ContainsNoCase(value, "Not Available");
}

void AppendElement(std::string& out, std::string_view tag, std::string_view value)
{
    out += '<';
    out += tag;
    out += '>';
    out += value;
    out += "</";
    out += tag;
    out += ">\r\n";
}

} // namespace

void ClearSites(SiteTable& table)
{
    for (SitesR& site : table.sites) {
        site.Category = "-";
        site.Listed.clear();
        site.VersionSubmitted.clear();
        site.VersionListed.clear();
        site.Submitted.clear();
        site.Downloads.clear();
        site.SiteRating.clear();
        site.UserRating.clear();
        site.Votes.clear();
        site.Skipped = false;
        site.MustBeChecked.clear();
    }
}

void ReadSiteStatus(SiteTable& table, store::LineSpan lines)
{
    // The first record of each name, ignoring case, found without walking the table per line.
    std::unordered_map<std::string, std::size_t> byName;
    byName.reserve(table.sites.size());
    for (std::size_t i = 0; i < table.sites.size(); ++i) {
        byName.emplace(store::AsciiLower(table.sites[i].Name), i);
    }
    const char decimal = store::LocaleDecimalSeparator();
    SitesR* current = nullptr;
    for (const std::string_view line : lines) {
        auto has = [line](std::string_view tag) {
            return store::ContainsNoCase(line, tag);
        };
        if (has("<Site_Name>")) {
            const auto found = byName.find(store::AsciiLower(store::TagValue(line)));
            current = found == byName.end() ? nullptr : &table.sites[found->second];
        }
        if (current == nullptr) {
            continue;
        }
        if (has("<Category>")) {
            if (std::string value = store::TagValue(line); !NotAChoice(value)) {
                current->Category = std::move(value);
            }
        }
        if (has("<Submitted>")) {
            const std::string value = store::TagValue(line);
            if (!value.empty() && value != "-" &&
                store::ParseDecimal(store::ToLocaleDecimal(value, decimal), decimal)) {
                current->Submitted = value;
            }
        }
        if (has("<Version_Submitted>")) {
            current->VersionSubmitted = CutText(store::TagValue(line), kShortTextLength);
        }
        if (has("<Version_Listed>")) {
            current->VersionListed = CutText(store::TagValue(line), kShortTextLength);
        }
        if (has("<Listed>")) {
            current->Listed = CutText(store::TagValue(line), kShortTextLength);
        }
        if (has("<Downloads>")) {
            current->Downloads = store::TagValue(line);
        }
        if (has("<Votes>")) {
            current->Votes = store::TagValue(line);
        }
        if (has("<Site_Rating>")) {
            current->SiteRating = store::TagValue(line);
        }
        if (has("<User_Rating>")) {
            current->UserRating = store::TagValue(line);
        }
        if (has("<Must_Be_Checked>")) {
            current->MustBeChecked = CutText(store::TagValue(line), kMustBeCheckedLength);
        }
        if (has("<Skipped>")) {
            current->Skipped = store::TagValue(line) == "YES";
        }
    }
}

SiteStatusText SiteStatusLines(const SiteTable& table)
{
    SiteStatusText status;
    std::string& out = status.text;
    out.reserve(table.sites.size() * 320);
    for (const SitesR& site : table.sites) {
        AppendElement(out, "Site_Name", site.Name);
        AppendElement(out, "Category", site.Category.empty() ? std::string_view("-") : site.Category);
        AppendElement(out, "Submitted", site.Submitted);
        AppendElement(out, "Version_Submitted", site.VersionSubmitted);
        AppendElement(out, "Version_Listed", site.VersionListed);
        AppendElement(out, "Listed", site.Listed);
        AppendElement(out, "Downloads", site.Downloads);
        AppendElement(out, "Site_Rating", site.SiteRating);
        AppendElement(out, "User_Rating", site.UserRating);
        AppendElement(out, "Votes", site.Votes);
        if (site.MustBeChecked == "YES") {
            AppendElement(out, "Must_Be_Checked", "YES");
        }
        AppendElement(out, "Skipped", site.Skipped ? "YES" : "NO");
        status.holdsResults = status.holdsResults || !site.Submitted.empty() ||
                              !site.VersionSubmitted.empty() || !site.VersionListed.empty() ||
                              !site.Listed.empty();
    }
    // No line end after the last line.
    if (out.size() >= 2) {
        out.resize(out.size() - 2);
    }
    return status;
}

store::Result<void>
SaveSites(const SiteTable& table, const fs::path& productFolder, store::Durability durability)
{
    const fs::path file = store::ResolveNoCase(productFolder, kSiteStatusFile);
    const SiteStatusText status = SiteStatusLines(table);
    std::error_code ec;
    if (fs::exists(file, ec) && !status.holdsResults) {
        return {};
    }
    return store::SaveStringToFile(file, status.text, store::FileAccess::Shared, durability);
}

std::string SubmittedColumnText(std::string_view submitted)
{
    if (submitted.empty() || submitted == "-") {
        return {};
    }
    const char decimal = store::LocaleDecimalSeparator();
    const std::optional<double> number =
        store::ParseDecimal(store::ToLocaleDecimal(submitted, decimal), decimal);
    if (!number) {
        return {};
    }
    const store::CivilDate date = store::DateOfNumber(*number);
    const double fraction = *number - std::floor(*number);
    const long long seconds = std::llround(fraction * 86400.0);
    std::tm moment{};
    moment.tm_year = date.year - 1900;
    moment.tm_mon = date.month - 1;
    moment.tm_mday = date.day;
    moment.tm_hour = static_cast<int>(seconds / 3600 % 24);
    moment.tm_min = static_cast<int>(seconds / 60 % 60);
    moment.tm_sec = static_cast<int>(seconds % 60);
    char text[96];
    const char* format = seconds % 86400 == 0 ? "%x" : "%x %X";
    const std::size_t length = std::strftime(text, sizeof text, format, &moment);
    return std::string(text, length);
}

void SiteStatusFile::Clear()
{
    ClearSites(m_table);
}

void SiteStatusFile::Load(const fs::path& productFolder)
{
    ClearSites(m_table);
    const fs::path file = store::ResolveNoCase(productFolder, kSiteStatusFile);
    std::error_code ec;
    if (fs::exists(file, ec)) {
        ReadSiteStatus(m_table, store::LoadLines(file));
    }
}

store::Result<void> SiteStatusFile::Save(const fs::path& productFolder)
{
    return SaveSites(m_table, productFolder);
}

} // namespace listrider::sites
