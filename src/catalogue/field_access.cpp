#include "catalogue/field_access.h"

#include <algorithm>
#include <type_traits>

#include "catalogue/vocabularies.h"
#include "store/ascii.h"

namespace listrider::catalogue {
namespace {

using enum FieldKind;

// Where a field keeps its value; read-only for a const editor.
template <bool IsConst>
struct BasicSlot
{
    template <class T>
    using Ptr = std::conditional_t<IsConst, const T*, T*>;

    Ptr<std::string> text = nullptr;
    Ptr<std::vector<std::string>> lines = nullptr;
    Ptr<bool> flag = nullptr;
    Ptr<std::u16string> wide = nullptr;
    Ptr<std::vector<std::u16string>> wideLines = nullptr;
};

template <class Editor>
using SlotFor = BasicSlot<std::is_const_v<Editor>>;

template <class ProductT, class Slot = BasicSlot<std::is_const_v<ProductT>>>
Slot DescriptionSlot(ProductT& product, const FieldId& field)
{
    auto& descriptions = product.descriptions;
    if (field.language == 0) {
        auto& d = descriptions.english;
        switch (field.kind) {
        case Keywords:
            return {.text = &d.keywords};
        case Desc45:
            return {.text = &d.desc45};
        case Desc80:
            return {.text = &d.desc80};
        case Desc250:
            return {.lines = &d.desc250};
        case Desc450:
            return {.lines = &d.desc450};
        default:
            return {.lines = &d.desc2000};
        }
    }
    if (field.language < 0 || static_cast<std::size_t>(field.language) > descriptions.others.size()) {
        return {};
    }
    auto& d = descriptions.others[static_cast<std::size_t>(field.language) - 1];
    switch (field.kind) {
    case Keywords:
        return {.wide = &d.keywords};
    case Desc45:
        return {.wide = &d.desc45};
    case Desc80:
        return {.wide = &d.desc80};
    case Desc250:
        return {.wideLines = &d.desc250};
    case Desc450:
        return {.wideLines = &d.desc450};
    default:
        return {.wideLines = &d.desc2000};
    }
}

template <class Editor>
SlotFor<Editor> SlotOf(Editor& editor, const FieldId& field)
{
    auto& p = editor.product;
    auto& g = p.program;
    auto& c = p.company;
    auto& u = p.urls;
    auto& a = p.affiliates;
    auto& r = p.registration;
    auto& d = editor.accounts.defaults;
    if (IsDescriptionField(field.kind)) {
        return DescriptionSlot(p, field);
    }
    switch (field.kind) {
    case ProgramName:
        return {.text = &g.name};
    case Version:
        return {.text = &g.version};
    case Type:
        return {.text = &g.type};
    case ReleaseStatus:
        return {.text = &g.releaseStatus};
    case InstallSupport:
        return {.text = &g.installSupport};
    case ReleaseDay:
        return {.text = &g.releaseDay};
    case ReleaseMonth:
        return {.text = &g.releaseMonth};
    case ReleaseYear:
        return {.text = &g.releaseYear};
    case PriceDollars:
        return {.text = &g.costDollars};
    case PriceOther:
        return {.text = &g.costOther};
    case Currency:
        return {.text = &g.costOtherCode};
    case HasExpireInfo:
        return {.flag = &g.hasExpireInfo};
    case ExpireCount:
        return {.text = &g.expireCount};
    case ExpireBasedOn:
        return {.text = &g.expireBasedOn};
    case ExpireDay:
        return {.text = &g.expireDay};
    case ExpireMonth:
        return {.text = &g.expireMonth};
    case ExpireYear:
        return {.text = &g.expireYear};
    case ExpireOtherInfo:
        return {.text = &g.expireOtherInfo};
    case IncludesJavaVm:
        return {.flag = &g.includesJavaVm};
    case IncludesVbRuntime:
        return {.flag = &g.includesVbRuntime};
    case IncludesDirectX:
        return {.flag = &g.includesDirectX};
    case FilenameGeneric:
        return {.text = &g.filenameGeneric};
    case FilenameLong:
        return {.text = &g.filenameLong};
    case FilenameVersioned:
        return {.text = &g.filenameVersioned};
    case FilenamePrevious:
        return {.text = &g.filenamePrevious};
    case SizeBytes:
        return {.text = &g.fileSizeBytes};
    case SizeK:
        return {.text = &g.fileSizeK};
    case SizeMb:
        return {.text = &g.fileSizeMb};
    case SystemRequirements:
        return {.text = &g.systemRequirements};
    case Limitations:
        return {.text = &g.limitations};
    case ChangeInfo:
        return {.lines = &g.changeInfo};
    case Awards:
        return {.lines = &g.awards};
    case Permissions:
        return {.lines = &g.permissions};
    case Eula:
        return {.lines = &g.eula};
    case CompanyName:
        return {.text = &c.name};
    case Address1:
        return {.text = &c.address1};
    case Address2:
        return {.text = &c.address2};
    case City:
        return {.text = &c.city};
    case State:
        return {.text = &c.state};
    case Zip:
        return {.text = &c.zip};
    case Country:
        return {.text = &c.country};
    case CompanyUrl:
        return {.text = &c.webSiteUrl};
    case ContactFirstName:
        return {.text = &c.contactFirstName};
    case ContactLastName:
        return {.text = &c.contactLastName};
    case ContactEmail:
        return {.text = &c.contactEmail};
    case AuthorFirstName:
        return {.text = &c.authorFirstName};
    case AuthorLastName:
        return {.text = &c.authorLastName};
    case AuthorEmail:
        return {.text = &c.authorEmail};
    case GeneralEmail:
        return {.text = &c.generalEmail};
    case SupportEmail:
        return {.text = &c.supportEmail};
    case SalesEmail:
        return {.text = &c.salesEmail};
    case GeneralPhone:
        return {.text = &c.generalPhone};
    case SupportPhone:
        return {.text = &c.supportPhone};
    case SalesPhone:
        return {.text = &c.salesPhone};
    case FaxPhone:
        return {.text = &c.faxPhone};
    case AspMember:
        return {.flag = &c.aspMember};
    case AspMemberNumber:
        return {.text = &c.aspMemberNumber};
    case TpaMember:
        return {.flag = &c.tpaMember};
    case TpaMemberId:
        return {.text = &c.tpaMemberId};
    case InfoUrl:
        return {.text = &u.infoUrl};
    case OrderUrl:
        return {.text = &u.orderUrl};
    case ScreenshotUrl:
        return {.text = &u.screenshotUrl};
    case SmallScreenshotUrl:
        return {.text = &u.smallScreenshotUrl};
    case IconUrl:
        return {.text = &u.iconUrl};
    case PadUrl:
        return {.text = &u.xmlFileUrl};
    case PrimaryDownloadUrl:
        return {.text = &u.primaryDownloadUrl};
    case SecondaryDownloadUrl:
        return {.text = &u.secondaryDownloadUrl};
    case AdditionalDownloadUrl1:
        return {.text = &u.additionalDownloadUrl1};
    case AdditionalDownloadUrl2:
        return {.text = &u.additionalDownloadUrl2};
    case UploadFileLocation:
        return {.text = &u.uploadFileLocation};
    case UploadPadLocation:
        return {.text = &u.uploadPadLocation};
    case UploadIconLocation:
        return {.text = &u.uploadIconLocation};
    case UploadScreenshotLocation:
        return {.text = &u.uploadScreenshotLocation};
    case PadSpecificCategory:
        return {.text = &p.category.padSpecificCategory};
    case PadCategories:
        return {.text = &p.category.padCategories};
    case CategoryClass:
        return {.text = &p.category.categoryClass};
    case FastCategory:
        return {.text = &p.category.fastCategory};
    case RegNowId:
        return {.text = &a.regNowId};
    case RegNowCommission:
        return {.text = &a.regNowCommission};
    case RegSoftId:
        return {.text = &a.regSoftId};
    case RegSoftCommission:
        return {.text = &a.regSoftCommission};
    case ShareItId:
        return {.text = &a.shareItId};
    case ShareItCompanyId:
        return {.text = &a.shareItCompanyId};
    case ShareItCommission:
        return {.text = &a.shareItCommission};
    case ESellerateCompanyId:
        return {.text = &a.eSellerateCompanyId};
    case ESellerateId:
        return {.text = &a.eSellerateId};
    case ESellerateCommission:
        return {.text = &a.eSellerateCommission};
    case LinksPage:
        return {.text = &a.linksPage};
    case SingleCode:
        return {.text = &r.singleCode};
    case RegistrationName:
        return {.text = &r.registrationName};
    case RegistrationCode:
        return {.text = &r.registrationCode};
    case ComplexCode:
        return {.text = &r.complexCode};
    case WinPicksCode:
        return {.text = &r.winPicksCode};
    case FDepotCode:
        return {.text = &r.fDepotCode};
    case DefaultLogin:
        return {.text = &d.login};
    case DefaultEmailLogin:
        return {.text = &d.emailLogin};
    case DefaultPassword:
        return {.text = &d.password};
    default:
        return {};
    }
}

template <class Text>
Text JoinLines(const std::vector<Text>& lines)
{
    Text joined;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        if (i > 0) {
            joined.push_back('\n');
        }
        joined += lines[i];
    }
    return joined;
}

std::vector<std::u16string> SplitLines(std::u16string_view text)
{
    std::vector<std::u16string> lines;
    if (text.empty()) {
        return lines;
    }
    std::size_t start = 0;
    while (true) {
        const std::size_t end = text.find(u'\n', start);
        std::u16string line(
            text.substr(start, end == std::u16string_view::npos ? std::u16string_view::npos : end - start));
        if (!line.empty() && line.back() == u'\r') {
            line.pop_back();
        }
        lines.push_back(std::move(line));
        if (end == std::u16string_view::npos) {
            return lines;
        }
        start = end + 1;
    }
}

// A store line cannot hold a line break; the lone CR of a pasted text goes as well.
std::u16string OneLine(std::u16string_view text)
{
    std::u16string line;
    for (const char16_t c : text) {
        if (c != u'\r' && c != u'\n') {
            line.push_back(c);
        }
    }
    return line;
}

store::Error ChoiceError(FieldKind kind, std::string_view value)
{
    std::string allowed;
    for (const std::string& entry : ChoiceEntries(kind)) {
        allowed.append(allowed.empty() ? "" : ", ").append(entry);
    }
    return store::MakeError(store::ErrorKind::Usage,
                            std::string(InfoOf(kind).caption) + " has no entry \"" + std::string(value) +
                                "\"",
                            "entries: " + allowed);
}

std::string_view NoneEntry(FieldKind kind)
{
    switch (kind) {
    case ReleaseDay:
    case ExpireDay:
        return kNoDay;
    case ReleaseMonth:
    case ExpireMonth:
        return kNoMonth;
    case ReleaseYear:
    case ExpireYear:
        return kNoYear;
    default:
        return {};
    }
}

std::u16string ChoiceText(const std::string& value, FieldKind kind, const store::CodePage& codePage)
{
    return value == NoneEntry(kind) ? std::u16string() : codePage.ToWide(value);
}

store::Result<void> SetChoice(ProductEditor& editor, FieldKind kind, std::string value)
{
    if (kind == RegistrationKind) {
        const std::optional<catalogue::CodeKind> codeKind = CodeKindFromWord(value);
        if (!codeKind) {
            return ChoiceError(kind, value);
        }
        editor.product.registration.kind = *codeKind;
        return {};
    }
    std::string* slot = SlotOf(editor, {kind, 0}).text;
    if (value.empty() || value == NoneEntry(kind)) {
        *slot = std::string(NoneEntry(kind));
        return {};
    }
    const std::vector<std::string> entries = ChoiceEntries(kind);
    if (std::find(entries.begin(), entries.end(), value) == entries.end()) {
        return ChoiceError(kind, value);
    }
    *slot = std::move(value);
    return {};
}

store::Result<void> SetOsList(ProgramInfo& program, const std::string& value)
{
    OsSelection selection;
    std::size_t start = 0;
    while (start <= value.size()) {
        std::size_t comma = value.find(',', start);
        if (comma == std::string::npos) {
            comma = value.size();
        }
        const std::string name = TrimOneSpace(value.substr(start, comma - start));
        start = comma + 1;
        if (name.empty()) {
            continue;
        }
        const std::size_t index = FindOs(name);
        if (index == kOsCount) {
            return store::MakeError(store::ErrorKind::Usage,
                                    "\"" + name + "\" is not an operating system of the list");
        }
        selection.ticked[index] = true;
    }
    program.os = selection;
    return {};
}

} // namespace

