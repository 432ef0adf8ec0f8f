// A product's whole data set as the editor holds it.
#pragma once

#include "catalogue/affiliate_info.h"
#include "catalogue/company_info.h"
#include "catalogue/descriptions.h"
#include "catalogue/product_category.h"
#include "catalogue/product_urls.h"
#include "catalogue/program_info.h"
#include "catalogue/registration_codes.h"

namespace listrider::catalogue {

/// One part per file of the data set.
struct Product
{
    ProgramInfo program;            ///< product.dat
    DescriptionSet descriptions;    ///< description.dat
    CompanyInfo company;            ///< company.dat
    ProductUrls urls;               ///< urls.dat
    ProductCategory category;       ///< category.dat, fastcat.dat
    AffiliateInfo affiliates;       ///< affiliate.dat
    RegistrationCodes registration; ///< regkey.dat

    friend bool operator==(const Product&, const Product&) = default;
};

} // namespace listrider::catalogue
