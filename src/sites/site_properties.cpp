#include "sites/site_properties.h"

#include "sites/category_search.h"
#include "store/ascii.h"
#include "store/line_list.h"

namespace listrider::sites {
namespace {

constexpr std::string_view kNotApplicable = "n/a";

} // namespace

store::Result<SiteProperties> OpenSiteProperties(SiteTable& table,
                                                 SitePackages& packages,
                                                 std::string_view site,
                                                 const catalogue::ProductEditor& editor,
                                                 const SitePropertiesMemory& memory)
{
    const int position = FindDBIndex(table, site);
    if (position < 0) {
        return store::MakeError(store::ErrorKind::NotFound, "No site named \"" + std::string(site) + "\"");
    }
    SiteProperties dialog;
    dialog.site = std::string(site);
    {
        const SitesR& record = table.sites[static_cast<std::size_t>(position)];
        dialog.searchEnabled = record.HasCategories;
    }
    if (dialog.searchEnabled) {
        packages.LoadCurrentSite(table, site);
        const SitesR& record = table.sites[static_cast<std::size_t>(position)];
        const store::LineList lines = store::LineList::FromText(record.Cat);
        dialog.categories.emplace_back("-");
        for (std::size_t i = 0; i < lines.size(); i += 2) {
            dialog.categories.emplace_back(lines[i]);
        }
        dialog.selected = 0;
        for (std::size_t i = 1; i < dialog.categories.size(); ++i) {
            if (dialog.categories[i] == record.Category) {
                dialog.selected = static_cast<int>(i);
                break;
            }
        }
    } else {
        dialog.categories.emplace_back(kNotAvailableCategory);
        dialog.selected = 0;
    }
    const catalogue::ProductCategory& category = editor.product.category;
    dialog.padSpecificCategory = category.padSpecificCategory;
    dialog.padCategories = PadCategoryEntries(category.padCategories);
    dialog.padCategory = memory.padCategory;
    dialog.keywords = memory.keywords;

    const SitesR& record = table.sites[static_cast<std::size_t>(position)];
    if (const catalogue::AccountRow* account = editor.accounts.FindNoCase(site)) {
        dialog.login = account->login;
        dialog.password = account->password;
        dialog.accountEnabled = true;
    } else {
        dialog.login = kNotApplicable;
        dialog.password = kNotApplicable;
    }
    dialog.info = SiteInfoOf(record, editor.accounts);
    return dialog;
}

void FindPadSpecificCategory(SiteProperties& dialog)
{
    if (dialog.searchEnabled) {
        dialog.selected = FindCategory(dialog.categories, dialog.selected, dialog.padSpecificCategory);
    }
}

void FindPadCategory(SiteProperties& dialog)
{
    if (dialog.searchEnabled) {
        dialog.selected = FindCategory(dialog.categories, dialog.selected, dialog.padCategory);
    }
}

void FindByKeywords(SiteProperties& dialog)
{
    if (dialog.searchEnabled) {
        dialog.selected = FindCategoryByKeywords(dialog.categories, dialog.selected, dialog.keywords);
    }
}

bool SelectCategory(SiteProperties& dialog, std::string_view text)
{
    if (!dialog.searchEnabled) {
        return false;
    }
    for (const bool caseless : {false, true}) {
        for (std::size_t i = 0; i < dialog.categories.size(); ++i) {
            const std::string& item = dialog.categories[i];
            if (caseless ? store::EqualsNoCase(item, text) : item == text) {
                dialog.selected = static_cast<int>(i);
                return true;
            }
        }
    }
    return false;
}

void ClearCategory(SiteProperties& dialog)
{
    dialog.selected = 0;
}

void AcceptSiteProperties(const SiteProperties& dialog,
                          SiteTable& table,
                          SiteList& list,
                          catalogue::ProductEditor& editor,
                          SitePropertiesMemory& memory)
{
    SiteRow* row = list.FindRow(dialog.site);
    const int position = FindDBIndex(table, dialog.site);
    const bool available = !(dialog.categories.size() == 1 && dialog.categories[0] == kNotAvailableCategory);
    if (available && dialog.selected >= 0 &&
        static_cast<std::size_t>(dialog.selected) < dialog.categories.size() && position >= 0) {
        std::string& category = table.sites[static_cast<std::size_t>(position)].Category;
        category = dialog.selected == 0 ? std::string("-")
                                        : dialog.categories[static_cast<std::size_t>(dialog.selected)];
        if (row != nullptr) {
            if (std::string* cell = list.Cell(*row, ColumnDatum::Category)) {
                *cell = category;
            }
        }
    }
    if (row != nullptr) {
        if (std::string* login = list.Cell(*row, ColumnDatum::Login)) {
            *login = dialog.login;
        }
        if (std::string* password = list.Cell(*row, ColumnDatum::Password)) {
            *password = dialog.password;
        }
    }
    if (dialog.accountEnabled) {
        catalogue::SetAccount(editor.accounts, dialog.site, dialog.login, dialog.password);
    }
    editor.modified = true;
    memory.padCategory = dialog.padCategory;
    memory.keywords = dialog.keywords;
}

} // namespace listrider::sites
