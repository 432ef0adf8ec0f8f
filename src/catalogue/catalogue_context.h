// Where the catalogue keeps its files and what it needs to know about the installation.
#pragma once

#include <filesystem>
#include <string>

#include "store/code_page.h"
#include "store/installation_config.h"
#include "store/result.h"

namespace listrider::catalogue {

/// The per-product submission status (sites.dat), kept by the site table. The catalogue calls it
/// when a product is opened, saved or replaced by a PAD import.
class SiteStatusHook
{
public:
    virtual ~SiteStatusHook() = default;

    /// Forgets the status of the previously open product.
    virtual void Clear() = 0;

    /// Reads the status of the product in the folder.
    virtual void Load(const std::filesystem::path& productFolder) = 0;

    /// Writes the status of the open product into the folder.
    virtual store::Result<void> Save(const std::filesystem::path& productFolder) = 0;
};

/// The workspace and settings every catalogue operation works with.
struct CatalogueContext
{
    std::filesystem::path workspace;
    store::CodePage codePage = store::CodePage::Default();
    std::string shareItParentDomain; ///< order URLs on this domain carry ShareIt product IDs
    std::string padSpecHomePage;     ///< ends the MASTER_PAD_INFO sentence
    SiteStatusHook* siteStatus = nullptr;

    /// Returns the folder of all companies ("Products").
    std::filesystem::path ProductsDir() const { return workspace / "Products"; }

    /// Returns the state name list (states.dat).
    std::filesystem::path StatesFile() const { return workspace / "states.dat"; }

    /// Returns the default folder of generated PAD files ("PAD Files").
    std::filesystem::path PadFilesDir() const { return workspace / "PAD Files"; }
};

/// Returns the context of a workspace with its installation configuration.
CatalogueContext MakeCatalogueContext(const std::filesystem::path& workspace,
                                      const store::InstallationConfig& config);

} // namespace listrider::catalogue
