// The Site Properties dialog: choosing a site's category for the open product, with the site's
// account and information.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "catalogue/product_editor.h"
#include "sites/site_index.h"
#include "sites/site_info.h"
#include "sites/site_list.h"
#include "sites/site_packages.h"

namespace listrider::sites {

/// The hint of the "Category" page.
inline constexpr std::string_view kSitePropertiesHint =
    "Please select categories manually or use one of search methods.";

/// What the dialog remembers between openings during a program run.
struct SitePropertiesMemory
{
    std::string padCategory; ///< the entry last chosen in "PAD File Categories:"
    std::string keywords;    ///< the text last typed into the keyword search
};

/// The dialog's state for one site.
struct SiteProperties
{
    std::string site;                       ///< the title label
    std::vector<std::string> categories;    ///< "-" and the site's categories, or "--== Not Available ==--"
    int selected = -1;                      ///< the chosen item, -1 for none
    bool searchEnabled = false;             ///< the site has categories of its own
    std::string padSpecificCategory;        ///< "PAD File Specific Category:"
    std::vector<std::string> padCategories; ///< "PAD File Categories:"
    std::string padCategory;                ///< the chosen entry of it
    std::string keywords;                   ///< "Find using keywords …"
    std::string login;                      ///< "n/a" when the site needs no account
    std::string password;
    bool accountEnabled = false; ///< the login and password fields can be edited
    SiteInfo info;
};

/// Opens the dialog for a shown site: its categories from the .cat list (the package loaded on
/// demand; every other line from the first), the product's PAD categories and the site's account.
/// A site that is not in the table gives an error.
store::Result<SiteProperties> OpenSiteProperties(SiteTable& table,
                                                 SitePackages& packages,
                                                 std::string_view site,
                                                 const catalogue::ProductEditor& editor,
                                                 const SitePropertiesMemory& memory);

/// Runs the "Find" of "PAD File Specific Category:".
void FindPadSpecificCategory(SiteProperties& dialog);

/// Runs the "Find" of "PAD File Categories:" with its chosen entry.
void FindPadCategory(SiteProperties& dialog);

/// Runs "Find using keywords" with the dialog's keyword text.
void FindByKeywords(SiteProperties& dialog);

/// Selects an item equal to the text (exactly, else ignoring ASCII case); false when none is.
bool SelectCategory(SiteProperties& dialog, std::string_view text);

/// "Clear": selects "-".
void ClearCategory(SiteProperties& dialog);

/// "OK": the site's Category and the row's category column take the chosen item (when the
/// site has categories and one is chosen), the row and the product's account take the login
/// and password, and the product is marked as changed. The memory keeps the searches.
void AcceptSiteProperties(const SiteProperties& dialog,
                          SiteTable& table,
                          SiteList& list,
                          catalogue::ProductEditor& editor,
                          SitePropertiesMemory& memory);

} // namespace listrider::sites
