// The product value set: the flat values a run and the PAD writer take from the open product.
#pragma once

#include <array>
#include <string>
#include <vector>

#include "catalogue/catalogue_context.h"
#include "catalogue/company_info.h"
#include "catalogue/product.h"
#include "catalogue/product_urls.h"

namespace listrider::catalogue {

/// The descriptions of one language as a run uses them (Unicode texts).
struct Desc
{
    std::u16string Language; ///< "English", or the tab's name
    std::u16string Desc45;
    std::u16string Desc80;
    std::u16string Desc250; ///< the memo lines joined into one line
    std::u16string Desc450;
    std::u16string Desc2000;
    std::u16string Keywords; ///< at most the first 11 keywords

    friend bool operator==(const Desc&, const Desc&) = default;
};

/// Program, release, expiry, files and platform values.
struct ProgramValues
{
    std::string name;
    std::string version;
    std::string nameWithDashes;
    std::string type;
    std::string releaseStatus;
    std::string installSupport;
    std::string releaseDay;   ///< "01".."31", or "Day"
    std::string releaseMonth; ///< "01".."12", or "00"
    std::string releaseYear;
    std::string priceDollars; ///< "0" when empty
    std::string priceOther;
    std::string currency;
    std::string hasExpireInfo; ///< "Y"/"N"
    std::string expireCount;
    std::string expireBasedOn;
    std::string expireDay; ///< empty unless day, month and year are all chosen
    std::string expireMonth;
    std::string expireYear;
    std::string expireOtherInfo;
    std::string includesJavaVm; ///< "Y"/"N"
    std::string includesVbRuntime;
    std::string includesDirectX;
    std::string filenameGeneric;
    std::string filenameLong;
    std::string filenameVersioned;
    std::string filenamePrevious;
    std::string fileSizeBytes;
    std::string fileSizeK;
    std::string fileSizeMb;
    std::string osList;
    std::string osShortList;
    std::string languageList;
    std::string mainLanguage;
    std::string extraLanguages;
    std::string systemRequirements;
    std::string limitations;
    std::string changeInfo;
    std::string permissions;
    std::string eula;
};

/// Web addresses and local files.
struct WebValues
{
    ProductUrls urls;         ///< the fields as typed
    std::string downloadHttp; ///< the first download URL on HTTP(S)
    std::string downloadFtp;  ///< the first download URL on FTP
    std::string padPath;      ///< the local files, or "-empty text-" / "-empty binary-"
    std::string filePath;
    std::string iconPath;
    std::string screenshotPath;
};

/// Reseller identifiers and order pages.
struct AffiliateValues
{
    std::string regNowId;
    std::string regNowOrderUrl;
    std::string regNowCompanyId;
    std::string regSoftId;
    std::string regSoftOrderUrl;
    std::string shareItId;
    std::string shareItCompanyId;
    std::string shareItOrderUrl;
    std::string eSellerateId;
    std::string eSellerateCompanyId;
    std::string eSellerateOrderUrl;
    std::string regNowCommission;
    std::string regSoftCommission;
    std::string shareItCommission;
    std::string eSellerateCommission;
    std::string affiliateOrderUrl;
    std::string linksPage;
};

/// Registration codes for reviewers.
struct RegistrationValues
{
    std::string registrationCode; ///< by the code kind
    std::string registrationName;
    std::string registrationCodeField;
    std::string winPicksCode;
    std::string fDepotCode;
};

/// The whole value set (GetValues).
struct ProductValues
{
    ProgramValues program;
    CompanyInfo company;        ///< normalised; address 1, city and zip "-" when empty
    std::string aspMember;      ///< "Y"/"N"
    std::string aspMemberDigit; ///< "1"/"0"
    std::string tpaMember;
    std::string tpaMemberDigit;
    WebValues web;
    AffiliateValues affiliates;
    RegistrationValues registration;
    std::string padSpecificCategory;
    std::string padCategories;
    std::string categoryClass;
    std::string fastCategory;
    std::vector<Desc> descriptions; ///< English first
    std::array<std::string, 5> keywords;
};

/// Returns the value set of the product. Like the editor, it first chooses "Days" as the expiry
/// unit when none is chosen and normalises the country and state of the product.
ProductValues GetValues(Product& product, const CatalogueContext& context);

/// Returns the "Recent Changes" lines as one sentence line: each line ends with ". " (or a space
/// when it ends with "." or ","); blank lines are left out.
std::string JoinChangeInfo(const std::vector<std::string>& lines);

/// Returns memo lines joined into one line with single spaces.
std::string JoinMemo(const std::vector<std::string>& lines);

/// As JoinMemo, for Unicode memo lines.
std::u16string JoinMemo(const std::vector<std::u16string>& lines);

/// Returns the keyword text cut after its 11th keyword.
std::u16string FirstKeywords(std::u16string_view keywords);

/// Returns the first five keywords of a keyword text.
std::array<std::string, 5> KeywordSlots(std::string_view keywords);

/// Returns the program name with each space as "-" and only ASCII letters kept.
std::string NameWithDashes(std::string_view name);

} // namespace listrider::catalogue
