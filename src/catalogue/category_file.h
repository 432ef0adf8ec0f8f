// category.dat and fastcat.dat: the categories of a product.
#pragma once

#include "catalogue/product_category.h"
#include "store/line_list.h"

namespace listrider::catalogue {

/// Fills the categories from category.dat: a fast category of "none" or empty is ignored, and
/// the PAD lists choose the entry equal to the value ignoring ASCII case (none when no entry is).
void ReadCategoryFile(store::LineSpan lines, ProductCategory& category);

/// Takes the fast category of fastcat.dat (read before category.dat).
void ReadFastCategoryFile(store::LineSpan lines, ProductCategory& category);

/// Returns the lines of category.dat; `withFastCategory` false leaves the Fast_Category line out.
store::LineList CategoryFileLines(const ProductCategory& category, bool withFastCategory);

/// Returns the single line of fastcat.dat.
store::LineList FastCategoryFileLines(const ProductCategory& category);

} // namespace listrider::catalogue
