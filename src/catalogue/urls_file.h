// urls.dat: the URLs and local file paths of a product.
#pragma once

#include "catalogue/product_urls.h"
#include "store/line_list.h"

namespace listrider::catalogue {

/// Fills the URL fields from the lines of urls.dat.
void ReadUrlsFile(store::LineSpan lines, ProductUrls& urls);

/// Returns the lines of urls.dat in written order.
store::LineList UrlsFileLines(const ProductUrls& urls);

} // namespace listrider::catalogue
