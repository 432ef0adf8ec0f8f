#include "cli/demo/demo_categories.h"

#include "catalogue/product_list.h"
#include "cli/catalogue_session.h"
#include "cli/demo/demo_sources.h"
#include "sites/site_status.h"

namespace listrider::cli {

store::Result<int> ApplyDemoFastCategory(CommandContext& context,
                                         const std::filesystem::path& fctFile,
                                         std::string_view company,
                                         std::string_view product)
{
    store::Result<std::unique_ptr<CatalogueSession>> opened = CatalogueSession::Open(context);
    if (!opened) {
        return opened.GetError();
    }
    CatalogueSession& session = *opened.Value();
    catalogue::ProductEditor editor = session.NewEditor();
    if (store::Result<void> open = session.OpenProduct(editor, company, product); !open) {
        return open.GetError();
    }
    sites::SiteTable& table = session.Workspace().Sites();
    const std::vector<std::string> lines = SourceLines(fctFile);
    int applied = 0;
    // Line 1 names the fast category; then site and category pairs up to "@".
    for (std::size_t i = 1; i + 1 < lines.size() && lines[i] != "@"; i += 2) {
        const int at = sites::FindDBIndex(table, lines[i]);
        if (at >= 0 && table.sites[static_cast<std::size_t>(at)].HasCategories) {
            table.sites[static_cast<std::size_t>(at)].Category = lines[i + 1];
            ++applied;
        }
    }
    const std::filesystem::path folder =
        catalogue::ProductFolder(*editor.company, editor.productName, session.CodePage());
    if (store::Result<void> saved = sites::SaveSites(table, folder); !saved) {
        return saved.GetError();
    }
    return applied;
}

} // namespace listrider::cli
