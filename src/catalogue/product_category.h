// The categories of a product (category.dat, fastcat.dat).
#pragma once

#include <string>
#include <string_view>

namespace listrider::catalogue {

/// The fast category of a product that has none.
inline constexpr std::string_view kNoFastCategory = "none";

struct ProductCategory
{
    std::string fastCategory{kNoFastCategory};
    std::string padSpecificCategory; ///< a list entry, empty when none is chosen
    std::string padCategories;       ///< free text
    std::string categoryClass;       ///< a list entry, empty when none is chosen

    friend bool operator==(const ProductCategory&, const ProductCategory&) = default;
};

} // namespace listrider::catalogue
