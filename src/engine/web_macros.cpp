// Web addresses, local files, reseller identifiers, registration codes and PAD categories.
#include "engine/macro_families.h"
#include "store/ascii.h"
#include "store/text_helpers.h"

namespace listrider::engine {

std::string CutUrl(std::string_view url)
{
    if (store::StartsWithNoCase(url, "HTT") || store::StartsWithNoCase(url, "FTP")) {
        return store::StripScheme(url);
    }
    return {};
}

void AddWebMacros(MacroTable& table, const catalogue::ProductValues& product)
{
    const catalogue::ProductUrls& urls = product.web.urls;
    table["InfoURL"] = urls.infoUrl;
    table["ShotURL"] = urls.screenshotUrl;
    table["SmallShotURL"] = urls.smallScreenshotUrl;
    table["IconURL"] = urls.iconUrl;
    table["OrderURL"] = urls.orderUrl;
    table["PADURL"] = urls.xmlFileUrl;
    table["OrderURLAff"] = product.affiliates.affiliateOrderUrl;
    table["BackLink"] = product.affiliates.linksPage;
    table["Download1"] = urls.primaryDownloadUrl;
    table["Download2"] = urls.secondaryDownloadUrl;
    table["Download3"] = urls.additionalDownloadUrl1;
    table["Download4"] = urls.additionalDownloadUrl2;
    table["DownloadHTTP"] = product.web.downloadHttp;
    table["DownloadFTP"] = product.web.downloadFtp;
    table["CutPADURL"] = CutUrl(urls.xmlFileUrl);
    table["CutDownload1"] = CutUrl(urls.primaryDownloadUrl);
    table["CutInfoURL"] = CutUrl(urls.infoUrl);
    table["CutShotURL"] = CutUrl(urls.screenshotUrl);
    table["PADPath"] = product.web.padPath;
    table["FilePath"] = product.web.filePath;
    table["IconPath"] = product.web.iconPath;
    table["ShotPath"] = product.web.screenshotPath;

    const catalogue::AffiliateValues& affiliates = product.affiliates;
    table["RegNowID"] = affiliates.regNowId;
    table["RegNowCompanyID"] = affiliates.regNowCompanyId;
    table["RegNowURL"] = affiliates.regNowOrderUrl;
    table["RegNowCommission"] = affiliates.regNowCommission;
    table["IsRegNowSoftSeek"] = affiliates.regNowId.empty() ? "0" : "1";
    table["RegSoftID"] = affiliates.regSoftId;
    table["RegSoftURL"] = affiliates.regSoftOrderUrl;
    table["RegSoftCommission"] = affiliates.regSoftCommission;
    table["ShareItID"] = affiliates.shareItId;
    table["ShareItCompanyID"] = affiliates.shareItCompanyId;
    table["ShareItURL"] = affiliates.shareItOrderUrl;
    table["ShareItCommission"] = affiliates.shareItCommission;
    table["eSellerateID"] = affiliates.eSellerateId;
    table["eSellerateURL"] = affiliates.eSellerateOrderUrl;
    table["eSellerateCommission"] = affiliates.eSellerateCommission;
    table["RegNowOrRegSoftID"] = !affiliates.regNowId.empty() ? affiliates.regNowId : affiliates.regSoftId;

    const std::string& type = product.program.type;
    const bool free = store::ContainsNoCase(type, "Free") || store::ContainsNoCase(type, "Adwar") ||
                      store::ContainsNoCase(type, "Public");
    table["RegKey"] = free ? std::string() : product.registration.registrationCode;
    table["RegKeyWinPicks"] = product.registration.winPicksCode;
    table["FDepotRegKey"] = product.registration.fDepotCode;

    table["ProgramSpecificCategory"] = product.padSpecificCategory;
    table["ProgramCategories"] = product.padCategories;
}

} // namespace listrider::engine
