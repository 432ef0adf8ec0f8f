#include "catalogue/field_rules.h"

#include <filesystem>

#include "store/ascii.h"
#include "store/text_helpers.h"
#include "store/wide_text.h"

namespace listrider::catalogue {
namespace {

constexpr std::string_view kDigits = "1234567890";
constexpr std::string_view kPriceChars = "1234567890.,";
constexpr std::string_view kLoginChars = "abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ1234567890_";
constexpr std::string_view kRequired = "A required field can not be empty.";
constexpr std::string_view kHttpMessage = "A URL must begin with http://";
constexpr std::string_view kDownloadSchemeMessage = "A URL must begin with http:// or ftp://";
constexpr std::string_view kDownloadTypeMessage =
    "A downloadable file must be in ZIP, EXE, MSI, DMG or SIT format.";

// Addresses on HTTPS pass wherever plain HTTP is asked for.
bool IsWebAddress(std::string_view url)
{
    return store::StartsWithNoCase(url, "http://") || store::StartsWithNoCase(url, "https://");
}

bool EndsWithNoCase(std::string_view text, std::string_view suffix)
{
    return text.size() >= suffix.size() &&
           store::EqualsNoCase(text.substr(text.size() - suffix.size()), suffix);
}

bool EndsWithAny(std::string_view text, std::initializer_list<std::string_view> suffixes)
{
    for (std::string_view suffix : suffixes) {
        if (EndsWithNoCase(text, suffix)) {
            return true;
        }
    }
    return false;
}

std::string Required(const std::string& text, std::string_view message)
{
    return text.empty() ? std::string(message) : std::string();
}

std::string Chosen(const std::string& entry, std::string_view message)
{
    return entry.empty() ? std::string(message) : std::string();
}

std::string NotFirst(const std::string& entry, std::string_view first, std::string_view message)
{
    return entry == first ? std::string(message) : std::string();
}

std::string OnlyChars(const std::string& text, std::string_view set, std::string_view message)
{
    return store::AllCharsIn(text, set) ? std::string() : std::string(message);
}

std::string Email(const std::string& text, std::string_view emptyMessage)
{
    if (text.empty()) {
        return std::string(emptyMessage);
    }
    if (text.find('@') == std::string::npos || text.find('.') == std::string::npos) {
        return "Incorrect E-Mail format";
    }
    return {};
}

std::string RequiredWebUrl(const std::string& url, std::string_view emptyMessage)
{
    if (url.empty()) {
        return std::string(emptyMessage);
    }
    return IsWebAddress(url) ? std::string() : std::string(kHttpMessage);
}

std::string Download(const std::string& url, bool required)
{
    if (url.empty() || (!required && url == "http://")) {
        return required ? std::string(kRequired) : std::string();
    }
    if (!IsWebAddress(url) && !store::StartsWithNoCase(url, "ftp://")) {
        return std::string(kDownloadSchemeMessage);
    }
    if (!EndsWithAny(url, {".exe", ".zip", ".msi", ".dmg", ".sit"})) {
        return std::string(kDownloadTypeMessage);
    }
    return {};
}

std::string
Picture(const std::string& url, std::initializer_list<std::string_view> types, std::string_view message)
{
    if (url.empty() || url == "http://") {
        return {};
    }
    if (!IsWebAddress(url)) {
        return std::string(kHttpMessage);
    }
    return EndsWithAny(url, types) ? std::string() : std::string(message);
}

std::string LocalFile(const std::string& path)
{
    if (path.empty()) {
        return std::string(kRequired);
    }
    std::error_code ec;
    return std::filesystem::is_regular_file(path, ec) ? std::string() : "File cannot be found.";
}

std::string Commission(const std::string& text)
{
    if (!store::AllCharsIn(text, kDigits)) {
        return "Affiliate commission percent must be a numeric value.";
    }
    return text.empty() ? "Affiliate commission percent cannot be empty." : std::string();
}

std::string Keywords(bool empty, bool hasComma, bool isComma)
{
    if (empty) {
        return "Keywords must be entered.";
    }
    return hasComma && !isComma ? std::string() : "Keywords must be separated with commas.";
}

// A memo without lines, or with one empty line, has no text.
template <class Line>
bool MemoEmpty(const std::vector<Line>& lines)
{
    return lines.empty() || (lines.size() == 1 && lines.front().empty());
}

template <class Line>
std::string LongDescription(const std::vector<Line>& lines, std::size_t limit)
{
    const std::string size = std::to_string(limit);
    if (MemoEmpty(lines)) {
        return size + " Chars Description must be entered.";
    }
    if (store::CountEditChars(std::span<const Line>(lines)) > limit) {
        return "The description must not exceed " + size + " characters.";
    }
    return {};
}

template <class Text>
std::string DescriptionField(FieldKind kind,
                             const Text& keywords,
                             const Text& desc45,
                             const Text& desc80,
                             const std::vector<Text>& desc250,
                             const std::vector<Text>& desc450,
                             const std::vector<Text>& desc2000)
{
    using Char = typename Text::value_type;
    switch (kind) {
    case FieldKind::Keywords:
        return Keywords(
            keywords.empty(), keywords.find(Char(',')) != Text::npos, keywords == Text(1, Char(',')));
    case FieldKind::Desc45:
        return desc45.empty() ? "45 Chars Description must be entered." : std::string();
    case FieldKind::Desc80:
        return desc80.empty() ? "80 Chars Description must be entered." : std::string();
    case FieldKind::Desc250:
        return LongDescription(desc250, 250);
    case FieldKind::Desc450:
        return LongDescription(desc450, 450);
    case FieldKind::Desc2000:
        return LongDescription(desc2000, 2000);
    default:
        return {};
    }
}

std::string CheckDescription(const DescriptionSet& descriptions, const FieldId& field)
{
    if (field.language == 0) {
        const EnglishDescription& d = descriptions.english;
        return DescriptionField(field.kind, d.keywords, d.desc45, d.desc80, d.desc250, d.desc450, d.desc2000);
    }
    if (field.language < 0 || static_cast<std::size_t>(field.language) > descriptions.others.size()) {
        return {};
    }
    const LanguageDescription& d = descriptions.others[static_cast<std::size_t>(field.language) - 1];
    return DescriptionField(field.kind, d.keywords, d.desc45, d.desc80, d.desc250, d.desc450, d.desc2000);
}

std::string CheckVersion(const std::string& version)
{
    if (version.empty()) {
        return "Product version must be entered.";
    }
    if (version.front() == 'v' || version.front() == 'V') {
        return std::string(kVersionPrefixMessage);
    }
    return {};
}

std::string CheckPrice(std::string& price, std::string_view message)
{
    if (!store::AllCharsIn(price, kPriceChars)) {
        return std::string(message);
    }
    price = store::CommaToDot(price);
    return {};
}

std::string CheckSize(std::string& size, std::string_view keep)
{
    size = store::KeepCharsIn(size, keep);
    return Required(size, "The field must not be empty.");
}

std::string CheckLogin(const std::string& login)
{
    if (login.empty()) {
        return "A Default login must be set.";
    }
    if (login.size() <= 4) {
        return "A Default login must have more than 4 characters.";
    }
    return OnlyChars(
        login, kLoginChars, "A Default login must contain only alphabetic characters and numerals.");
}

std::string CheckPassword(const std::string& password)
{
    if (password.empty()) {
        return "Default password must be set.";
    }
    if (password.size() < 6 || password.size() > 10) {
        return "A Default password must have from 6 to 10 characters.";
    }
    return {};
}

} // namespace

std::string CheckField(ProductEditor& editor, const FieldId& field)
{
    Product& product = editor.product;
    ProgramInfo& program = product.program;
    const CompanyInfo& company = product.company;
    const ProductUrls& urls = product.urls;
    const AffiliateInfo& affiliates = product.affiliates;
    switch (field.kind) {
    case FieldKind::Version:
        return CheckVersion(program.version);
    case FieldKind::Type:
        return Chosen(program.type, "Program type must be selected.");
    case FieldKind::ReleaseStatus:
        return Chosen(program.releaseStatus, "Release status must be selected.");
    case FieldKind::InstallSupport:
        return Chosen(program.installSupport, "Install support must be selected.");
    case FieldKind::ReleaseDay:
        return NotFirst(program.releaseDay, kNoDay, "Release day must be selected.");
    case FieldKind::ReleaseMonth:
        return NotFirst(program.releaseMonth, kNoMonth, "Release month must be selected.");
    case FieldKind::ReleaseYear:
        return NotFirst(program.releaseYear, kNoYear, "Release year must be selected.");
    case FieldKind::PriceDollars:
        return CheckPrice(
            program.costDollars,
            "A numeric value must be entered into the price field without the dollar sign ($).");
    case FieldKind::PriceOther:
        return CheckPrice(program.costOther,
                          "A numeric value must be entered into the price field without the currency.");
    case FieldKind::Currency:
        return program.costOther.empty() ? std::string()
                                         : Chosen(program.costOtherCode, "A currency code must be selected.");
    case FieldKind::ExpireBasedOn:
        return program.hasExpireInfo
                   ? Chosen(program.expireBasedOn,
                            "You should choose what expire is based on: Days, Uses or Either/Or.")
                   : std::string();
    case FieldKind::FilenameGeneric:
        return Required(program.filenameGeneric, "The Generic File Name can not be empty.");
    case FieldKind::SizeBytes:
        return CheckSize(program.fileSizeBytes, kDigits);
    case FieldKind::SizeK:
        return CheckSize(program.fileSizeK, kDigits);
    case FieldKind::SizeMb:
        return CheckSize(program.fileSizeMb, "1234567890.,");
    case FieldKind::OsSupport:
        return program.os.Any() ? std::string() : "At least one operating system must be selected.";
    case FieldKind::Languages:
        return program.languages.AnyTicked() ? std::string() : "At least one language must be selected.";
    case FieldKind::Keywords:
    case FieldKind::Desc45:
    case FieldKind::Desc80:
    case FieldKind::Desc250:
    case FieldKind::Desc450:
    case FieldKind::Desc2000:
        return CheckDescription(product.descriptions, field);
    case FieldKind::CompanyUrl:
        return RequiredWebUrl(company.webSiteUrl, "A Company URL must be entered.");
    case FieldKind::GeneralEmail:
        return Email(company.generalEmail, "General E-Mail must be entered.");
    case FieldKind::SupportEmail:
        return Email(company.supportEmail, "Support E-Mail must be entered.");
    case FieldKind::SalesEmail:
        return Email(company.salesEmail, "Sales E-Mail must be entered.");
    case FieldKind::ContactEmail:
        return Email(company.contactEmail, "Contact E-Mail must be entered.");
    case FieldKind::AuthorEmail:
        return Email(company.authorEmail, "Author E-Mail must be entered.");
    case FieldKind::InfoUrl:
        return RequiredWebUrl(urls.infoUrl, kRequired);
    case FieldKind::OrderUrl:
        return urls.orderUrl.empty() || IsWebAddress(urls.orderUrl)
                   ? std::string()
                   : "A URL must begin with http:// or https://";
    case FieldKind::ScreenshotUrl:
        return Picture(urls.screenshotUrl,
                       {".gif", ".png", ".jpg", ".jpeg"},
                       "A screenshot must be in JPG, PNG or GIF format.");
    case FieldKind::SmallScreenshotUrl:
        return Picture(urls.smallScreenshotUrl,
                       {".gif", ".png", ".jpg", ".jpeg"},
                       "A screenshot must be in JPG, PNG or GIF format.");
    case FieldKind::IconUrl:
        return Picture(urls.iconUrl, {".gif", ".jpg", ".jpeg"}, "An icon must be in GIF or JPG format.");
    case FieldKind::PadUrl: {
        std::string message = RequiredWebUrl(urls.xmlFileUrl, kRequired);
        if (message.empty() && !EndsWithNoCase(urls.xmlFileUrl, ".xml")) {
            message = "A PAD file is an XML file and must have .xml extention.";
        }
        return message;
    }
    case FieldKind::PrimaryDownloadUrl:
        return Download(urls.primaryDownloadUrl, true);
    case FieldKind::SecondaryDownloadUrl:
        return Download(urls.secondaryDownloadUrl, false);
    case FieldKind::AdditionalDownloadUrl1:
        return Download(urls.additionalDownloadUrl1, false);
    case FieldKind::AdditionalDownloadUrl2:
        return Download(urls.additionalDownloadUrl2, false);
    case FieldKind::UploadFileLocation:
        return LocalFile(urls.uploadFileLocation);
    case FieldKind::UploadPadLocation:
        return LocalFile(urls.uploadPadLocation);
    case FieldKind::LinksPage:
        return affiliates.linksPage.empty() || IsWebAddress(affiliates.linksPage) ? std::string()
                                                                                  : std::string(kHttpMessage);
    case FieldKind::RegNowId:
        return OnlyChars(
            affiliates.regNowId, "1234567890-", "A RegNow Product ID must be entered in xxxx-x format.");
    case FieldKind::RegSoftId:
        return OnlyChars(
            affiliates.regSoftId, kDigits, "A RegSoft Product ID must be entered in xxxxxxx format.");
    case FieldKind::ShareItId:
        return OnlyChars(
            affiliates.shareItId, kDigits, "A ShareIt! Product ID must be entered in xxxxxxx format.");
    case FieldKind::ShareItCompanyId:
        return OnlyChars(
            affiliates.shareItCompanyId, kDigits, "A ShareIt! Company ID must be entered in xxxxx format.");
    case FieldKind::ESellerateCompanyId:
        return OnlyChars(affiliates.eSellerateCompanyId,
                         "SRT1234567890",
                         "A eSellerate Company ID must be entered in STRxxxxxxxxx format.");
    case FieldKind::ESellerateId:
        return OnlyChars(affiliates.eSellerateId,
                         "SKU1234567890",
                         "A eSellerate Product ID must be entered in SKUxxxxxxxxx format.");
    case FieldKind::RegNowCommission:
        return Commission(affiliates.regNowCommission);
    case FieldKind::RegSoftCommission:
        return Commission(affiliates.regSoftCommission);
    case FieldKind::ShareItCommission:
        return Commission(affiliates.shareItCommission);
    case FieldKind::ESellerateCommission:
        return Commission(affiliates.eSellerateCommission);
    case FieldKind::DefaultLogin:
        return CheckLogin(editor.accounts.defaults.login);
    case FieldKind::DefaultPassword:
        return CheckPassword(editor.accounts.defaults.password);
    case FieldKind::PadSpecificCategory:
        return Chosen(product.category.padSpecificCategory, "PAD File Specific Category must be selected.");
    case FieldKind::PadCategories:
        return Required(product.category.padCategories, "PAD File Categories must be entered.");
    default:
        return {};
    }
}

} // namespace listrider::catalogue
