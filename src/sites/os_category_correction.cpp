#include "sites/os_category_correction.h"

#include "catalogue/product_category.h"
#include "sites/fast_category_tree.h"
#include "sites/product_os_text.h"
#include "store/ascii.h"
#include "store/tag_document.h"

namespace listrider::sites {

std::string TopGroup(std::string_view fastCategory)
{
    const std::size_t at = fastCategory.find(kFastCategorySeparator);
    return at == std::string_view::npos ? std::string() : std::string(fastCategory.substr(0, at));
}

std::optional<std::string> OsCategoryWord(std::string_view osText)
{
    // "Win 3.1" rather than "3.1", so that "Palm OS 3.1" is no Windows system.
    for (const std::string_view windows :
         {"Win 3.1", "95", "98", "WinME", "3.x", "4.x", "2000", "2003", "XP"}) {
        if (store::ContainsNoCase(osText, windows)) {
            return std::nullopt;
        }
    }
    constexpr std::pair<std::string_view, std::string_view> kWords[] = {
        {"Palm", "Palm"},
        {"Pocket", "Pocket"},
        {"Windows CE", "Pocket"},
        {"OS/2", "OS/2"},
        {"Mac", "Mac"},
        {"Linux", "Linux"},
        {"Unix", "Unix"},
        {"BEOS", "BEOS"},
    };
    for (const auto& [test, word] : kWords) {
        if (store::ContainsNoCase(osText, test)) {
            return std::string(word);
        }
    }
    return std::nullopt;
}

std::optional<std::string>
OsCategory(store::LineSpan caaLines, std::string_view word, std::string_view topGroup)
{
    const std::string tag = std::string(word) + ">";
    std::optional<std::string> fallback;
    std::optional<std::string> chosen;
    for (std::size_t i = 0; i + 1 < caaLines.size(); i += 2) {
        if (!store::ContainsNoCase(caaLines[i], tag)) {
            continue;
        }
        const std::string value = store::TagValue(caaLines[i]);
        if (value == "ALL") {
            fallback = std::string(caaLines[i + 1]);
        } else if (store::ContainsNoCase(value, topGroup)) {
            chosen = std::string(caaLines[i + 1]);
        }
    }
    return chosen ? chosen : fallback;
}

void CorrectFastCats(SiteTable& table,
                     SitePackages& packages,
                     const catalogue::OsSelection& os,
                     std::string_view fastCategory)
{
    if (fastCategory.empty() || fastCategory == catalogue::kNoFastCategory) {
        return;
    }
    const std::optional<std::string> word = OsCategoryWord(ProductOsText(os));
    if (!word) {
        return;
    }
    const std::string topGroup = TopGroup(fastCategory);
    for (SitesR& site : table.sites) {
        if (!site.OsCategories) {
            continue;
        }
        packages.LoadCurrentSite(table, site.Name);
        const store::LineList caa = store::LineList::FromText(site.Caa);
        if (std::optional<std::string> category = OsCategory(caa, *word, topGroup)) {
            site.Category = std::move(*category);
        }
    }
}

} // namespace listrider::sites
