// The URLs and local file paths of a product (urls.dat).
#pragma once

#include <string>

namespace listrider::catalogue {

struct ProductUrls
{
    std::string infoUrl;
    std::string orderUrl;
    std::string screenshotUrl;
    std::string smallScreenshotUrl; ///< "Screenshot(100x100) URL:"
    std::string iconUrl;
    std::string xmlFileUrl; ///< "PAD XML file URL:"
    std::string primaryDownloadUrl;
    std::string secondaryDownloadUrl;
    std::string additionalDownloadUrl1;
    std::string additionalDownloadUrl2;
    std::string uploadFileLocation; ///< local paths from here on
    std::string uploadPadLocation;
    std::string uploadIconLocation;
    std::string uploadScreenshotLocation;

    friend bool operator==(const ProductUrls&, const ProductUrls&) = default;
};

} // namespace listrider::catalogue
