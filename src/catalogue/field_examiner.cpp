#include "catalogue/field_examiner.h"

#include "catalogue/field_rules.h"

namespace listrider::catalogue {
namespace {

using enum FieldKind;

void Append(std::vector<FieldId>& fields, std::initializer_list<FieldKind> kinds, int language = 0)
{
    for (const FieldKind kind : kinds) {
        fields.push_back({kind, language});
    }
}

} // namespace

bool ExamineField(ProductEditor& editor, const FieldId& field, bool fullValidation)
{
    std::string message = CheckField(editor, field);
    FaultyFields& faults = editor.faults;
    if (message.empty()) {
        faults.DeleteFlashingField(field);
        return true;
    }
    if ((!faults.CheckIfExists(field) && !faults.typing) || fullValidation) {
        faults.AddFlashingField(field);
    }
    faults.SetMessage(field, std::move(message));
    return false;
}

std::vector<FieldId> FieldsToValidate(const ProductEditor& editor, ValidationKind kind)
{
    std::vector<FieldId> fields;
    Append(fields,
           {ProgramName,
            LinksPage,
            Version,
            Type,
            ReleaseStatus,
            InstallSupport,
            ReleaseDay,
            ReleaseMonth,
            ReleaseYear,
            PriceDollars,
            PriceOther,
            Currency,
            HasExpireInfo,
            ExpireCount,
            ExpireBasedOn,
            ExpireDay,
            ExpireMonth,
            ExpireYear,
            ExpireOtherInfo,
            FilenameGeneric,
            FilenameLong,
            FilenameVersioned,
            FilenamePrevious,
            SizeBytes,
            SizeK,
            SizeMb,
            OsSupport,
            Languages,
            SystemRequirements,
            Limitations,
            ChangeInfo,
            Awards,
            Permissions,
            Eula});
    const std::initializer_list<FieldKind> descriptions = {
        Keywords, Desc45, Desc80, Desc250, Desc450, Desc2000};
    Append(fields, descriptions, 0);
    for (std::size_t i = 0; i < editor.product.descriptions.others.size(); ++i) {
        Append(fields, descriptions, static_cast<int>(i) + 1);
    }
    Append(fields,
           {CompanyName,
            Address1,
            Address2,
            City,
            State,
            Zip,
            Country,
            CompanyUrl,
            ContactFirstName,
            ContactLastName,
            ContactEmail,
            AuthorFirstName,
            AuthorLastName,
            AuthorEmail,
            GeneralEmail,
            SupportEmail,
            SalesEmail,
            GeneralPhone,
            SupportPhone,
            SalesPhone,
            FaxPhone,
            AspMemberNumber,
            TpaMemberId,
            InfoUrl,
            OrderUrl,
            ScreenshotUrl,
            IconUrl,
            PadUrl,
            PrimaryDownloadUrl,
            SecondaryDownloadUrl,
            AdditionalDownloadUrl1,
            AdditionalDownloadUrl2});
    if (kind == ValidationKind::Submission) {
        Append(fields, {UploadFileLocation, UploadPadLocation});
    }
    Append(fields,
           {UploadIconLocation,
            UploadScreenshotLocation,
            RegNowId,
            RegSoftId,
            ShareItId,
            ShareItCompanyId,
            ESellerateCompanyId,
            DefaultLogin,
            DefaultPassword,
            PadSpecificCategory,
            PadCategories,
            CategoryClass,
            SmallScreenshotUrl});
    return fields;
}

bool ExamineErrors(ProductEditor& editor, ValidationKind kind)
{
    editor.faults.Clear();
    for (const FieldId& field : FieldsToValidate(editor, kind)) {
        ExamineField(editor, field, true);
    }
    editor.faults.flashing = true;
    return editor.faults.Empty();
}

void FieldLeft(ProductEditor& editor, const FieldId& field)
{
    editor.faults.typing = false;
    ExamineField(editor, field);
    if (!editor.faults.Empty()) {
        editor.faults.flashing = true;
    }
}

void FieldChanged(ProductEditor& editor, const FieldId& field)
{
    editor.modified = true;
    switch (field.kind) {
    case Version:
        editor.versionChanged = true;
        break;
    case RegNowId:
    case RegSoftId:
    case ShareItId:
    case ShareItCompanyId:
    case ESellerateCompanyId:
    case ESellerateId:
    case RegNowCommission:
    case RegSoftCommission:
    case ShareItCommission:
    case ESellerateCommission:
        ApplyAffiliateSupportRule(editor.product.affiliates);
        break;
    case SingleCode:
        SelectKindByTyping(editor.product.registration, CodeField::SingleCode);
        break;
    case RegistrationName:
        SelectKindByTyping(editor.product.registration, CodeField::RegistrationName);
        break;
    case RegistrationCode:
        SelectKindByTyping(editor.product.registration, CodeField::RegistrationCode);
        break;
    case ComplexCode:
        SelectKindByTyping(editor.product.registration, CodeField::ComplexCode);
        break;
    default:
        break;
    }
    if (!editor.faults.Message(field).empty()) {
        editor.faults.typing = true;
        ExamineField(editor, field);
    }
}

} // namespace listrider::catalogue
