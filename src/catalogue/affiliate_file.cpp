#include "catalogue/affiliate_file.h"

#include <array>

#include "catalogue/element_lines.h"
#include "store/tag_document.h"

namespace listrider::catalogue {
namespace {

struct AffiliateTag
{
    std::string_view tag;
    std::string AffiliateInfo::*field;
};

constexpr std::array<AffiliateTag, 11> kAffiliateTags = {{
    {"RegNowAff", &AffiliateInfo::regNowId},
    {"RegNowCommission", &AffiliateInfo::regNowCommission},
    {"ShareItAff", &AffiliateInfo::shareItId},
    {"ShareItCompanyAff", &AffiliateInfo::shareItCompanyId},
    {"ShareItCommission", &AffiliateInfo::shareItCommission},
    {"RegSoftAff", &AffiliateInfo::regSoftId},
    {"RegSoftCommission", &AffiliateInfo::regSoftCommission},
    {"ESellerateAff", &AffiliateInfo::eSellerateId},
    {"ESellerateCompanyAff", &AffiliateInfo::eSellerateCompanyId},
    {"ESellerateCommission", &AffiliateInfo::eSellerateCommission},
    {"Links_Page", &AffiliateInfo::linksPage},
}};

} // namespace

void ReadAffiliateFile(store::LineSpan lines, AffiliateInfo& affiliates)
{
    std::vector<detail::ElementRule> rules;
    for (const AffiliateTag& entry : kAffiliateTags) {
        rules.push_back(detail::TextRule(entry.tag, affiliates.*entry.field));
    }
    detail::ApplyElements(lines, rules);
}

store::LineList AffiliateFileLines(const AffiliateInfo& affiliates)
{
    store::TagWriter writer;
    for (const AffiliateTag& entry : kAffiliateTags) {
        writer.Element(entry.tag, affiliates.*entry.field);
    }
    return writer.Lines();
}

} // namespace listrider::catalogue
