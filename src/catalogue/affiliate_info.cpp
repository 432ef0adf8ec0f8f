#include "catalogue/affiliate_info.h"

namespace listrider::catalogue {

void ApplyAffiliateSupportRule(AffiliateInfo& affiliates)
{
    affiliates.support.regNow = !affiliates.regNowId.empty();
    affiliates.support.regSoft = !affiliates.regSoftId.empty();
    affiliates.support.shareIt = !affiliates.shareItId.empty() && !affiliates.shareItCompanyId.empty();
    affiliates.support.eSellerate =
        !affiliates.eSellerateCompanyId.empty() && !affiliates.eSellerateId.empty();
}

void ApplyImportAffiliateRule(AffiliateInfo& affiliates)
{
    affiliates.support.regNow = !affiliates.regNowId.empty();
    affiliates.support.regSoft = !affiliates.regSoftId.empty();
    affiliates.support.shareIt = !affiliates.shareItId.empty() || !affiliates.shareItCompanyId.empty();
    affiliates.support.eSellerate =
        !affiliates.eSellerateCompanyId.empty() || !affiliates.eSellerateId.empty();
}

bool IsWholeNumber(std::string_view text)
{
    if (text.empty()) {
        return false;
    }
    for (const char c : text) {
        if (c < '0' || c > '9') {
            return false;
        }
    }
    return true;
}

} // namespace listrider::catalogue