std::vector<std::string> ChoiceEntries(FieldKind kind)
{
    auto copy = [](std::span<const std::string_view> list, bool skipFirst) {
        std::vector<std::string> entries;
        for (std::size_t i = skipFirst ? 1 : 0; i < list.size(); ++i) {
            entries.emplace_back(list[i]);
        }
        return entries;
    };
    switch (kind) {
    case Type:
        return copy(ProgramTypes(), false);
    case ReleaseStatus:
        return copy(ReleaseStatuses(), false);
    case InstallSupport:
        return copy(InstallSupports(), false);
    case ReleaseDay:
    case ExpireDay:
        return copy(DayEntries(), true);
    case ReleaseMonth:
    case ExpireMonth:
        return copy(MonthEntries(), true);
    case ReleaseYear:
    case ExpireYear: {
        std::vector<std::string> years = YearEntries();
        years.erase(years.begin());
        return years;
    }
    case Currency:
        return copy(CurrencyCodes(), false);
    case ExpireBasedOn:
        return copy(ExpireUnits(), false);
    case PadSpecificCategory:
        return copy(PadSpecificCategories(), false);
    case CategoryClass:
        return copy(CategoryClasses(), false);
    case RegistrationKind:
        return {"Single", "Personal", "Complex"};
    default:
        return {};
    }
}

