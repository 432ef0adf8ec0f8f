// The reseller identifiers and commissions of a product (affiliate.dat).
#pragma once

#include <string>
#include <string_view>

namespace listrider::catalogue {

/// The commission a new product offers.
inline constexpr std::string_view kDefaultCommission = "30";

/// The four "Affiliate Support" boxes; they follow the identifier fields.
struct AffiliateSupport
{
    bool regNow = false;
    bool regSoft = false;
    bool shareIt = false;
    bool eSellerate = false;

    friend bool operator==(const AffiliateSupport&, const AffiliateSupport&) = default;
};

struct AffiliateInfo
{
    std::string regNowId;
    std::string regNowCommission{kDefaultCommission};
    std::string shareItId;
    std::string shareItCompanyId;
    std::string shareItCommission{kDefaultCommission};
    std::string regSoftId;
    std::string regSoftCommission{kDefaultCommission};
    std::string eSellerateId;
    std::string eSellerateCompanyId;
    std::string eSellerateCommission{kDefaultCommission};
    std::string linksPage;

    AffiliateSupport support; ///< not stored: derived from the identifiers

    friend bool operator==(const AffiliateInfo&, const AffiliateInfo&) = default;
};

/// Applies the editor's rule to the boxes: RegNow and RegSoft need their ID, ShareIt and
/// eSellerate need both their product and company IDs.
void ApplyAffiliateSupportRule(AffiliateInfo& affiliates);

/// Applies the PAD import's rule: each box is ticked when any of its service's IDs is set.
void ApplyImportAffiliateRule(AffiliateInfo& affiliates);

/// Returns whether a commission text is a whole number (digits only).
bool IsWholeNumber(std::string_view text);

} // namespace listrider::catalogue
