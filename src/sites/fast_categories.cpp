#include "sites/fast_categories.h"

#include "sites/fast_category_archive.h"
#include "store/ascii.h"

namespace listrider::sites {

void FastCategories::LoadFastCats(const std::filesystem::path& workspace)
{
    if (m_entries.empty()) {
        m_entries.emplace_back(kNoFastCategoryEntry);
        for (std::string& name : ReadCategoryList(workspace)) {
            m_entries.push_back(std::move(name));
        }
    }
    m_tree = BuildFastCategoryTree(m_entries);
}

bool IsNoFastCategory(std::string_view entry)
{
    return store::ContainsNoCase(entry, "do not use");
}

} // namespace listrider::sites
