#include "catalogue/pad_reader.h"

#include <functional>
#include <vector>

#include "catalogue/reseller_ids.h"
#include "catalogue/vocabularies.h"
#include "store/ascii.h"
#include "store/tag_document.h"
#include "store/text_helpers.h"

namespace listrider::catalogue {
namespace {

std::string Trimmed(std::string_view text)
{
    const std::size_t first = text.find_first_not_of(' ');
    if (first == std::string_view::npos) {
        return {};
    }
    return std::string(text.substr(first, text.find_last_not_of(' ') - first + 1));
}

std::string WithoutChars(std::string_view text, std::string_view drop)
{
    std::string kept;
    for (const char c : text) {
        if (drop.find(c) == std::string_view::npos) {
            kept.push_back(c);
        }
    }
    return kept;
}

std::vector<std::string> SplitCrLf(std::string_view text)
{
    std::vector<std::string> lines;
    std::size_t start = 0;
    while (true) {
        const std::size_t end = text.find("\r\n", start);
        lines.emplace_back(
            text.substr(start, end == std::string_view::npos ? std::string_view::npos : end - start));
        if (end == std::string_view::npos) {
            return lines;
        }
        start = end + 2;
    }
}

bool IsBlank(std::string_view text)
{
    return text.find_first_not_of(" \t") == std::string_view::npos;
}

} // namespace

std::string DropOuterBlankLines(std::string_view value)
{
    // Tags on lines of their own add no blank first or last line to the value.
    const std::size_t firstBreak = value.find("\r\n");
    if (firstBreak != std::string_view::npos && IsBlank(value.substr(0, firstBreak))) {
        value.remove_prefix(firstBreak + 2);
    }
    const std::size_t lastBreak = value.rfind("\r\n");
    if (lastBreak != std::string_view::npos && IsBlank(value.substr(lastBreak + 2))) {
        value.remove_suffix(value.size() - lastBreak);
    }
    return std::string(value);
}

namespace {

// An element whose value may run over several lines (permissions, EULA, recent changes): the
// lines up to the closing line are joined with CR LF and the value taken from the joined text.
struct MultiLineValue
{
    std::string raw;
    std::size_t next = 0;
};

MultiLineValue ReadMultiLine(store::LineSpan lines, std::size_t index, std::string_view tag)
{
    const std::string close = store::CloseTag(tag);
    std::string joined(lines[index]);
    std::size_t i = index + 1;
    if (!store::ContainsNoCase(lines[index], close)) {
        while (i < lines.size()) {
            joined.append("\r\n").append(lines[i]);
            ++i;
            if (store::ContainsNoCase(lines[i - 1], close)) {
                break;
            }
        }
    }
    // The value runs from the opening tag to the next '<', as on one line.
    const std::size_t open = store::FindNoCase(joined, store::OpenTag(tag));
    std::string value = store::TagValue(std::string_view(joined).substr(open));
    return {DropOuterBlankLines(value), i};
}

void TakeMonth(std::string& field, std::string_view raw)
{
    std::string value = PadTwoDigits(raw);
    const int number =
        value.size() == 2 && value[0] >= '0' && value[0] <= '1' && value[1] >= '0' && value[1] <= '9'
            ? (value[0] - '0') * 10 + (value[1] - '0')
            : 0;
    if (number >= 1 && number <= 12) {
        value = std::string(MonthEntries()[static_cast<std::size_t>(number)]);
    }
    if (HasEntry(MonthEntries(), value)) {
        field = value;
    }
}

void TakeDay(std::string& field, std::string_view raw)
{
    const std::string value = PadTwoDigits(raw);
    if (HasEntry(DayEntries(), value)) {
        field = value;
    }
}

void TakeYear(std::string& field, std::string_view raw)
{
    if (IsYearEntry(raw)) {
        field = raw;
    }
}

void TakeChoice(std::string& field, std::string_view value, std::span<const std::string_view> list)
{
    if (HasEntry(list, value)) {
        field = value;
    }
}

void TakeNonEmpty(std::string& field, std::string value)
{
    if (!value.empty()) {
        field = std::move(value);
    }
}

void TakeCommission(std::string& field, const std::string& value)
{
    if (IsWholeNumber(value)) {
        field = value;
    }
}

using Apply = std::function<void(const std::string& value)>;

struct PadElement
{
    std::string_view tag;
    Apply apply;
};

std::vector<PadElement> ElementTable(const PadSource& source, Product& product)
{
    ProgramInfo& program = product.program;
    CompanyInfo& company = product.company;
    AffiliateInfo& affiliates = product.affiliates;
    ProductUrls& urls = product.urls;
    ProductCategory& category = product.category;
    auto text = [&source](std::string& field) {
        return [&source, &field](const std::string& raw) {
            field = source.Text(raw);
        };
    };
    auto flag = [](bool& field) {
        return [&field](const std::string& raw) {
            field = raw == "Y";
        };
    };
    auto nonEmpty = [&source](std::string& field) {
        return [&source, &field](const std::string& raw) {
            TakeNonEmpty(field, source.Text(raw));
        };
    };
    auto commission = [](std::string& field) {
        return [&field](const std::string& raw) {
            TakeCommission(field, raw);
        };
    };
    auto choice = [](std::string& field, std::span<const std::string_view> list) {
        return [&field, list](const std::string& raw) {
            TakeChoice(field, raw, list);
        };
    };
    auto noCaseChoice = [](std::string& field, std::span<const std::string_view> list) {
        return [&field, list](const std::string& raw) {
            if (!raw.empty()) {
                field = FindEntryNoCase(list, raw);
            }
        };
    };
    auto price = [&source](std::string& field) {
        return [&source, &field](const std::string& raw) {
            field = store::CommaToDot(source.Text(raw));
        };
    };
    auto size = [&source](std::string& field) {
        return [&source, &field](const std::string& raw) {
            field = WithoutChars(source.Text(raw), ".,");
        };
    };
    return {
        {"Program_Name",
         [&](const std::string& raw) {
             program.name = Trimmed(source.Text(raw));
         }},
        {"Program_Version",
         [&](const std::string& raw) {
             program.version = Trimmed(source.Text(raw));
         }},
        {"Company_Name",
         [&](const std::string& raw) {
             company.name = Trimmed(source.Text(raw));
         }},
        {"Program_Release_Month",
         [&](const std::string& raw) {
             TakeMonth(program.releaseMonth, raw);
         }},
        {"Expire_Month",
         [&](const std::string& raw) {
             TakeMonth(program.expireMonth, raw);
         }},
        {"Program_Release_Day",
         [&](const std::string& raw) {
             TakeDay(program.releaseDay, raw);
         }},
        {"Expire_Day",
         [&](const std::string& raw) {
             TakeDay(program.expireDay, raw);
         }},
        {"Program_Release_Year",
         [&](const std::string& raw) {
             TakeYear(program.releaseYear, raw);
         }},
        {"Expire_Year",
         [&](const std::string& raw) {
             TakeYear(program.expireYear, raw);
         }},
        {"Program_Type", choice(program.type, ProgramTypes())},
        {"Program_Release_Status", choice(program.releaseStatus, ReleaseStatuses())},
        {"Program_Install_Support", choice(program.installSupport, InstallSupports())},
        {"Program_Cost_Other_Code", choice(program.costOtherCode, CurrencyCodes())},
        {"Expire_Based_On", choice(program.expireBasedOn, ExpireUnits())},
        {"Limitations", text(program.limitations)},
        {"Program_Cost_Dollars", price(program.costDollars)},
        {"Program_Cost_Other", price(program.costOther)},
        {"Has_Expire_Info", flag(program.hasExpireInfo)},
        {"Includes_JAVA_VM", flag(program.includesJavaVm)},
        {"Includes_VB_Runtime", flag(program.includesVbRuntime)},
        {"Includes_DirectX", flag(program.includesDirectX)},
        {"ASP_Member", flag(company.aspMember)},
        {"TPA_Member", flag(company.tpaMember)},
        {"Expire_Count", text(program.expireCount)},
        {"Expire_Other_Info", text(program.expireOtherInfo)},
        {"Program_System_Requirements", text(program.systemRequirements)},
        {"Filename_Versioned", text(program.filenameVersioned)},
        {"Filename_Previous", text(program.filenamePrevious)},
        {"Filename_Generic", text(program.filenameGeneric)},
        {"Filename_Long", text(program.filenameLong)},
        {"File_Size_MB", text(program.fileSizeMb)},
        {"File_Size_Bytes", size(program.fileSizeBytes)},
        {"File_Size_K", size(program.fileSizeK)},
        {"Program_OS_Support",
         [&](const std::string& raw) {
             program.os = DecodeOsList(source.Text(raw));
         }},
        {"Program_Language",
         [&](const std::string& raw) {
             program.languages.Decode(source.Text(raw));
         }},
        {"Address_1", text(company.address1)},
        {"Address_2", text(company.address2)},
        {"City_Town", text(company.city)},
        {"State_Province", text(company.state)},
        {"Zip_Postal_Code", text(company.zip)},
        {"Country", text(company.country)},
        {"Company_WebSite_URL", text(company.webSiteUrl)},
        {"Contact_First_Name", text(company.contactFirstName)},
        {"Contact_Last_Name", text(company.contactLastName)},
        {"Contact_Email", text(company.contactEmail)},
        {"Author_First_Name", text(company.authorFirstName)},
        {"Author_Last_Name", text(company.authorLastName)},
        {"Author_Email", text(company.authorEmail)},
        {"General_Email", text(company.generalEmail)},
        {"Support_Email", text(company.supportEmail)},
        {"Sales_Email", text(company.salesEmail)},
        {"General_Phone", text(company.generalPhone)},
        {"Support_Phone", text(company.supportPhone)},
        {"Sales_Phone", text(company.salesPhone)},
        {"Fax_Phone", text(company.faxPhone)},
        {"ASP_Member_Number", text(company.aspMemberNumber)},
        {"TPA_Member_ID", text(company.tpaMemberId)},
        {"Affiliates_Regnow_Product_ID", nonEmpty(affiliates.regNowId)},
        {"Affiliates_Regsoft_Product_ID", nonEmpty(affiliates.regSoftId)},
        {"Affiliates_ShareIt_Product_ID", nonEmpty(affiliates.shareItId)},
        {"Affiliates_ShareIt_Vendor_ID", nonEmpty(affiliates.shareItCompanyId)},
        {"Affiliates_eSellerate_Vendor_ID", nonEmpty(affiliates.eSellerateCompanyId)},
        {"Affiliates_eSellerate_Product_ID", nonEmpty(affiliates.eSellerateId)},
        {"Affiliates_Regnow_Maximum_Commission_Rate", commission(affiliates.regNowCommission)},
        {"Affiliates_Regsoft_Maximum_Commission_Rate", commission(affiliates.regSoftCommission)},
        {"Affiliates_ShareIt_Maximum_Commission_Rate", commission(affiliates.shareItCommission)},
        {"Affiliates_eSellerate_Maximum_Commission_Rate", commission(affiliates.eSellerateCommission)},
        {"Application_Info_URL", text(urls.infoUrl)},
        {"Application_Screenshot_URL", text(urls.screenshotUrl)},
        {"Application_Icon_URL", text(urls.iconUrl)},
        {"Application_XML_File_URL", text(urls.xmlFileUrl)},
        {"Primary_Download_URL", text(urls.primaryDownloadUrl)},
        {"Secondary_Download_URL", text(urls.secondaryDownloadUrl)},
        {"Additional_Download_URL_1", text(urls.additionalDownloadUrl1)},
        {"Additional_Download_URL_2", text(urls.additionalDownloadUrl2)},
        {"Application_Order_URL", text(urls.orderUrl)},
        {"Program_Specific_Category", noCaseChoice(category.padSpecificCategory, PadSpecificCategories())},
        {"Program_Category_Class", noCaseChoice(category.categoryClass, CategoryClasses())},
        {"Program_Categories", nonEmpty(category.padCategories)},
    };
}

struct MemoElement
{
    std::string_view tag;
    MemoLines* memo;
    bool append; ///< recent changes gain lines; the agreements are replaced
};

} // namespace

std::string PadTwoDigits(std::string_view value)
{
    if (value.size() == 1 && value[0] >= '0' && value[0] <= '9') {
        return "0" + std::string(value);
    }
    return std::string(value);
}

PadNames FindPadNames(const PadSource& source)
{
    PadNames names;
    for (std::string_view line : source.Lines()) {
        if (store::ContainsNoCase(line, "<Program_Name>")) {
            names.program = Trimmed(source.Text(store::TagValue(line)));
        }
        if (store::ContainsNoCase(line, "<Company_Name>")) {
            names.company = Trimmed(source.Text(store::TagValue(line)));
        }
    }
    return names;
}

void ReadPadElements(const PadSource& source, Product& product, std::string_view shareItParentDomain)
{
    const std::vector<PadElement> table = ElementTable(source, product);
    std::vector<std::string> openTags;
    for (const PadElement& element : table) {
        openTags.push_back(store::OpenTag(element.tag));
    }
    const MemoElement memos[] = {
        {"Program_Change_Info", &product.program.changeInfo, true},
        {"Distribution_Permissions", &product.program.permissions, false},
        {"EULA", &product.program.eula, false},
    };
    const store::LineSpan lines = source.Lines();
    for (std::size_t i = 0; i < lines.size();) {
        const std::string_view line = lines[i];
        if (store::ContainsNoCase(line, "<Program_Descriptions>")) {
            i = ReadPadDescriptions(source, i, product.descriptions);
            continue;
        }
        const MemoElement* memo = nullptr;
        for (const MemoElement& candidate : memos) {
            if (store::ContainsNoCase(line, store::OpenTag(candidate.tag))) {
                memo = &candidate;
                break;
            }
        }
        if (memo != nullptr) {
            const MultiLineValue value = ReadMultiLine(lines, i, memo->tag);
            const std::string text = source.Text(value.raw, true);
            if (!memo->append) {
                memo->memo->clear();
            }
            // An empty element adds no empty line.
            if (!text.empty()) {
                const std::vector<std::string> memoLines = SplitCrLf(text);
                memo->memo->insert(memo->memo->end(), memoLines.begin(), memoLines.end());
            }
            i = value.next;
            continue;
        }
        for (std::size_t k = 0; k < table.size(); ++k) {
            if (store::ContainsNoCase(line, openTags[k])) {
                table[k].apply(store::TagValue(line));
            }
        }
        if (store::ContainsNoCase(line, "<Application_Order_URL>")) {
            ReadResellerIds(line, shareItParentDomain, product.affiliates);
        }
        ++i;
    }
}

} // namespace listrider::catalogue
