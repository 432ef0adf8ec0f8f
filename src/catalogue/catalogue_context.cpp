#include "catalogue/catalogue_context.h"

namespace listrider::catalogue {

CatalogueContext MakeCatalogueContext(const std::filesystem::path& workspace,
                                      const store::InstallationConfig& config)
{
    CatalogueContext context;
    context.workspace = workspace;
    context.codePage = config.GetCodePage();
    context.shareItParentDomain = config.shareItParentDomain;
    context.padSpecHomePage = config.padSpecHomePage;
    return context;
}

} // namespace listrider::catalogue
