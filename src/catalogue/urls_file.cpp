#include "catalogue/urls_file.h"

#include <array>

#include "catalogue/element_lines.h"
#include "store/tag_document.h"

namespace listrider::catalogue {
namespace {

struct UrlTag
{
    std::string_view tag;
    std::string ProductUrls::*field;
};

constexpr std::array<UrlTag, 14> kUrlTags = {{
    {"Application_Info_URL", &ProductUrls::infoUrl},
    {"Application_Order_URL", &ProductUrls::orderUrl},
    {"Application_Screenshot_URL", &ProductUrls::screenshotUrl},
    {"Application_Small_Screenshot_URL", &ProductUrls::smallScreenshotUrl},
    {"Application_Icon_URL", &ProductUrls::iconUrl},
    {"Application_XML_File_URL", &ProductUrls::xmlFileUrl},
    {"Primary_Download_URL", &ProductUrls::primaryDownloadUrl},
    {"Secondary_Download_URL", &ProductUrls::secondaryDownloadUrl},
    {"Additional_Download_URL_1", &ProductUrls::additionalDownloadUrl1},
    {"Additional_Download_URL_2", &ProductUrls::additionalDownloadUrl2},
    {"Upload_File_Location", &ProductUrls::uploadFileLocation},
    {"Upload_PAD_Location", &ProductUrls::uploadPadLocation},
    {"Upload_Icon_Location", &ProductUrls::uploadIconLocation},
    {"Upload_Screenshot_Location", &ProductUrls::uploadScreenshotLocation},
}};

} // namespace

void ReadUrlsFile(store::LineSpan lines, ProductUrls& urls)
{
    std::vector<detail::ElementRule> rules;
    for (const UrlTag& url : kUrlTags) {
        rules.push_back(detail::TextRule(url.tag, urls.*url.field));
    }
    detail::ApplyElements(lines, rules);
}

store::LineList UrlsFileLines(const ProductUrls& urls)
{
    store::TagWriter writer;
    for (const UrlTag& url : kUrlTags) {
        writer.Element(url.tag, urls.*url.field);
    }
    return writer.Lines();
}

} // namespace listrider::catalogue