std::u16string
GetFieldText(const ProductEditor& constEditor, const FieldId& field, const store::CodePage& codePage)
{
    // The slots are only read here.
    ProductEditor& editor = const_cast<ProductEditor&>(constEditor);
    const FieldInfo& info = InfoOf(field.kind);
    switch (info.shape) {
    case FieldShape::OsList:
        return codePage.ToWide(EncodeOsList(editor.product.program.os));
    case FieldShape::LanguageList:
        return codePage.ToWide(editor.product.program.languages.Encode());
    case FieldShape::Choice:
        if (field.kind == RegistrationKind) {
            return codePage.ToWide(CodeKindWord(editor.product.registration.kind));
        }
        return ChoiceText(*SlotOf(editor, field).text, field.kind, codePage);
    default:
        break;
    }
    const auto slot = SlotOf(editor, field);
    if (slot.text != nullptr) {
        return codePage.ToWide(*slot.text);
    }
    if (slot.lines != nullptr) {
        return codePage.ToWide(JoinLines(*slot.lines));
    }
    if (slot.flag != nullptr) {
        return *slot.flag ? u"Y" : u"N";
    }
    if (slot.wide != nullptr) {
        return *slot.wide;
    }
    if (slot.wideLines != nullptr) {
        return JoinLines(*slot.wideLines);
    }
    return {};
}

