#include "sites/site_index.h"

#include <array>

#include "store/ascii.h"
#include "store/file_io.h"
#include "store/file_system.h"
#include "store/tag_document.h"

namespace listrider::sites {
namespace {

namespace fs = std::filesystem;

// The opening texts of the index, in the order they are tried; the first one found in a line
// decides what the line sets.
enum class IndexTag
{
    SiteName,
    SiteComments,
    Accepts,
    AcceptsMisspelt,
    Password,
    Affiliate,
    RegNowAf,
    ShareIt,
    RegSoftAf,
    ESellerateAf,
    LinkRequired,
    PadSupport,
    OsSupport,
    Url,
    MinimumVersion,
    OsCat,
    Stats,
    Language,
    Validate,
    StatsSum,
    Votes,
    Categories,
    Disabled,
    Unique,
    StatsInfo,
    Request,
    None,
};

constexpr std::array<std::string_view, static_cast<std::size_t>(IndexTag::None)> kOpeningTexts = {
    "<SITENAME",   "<SITECOMMENTS", "<ACCEPTS",         "<ACEEPTS",      "<PASSWORD",     "<AFFILIATE",
    "<REGNOWAF",   "<SHAREIT",      "<REGSOFTAF",       "<EsellerateAf", "<LinkRequired", "<PADSupport",
    "<OSSupport",  "<URL",          "<MINIMUM_VERSION", "<OS_Cat>",      "<STATS>",       "<LANGUAGE",
    "<VALIDATE",   "<STATS_SUM",    "<Votes",           "<CATEGORIES",   "<DISABLED",     "<UNIQUE",
    "<STATS_INFO", "<REQUEST",
};

// A tag is found anywhere in the line, so only the places where a '<' stands need a look; the
// lowest table position among all matches decides.
IndexTag Classify(std::string_view line)
{
    std::size_t best = kOpeningTexts.size();
    for (std::size_t at = line.find('<'); at != std::string_view::npos; at = line.find('<', at + 1)) {
        const std::string_view rest = line.substr(at);
        for (std::size_t i = 0; i < best; ++i) {
            if (store::StartsWithNoCase(rest, kOpeningTexts[i])) {
                best = i;
                break;
            }
        }
    }
    return static_cast<IndexTag>(best);
}

struct BlockFlags
{
    bool disabled = false;
    bool hasName = false;
};

void Apply(std::string_view line, SitesR& r, BlockFlags& block)
{
    const IndexTag tag = Classify(line);
    if (tag == IndexTag::None) {
        return;
    }
    const std::string value = store::TagValue(line);
    const bool isYes = value == "YES";
    switch (tag) {
    case IndexTag::SiteName:
        r.Name = value;
        block.hasName = true;
        break;
    case IndexTag::SiteComments:
        r.Comments = value;
        break;
    case IndexTag::Accepts:
    case IndexTag::AcceptsMisspelt:
        r.Accepts = CutText(value, kShortTextLength);
        break;
    case IndexTag::Password:
        r.AccountKind = value;
        break;
    case IndexTag::Affiliate:
        r.Affiliate = CutText(value, kShortTextLength);
        break;
    case IndexTag::RegNowAf:
        r.RegNowAffiliate = CutText(value, kShortTextLength);
        break;
    case IndexTag::ShareIt:
        r.ShareItAffiliate = CutText(value, kShortTextLength);
        break;
    case IndexTag::RegSoftAf:
        r.RegSoftAffiliate = CutText(value, kShortTextLength);
        break;
    case IndexTag::ESellerateAf:
        r.ESellerateAffiliate = CutText(value, kShortTextLength);
        break;
    case IndexTag::LinkRequired:
        r.LinkRequired = CutText(value, kShortTextLength);
        break;
    case IndexTag::PadSupport:
        r.PadSupport = value;
        break;
    case IndexTag::OsSupport:
        r.OsSupport = value;
        break;
    case IndexTag::Url:
        r.Url = value;
        break;
    case IndexTag::MinimumVersion:
        r.MinimumVersion = value;
        break;
    case IndexTag::OsCat:
        r.OsCategories = r.OsCategories || isYes;
        break;
    case IndexTag::Stats:
        r.Stats = r.Stats || isYes;
        break;
    case IndexTag::Language:
        r.Language = value;
        break;
    case IndexTag::Validate:
        r.Validate = CutText(value, kShortTextLength);
        break;
    case IndexTag::StatsSum:
        r.StatsSum = value;
        break;
    case IndexTag::Votes:
        r.Votes = value;
        break;
    case IndexTag::Categories:
        r.HasCategories = isYes;
        break;
    case IndexTag::Disabled:
        block.disabled = isYes;
        break;
    case IndexTag::Unique:
        r.Unique = isYes;
        break;
    case IndexTag::StatsInfo:
        for (int k = 1; k <= 5; ++k) {
            r.StatsInfo[static_cast<std::size_t>(k)] = line.find(static_cast<char>('0' + k)) != line.npos;
        }
        break;
    case IndexTag::Request:
        r.Request = store::ContainsNoCase(line, "YES");
        break;
    case IndexTag::None:
        break;
    }
}

void ReadBlockInto(store::LineSpan lines, SitesR& record, BlockFlags& flags)
{
    for (std::string_view line : lines) {
        Apply(line, record, flags);
    }
    if (record.OsSupport.empty()) {
        record.OsSupport = "Windows";
    }
}

} // namespace

fs::path SitesDir(const fs::path& workspace)
{
    return store::ResolveNoCase(workspace, "Sites");
}

fs::path SiteIndexPath(const fs::path& workspace)
{
    return store::ResolveNoCase(SitesDir(workspace), "sites.dat");
}

bool IsSafeSiteName(std::string_view name)
{
    return name != "." && name != ".." && name.find_first_of(std::string_view("/\\\0", 3)) == name.npos;
}

SiteBlock ReadSiteBlock(store::LineSpan lines)
{
    SiteBlock block;
    BlockFlags flags;
    ReadBlockInto(lines, block.record, flags);
    block.disabled = flags.disabled;
    block.hasName = flags.hasName;
    return block;
}

SiteTable ReadSiteIndex(store::LineSpan lines)
{
    SiteTable table;
    const std::vector<store::LineSpan> groups = store::ReadGroups(lines, "<SITE>", "</SITE>", true);
    table.sites.reserve(groups.size());
    // Records are large and there may be thousands: each is read where it stays in the table.
    for (std::size_t i = 0; i < groups.size(); ++i) {
        SitesR& record = table.sites.emplace_back();
        BlockFlags flags;
        ReadBlockInto(groups[i], record, flags);
        if (!flags.disabled && !IsSafeSiteName(record.Name)) {
            table.notes.push_back("Site block " + std::to_string(i + 1) + " dropped: its name \"" +
                                  record.Name + "\" cannot be a file name");
        }
        if (flags.disabled || !IsSafeSiteName(record.Name)) {
            table.sites.pop_back();
        }
    }
    // An unclosed group runs to the end of the lines; a closed one ends before its closing line.
    if (!groups.empty() && groups.back().data() + groups.back().size() == lines.data() + lines.size()) {
        table.notes.emplace_back("The last site block of the index is not closed by </SITE>");
    }
    return table;
}

SiteTable LoadSites(const fs::path& workspace)
{
    const store::LineList lines = store::LoadLines(SiteIndexPath(workspace));
    return ReadSiteIndex(lines);
}

int FindDBIndex(const SiteTable& table, std::string_view name)
{
    for (std::size_t i = 0; i < table.sites.size(); ++i) {
        if (table.sites[i].Name == name) {
            return static_cast<int>(i);
        }
    }
    return -1;
}

} // namespace listrider::sites
