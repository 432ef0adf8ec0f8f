#include "catalogue/value_set.h"

#include "catalogue/country_state.h"
#include "catalogue/language_list.h"
#include "catalogue/vocabularies.h"
#include "store/ascii.h"
#include "store/wide_text.h"

namespace listrider::catalogue {
namespace {

namespace fs = std::filesystem;

constexpr std::string_view kRegNowOrder = "https://www.regnow.com/softsell/nph-softsell.cgi?item=";
constexpr std::string_view kRegSoftOrder = "http://www.regsoft.net/purchase.php3?productid=";
constexpr std::string_view kShareItOrder = "http://www.shareit.com/product.html?productid=";
constexpr std::string_view kESellerateOrder = "https://www.esellerate.net/store/cart.aspx?s=";

std::string YesNo(bool value)
{
    return value ? "Y" : "N";
}

std::string TwoDigits(int value)
{
    return (value < 10 ? "0" : "") + std::to_string(value);
}

std::string DashWhenEmpty(const std::string& text)
{
    return text.empty() ? "-" : text;
}

template <class Char>
void TrimEnd(std::basic_string<Char>& text)
{
    while (!text.empty() && text.back() == Char(' ')) {
        text.pop_back();
    }
}

template <class Char>
std::basic_string<Char> JoinWithSpaces(const std::vector<std::basic_string<Char>>& lines)
{
    std::basic_string<Char> text;
    for (const auto& line : lines) {
        text += line;
        if (text.empty() || text.back() != Char(' ')) {
            text.push_back(Char(' '));
        }
    }
    if (!text.empty() && text.back() == Char(' ')) {
        text.pop_back();
    }
    return text;
}

std::string LocalFile(const std::string& path, std::string_view missing)
{
    std::error_code ec;
    if (!path.empty() && fs::exists(path, ec)) {
        return path;
    }
    return std::string(missing);
}

std::string FirstDownload(const ProductUrls& urls, std::initializer_list<std::string_view> schemes)
{
    for (const std::string* url : {&urls.primaryDownloadUrl,
                                   &urls.secondaryDownloadUrl,
                                   &urls.additionalDownloadUrl1,
                                   &urls.additionalDownloadUrl2}) {
        for (std::string_view scheme : schemes) {
            if (store::StartsWithNoCase(*url, scheme)) {
                return *url;
            }
        }
    }
    return {};
}

ProgramValues MakeProgramValues(ProgramInfo& program)
{
    ProgramValues values;
    values.name = program.name;
    values.version = program.version;
    values.nameWithDashes = NameWithDashes(program.name);
    values.type = program.type;
    values.releaseStatus = program.releaseStatus;
    values.installSupport = program.installSupport;
    values.releaseDay = program.releaseDay;
    values.releaseMonth = TwoDigits(MonthNumber(program.releaseMonth));
    values.releaseYear = program.releaseYear;
    values.priceDollars = program.costDollars.empty() ? "0" : program.costDollars;
    values.priceOther = program.costOther;
    values.currency = program.costOtherCode;
    values.hasExpireInfo = YesNo(program.hasExpireInfo);
    values.expireCount = program.expireCount;
    if (program.expireBasedOn.empty()) {
        program.expireBasedOn = "Days";
    }
    values.expireBasedOn = program.expireBasedOn;
    if (program.expireDay != kNoDay && program.expireMonth != kNoMonth && program.expireYear != kNoYear) {
        values.expireDay = program.expireDay;
        values.expireMonth = TwoDigits(MonthNumber(program.expireMonth));
        values.expireYear = program.expireYear;
    }
    values.expireOtherInfo = program.expireOtherInfo;
    values.includesJavaVm = YesNo(program.includesJavaVm);
    values.includesVbRuntime = YesNo(program.includesVbRuntime);
    values.includesDirectX = YesNo(program.includesDirectX);
    values.filenameGeneric = program.filenameGeneric;
    values.filenameLong = program.filenameLong;
    values.filenameVersioned = program.filenameVersioned;
    values.filenamePrevious = program.filenamePrevious;
    values.fileSizeBytes = program.fileSizeBytes;
    values.fileSizeK = program.fileSizeK;
    values.fileSizeMb = program.fileSizeMb;
    values.osList = EncodeOsList(program.os);
    values.osShortList = OsShortList(program.os);
    values.languageList = program.languages.Encode();
    const std::vector<std::string> ticked = program.languages.TickedNames();
    values.mainLanguage = ticked.empty() ? std::string() : ticked.front();
    LanguageList extras = program.languages;
    extras.SetTicked(0, false);
    values.extraLanguages = extras.Encode();
    values.systemRequirements = program.systemRequirements;
    values.limitations = program.limitations;
    values.changeInfo = JoinChangeInfo(program.changeInfo);
    values.permissions = JoinMemo(program.permissions);
    values.eula = JoinMemo(program.eula);
    return values;
}

AffiliateValues MakeAffiliateValues(const AffiliateInfo& affiliates, const ProductUrls& urls)
{
    AffiliateValues values;
    values.regNowId = affiliates.regNowId;
    if (!affiliates.regNowId.empty()) {
        values.regNowOrderUrl = std::string(kRegNowOrder) + affiliates.regNowId;
        const std::size_t dash = affiliates.regNowId.find('-');
        if (dash != std::string::npos) {
            values.regNowCompanyId = affiliates.regNowId.substr(0, dash);
        }
    }
    values.regSoftId = affiliates.regSoftId;
    if (!affiliates.regSoftId.empty()) {
        values.regSoftOrderUrl = std::string(kRegSoftOrder) + affiliates.regSoftId;
    }
    values.shareItId = affiliates.shareItId;
    values.shareItCompanyId = affiliates.shareItCompanyId;
    if (!affiliates.shareItId.empty()) {
        values.shareItOrderUrl = std::string(kShareItOrder) + affiliates.shareItId;
    }
    values.eSellerateId = affiliates.eSellerateId;
    values.eSellerateCompanyId = affiliates.eSellerateCompanyId;
    if (!affiliates.eSellerateId.empty()) {
        values.eSellerateOrderUrl = std::string(kESellerateOrder) + affiliates.eSellerateCompanyId +
                                    "&Cmd=BUY&SkuIDC=" + affiliates.eSellerateId + "&pc=";
    }
    values.regNowCommission = affiliates.regNowCommission;
    values.regSoftCommission = affiliates.regSoftCommission;
    values.shareItCommission = affiliates.shareItCommission;
    values.eSellerateCommission = affiliates.eSellerateCommission;
    if (!values.regNowId.empty()) {
        values.affiliateOrderUrl = values.regNowOrderUrl;
    } else if (!values.regSoftId.empty()) {
        values.affiliateOrderUrl = values.regSoftOrderUrl;
    } else if (!values.shareItId.empty()) {
        values.affiliateOrderUrl = values.shareItOrderUrl;
    } else if (!values.eSellerateId.empty()) {
        values.affiliateOrderUrl = values.eSellerateOrderUrl;
    } else {
        values.affiliateOrderUrl = urls.orderUrl;
    }
    values.linksPage = affiliates.linksPage;
    return values;
}

std::vector<Desc> MakeDescs(const DescriptionSet& descriptions, const store::CodePage& codePage)
{
    std::vector<Desc> descs;
    const EnglishDescription& english = descriptions.english;
    descs.push_back({u"English",
                     codePage.ToWide(english.desc45),
                     codePage.ToWide(english.desc80),
                     codePage.ToWide(JoinMemo(english.desc250)),
                     codePage.ToWide(JoinMemo(english.desc450)),
                     codePage.ToWide(JoinMemo(english.desc2000)),
                     FirstKeywords(codePage.ToWide(english.keywords))});
    for (const LanguageDescription& language : descriptions.others) {
        descs.push_back({codePage.ToWide(language.language),
                         language.desc45,
                         language.desc80,
                         JoinMemo(language.desc250),
                         JoinMemo(language.desc450),
                         JoinMemo(language.desc2000),
                         FirstKeywords(language.keywords)});
    }
    return descs;
}

} // namespace

std::string JoinChangeInfo(const std::vector<std::string>& lines)
{
    std::string text;
    for (std::string line : lines) {
        // Trailing spaces and blank lines would give " . " and ". . " runs, and a text read back
        // from a PAD file would grow a separator each time.
        TrimEnd(line);
        if (line.find_first_not_of(' ') == std::string::npos) {
            continue;
        }
        text += line;
        text += (text.back() == '.' || text.back() == ',') ? " " : ". ";
    }
    return text;
}

std::string JoinMemo(const std::vector<std::string>& lines)
{
    return JoinWithSpaces(lines);
}

std::u16string JoinMemo(const std::vector<std::u16string>& lines)
{
    return JoinWithSpaces(lines);
}

std::u16string FirstKeywords(std::u16string_view keywords)
{
    return store::FirstItems(keywords, 12);
}

std::array<std::string, 5> KeywordSlots(std::string_view keywords)
{
    std::array<std::string, 5> slots;
    std::size_t next = 0;
    std::size_t start = 0;
    while (start <= keywords.size() && next < slots.size()) {
        std::size_t comma = keywords.find(',', start);
        if (comma == std::string_view::npos) {
            comma = keywords.size();
        }
        std::string piece = TrimOneSpace(keywords.substr(start, comma - start));
        if (!piece.empty()) {
            slots[next++] = std::move(piece);
        }
        start = comma + 1;
    }
    return slots;
}

std::string NameWithDashes(std::string_view name)
{
    std::string text;
    for (const char c : name) {
        if (c == ' ') {
            text.push_back('-');
        } else if ((c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z')) {
            text.push_back(c);
        }
    }
    return text;
}

ProductValues GetValues(Product& product, const CatalogueContext& context)
{
    ProductValues values;
    values.program = MakeProgramValues(product.program);

    NormaliseCountryAndState(product.company, context.StatesFile());
    values.company = product.company;
    values.company.address1 = DashWhenEmpty(values.company.address1);
    values.company.city = DashWhenEmpty(values.company.city);
    values.company.zip = DashWhenEmpty(values.company.zip);
    values.aspMember = YesNo(product.company.aspMember);
    values.aspMemberDigit = product.company.aspMember ? "1" : "0";
    values.tpaMember = YesNo(product.company.tpaMember);
    values.tpaMemberDigit = product.company.tpaMember ? "1" : "0";

    const ProductUrls& urls = product.urls;
    values.web.urls = urls;
    values.web.downloadHttp = FirstDownload(urls, {"HTTP://", "HTTPS://"});
    values.web.downloadFtp = FirstDownload(urls, {"FTP://"});
    values.web.padPath = LocalFile(urls.uploadPadLocation, "-empty text-");
    values.web.filePath = LocalFile(urls.uploadFileLocation, "-empty binary-");
    values.web.iconPath = LocalFile(urls.uploadIconLocation, "-empty binary-");
    values.web.screenshotPath = LocalFile(urls.uploadScreenshotLocation, "-empty binary-");

    values.affiliates = MakeAffiliateValues(product.affiliates, urls);

    const RegistrationCodes& codes = product.registration;
    values.registration.registrationCode = RegistrationCodeValue(codes);
    values.registration.registrationName = codes.registrationName;
    values.registration.registrationCodeField = codes.registrationCode;
    values.registration.winPicksCode = codes.winPicksCode;
    values.registration.fDepotCode = codes.fDepotCode;

    values.padSpecificCategory = product.category.padSpecificCategory;
    values.padCategories = product.category.padCategories;
    values.categoryClass = product.category.categoryClass;
    values.fastCategory = product.category.fastCategory;

    values.descriptions = MakeDescs(product.descriptions, context.codePage);
    values.keywords = KeywordSlots(product.descriptions.english.keywords);
    return values;
}

} // namespace listrider::catalogue