store::Result<void> SetFieldText(ProductEditor& editor,
                                 const FieldId& field,
                                 std::u16string_view text,
                                 const store::CodePage& codePage)
{
    const FieldInfo& info = InfoOf(field.kind);
    switch (info.shape) {
    case FieldShape::OsList:
        return SetOsList(editor.product.program, codePage.FromWide(OneLine(text)));
    case FieldShape::LanguageList:
        for (std::size_t i = 0; i < editor.product.program.languages.Entries().size(); ++i) {
            editor.product.program.languages.SetTicked(i, false);
        }
        editor.product.program.languages.Decode(codePage.FromWide(OneLine(text)));
        return {};
    case FieldShape::Choice:
        return SetChoice(editor, field.kind, codePage.FromWide(OneLine(text)));
    case FieldShape::Flag: {
        const std::string value = codePage.FromWide(OneLine(text));
        if (value != "Y" && value != "N") {
            return store::MakeError(store::ErrorKind::Usage, std::string(info.caption) + " takes Y or N");
        }
        *SlotOf(editor, field).flag = value == "Y";
        return {};
    }
    default:
        break;
    }
    const std::size_t limit = field.kind == Desc45 ? kDesc45Limit : field.kind == Desc80 ? kDesc80Limit : 0;
    if (limit != 0 && OneLine(text).size() > limit) {
        return store::MakeError(store::ErrorKind::Usage,
                                std::string(info.caption) + " takes at most " + std::to_string(limit) +
                                    " characters");
    }
    const auto slot = SlotOf(editor, field);
    if (slot.text != nullptr) {
        *slot.text = codePage.FromWide(OneLine(text));
    } else if (slot.lines != nullptr) {
        slot.lines->clear();
        for (const std::u16string& line : SplitLines(text)) {
            slot.lines->push_back(codePage.FromWide(line));
        }
    } else if (slot.wide != nullptr) {
        *slot.wide = OneLine(text);
    } else if (slot.wideLines != nullptr) {
        *slot.wideLines = SplitLines(text);
    } else {
        return store::MakeError(store::ErrorKind::NotFound, "No such field: " + std::string(info.name));
    }
    return {};
}

} // namespace listrider::catalogue
