#include "sites/product_os_text.h"

namespace listrider::sites {

std::string ProductOsText(const catalogue::OsSelection& selection)
{
    // The stored form of the list uses the same words for the same captions.
    return catalogue::EncodeOsList(selection);
}

} // namespace listrider::sites
