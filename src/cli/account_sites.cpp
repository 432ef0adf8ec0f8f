// Until the command line opens the whole site table, it reads the five account facts of each
// site straight from the index, with the index's rules: a line is the first tag of the fixed
// order whose opening text it contains.
#include "cli/account_sites.h"

#include <array>

#include "store/ascii.h"
#include "store/file_io.h"
#include "store/file_system.h"
#include "store/tag_document.h"

namespace listrider::cli {
namespace {

constexpr std::array<std::string_view, 26> kIndexTags = {
    "<SITENAME",   "<SITECOMMENTS", "<ACCEPTS",         "<ACEEPTS",      "<PASSWORD",     "<AFFILIATE",
    "<REGNOWAF",   "<SHAREIT",      "<REGSOFTAF",       "<EsellerateAf", "<LinkRequired", "<PADSupport",
    "<OSSupport",  "<URL",          "<MINIMUM_VERSION", "<OS_Cat>",      "<STATS>",       "<LANGUAGE",
    "<VALIDATE",   "<STATS_SUM",    "<Votes",           "<CATEGORIES",   "<DISABLED",     "<UNIQUE",
    "<STATS_INFO", "<REQUEST"};

std::string_view TagOf(std::string_view line)
{
    for (std::string_view tag : kIndexTags) {
        if (store::ContainsNoCase(line, tag)) {
            return tag;
        }
    }
    return {};
}

} // namespace

std::vector<catalogue::AccountSiteRow> LoadAccountSites(const std::filesystem::path& workspace)
{
    const store::LineList lines = store::LoadLines(store::ResolveNoCase(workspace, "Sites/sites.dat"));
    std::vector<catalogue::AccountSiteRow> rows;
    for (store::LineSpan block : store::ReadGroups(lines, "<SITE>", "</SITE>")) {
        catalogue::AccountSiteRow row;
        row.accountKind = "n/a";
        bool disabled = false;
        for (std::string_view line : block) {
            const std::string_view tag = TagOf(line);
            const std::string value = store::TagValue(line);
            if (tag == "<SITENAME") {
                row.name = value;
            } else if (tag == "<PASSWORD") {
                row.accountKind = value;
            } else if (tag == "<VALIDATE") {
                row.validate = value.substr(0, 255);
            } else if (tag == "<UNIQUE") {
                row.unique = value == "YES";
            } else if (tag == "<REQUEST") {
                row.request = store::ContainsNoCase(line, "YES");
            } else if (tag == "<DISABLED") {
                disabled = disabled || value == "YES";
            }
        }
        if (!disabled) {
            rows.push_back(std::move(row));
        }
    }
    return rows;
}

} // namespace listrider::cli
