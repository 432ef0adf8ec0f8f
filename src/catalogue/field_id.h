// The fields of the product editor, as validation, help and the front ends name them.
#pragma once

#include <compare>
#include <optional>
#include <span>
#include <string_view>

namespace listrider::catalogue {

/// Every field of the product editor.
enum class FieldKind
{
    // "Program"
    ProgramName,
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
    IncludesJavaVm,
    IncludesVbRuntime,
    IncludesDirectX,
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
    // "Additional"
    ChangeInfo,
    Awards,
    Permissions,
    Eula,
    // descriptions, on every language tab
    Keywords,
    Desc45,
    Desc80,
    Desc250,
    Desc450,
    Desc2000,
    // "Author and Company"
    CompanyName,
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
    AspMember,
    AspMemberNumber,
    TpaMember,
    TpaMemberId,
    // "URL and File"
    InfoUrl,
    OrderUrl,
    ScreenshotUrl,
    SmallScreenshotUrl,
    IconUrl,
    PadUrl,
    PrimaryDownloadUrl,
    SecondaryDownloadUrl,
    AdditionalDownloadUrl1,
    AdditionalDownloadUrl2,
    UploadFileLocation,
    UploadPadLocation,
    UploadIconLocation,
    UploadScreenshotLocation,
    // "Category"
    PadSpecificCategory,
    PadCategories,
    CategoryClass,
    FastCategory,
    // "Affiliates" and "Back link"
    RegNowId,
    RegNowCommission,
    RegSoftId,
    RegSoftCommission,
    ShareItId,
    ShareItCompanyId,
    ShareItCommission,
    ESellerateCompanyId,
    ESellerateId,
    ESellerateCommission,
    LinksPage,
    // registration codes
    RegistrationKind,
    SingleCode,
    RegistrationName,
    RegistrationCode,
    ComplexCode,
    WinPicksCode,
    FDepotCode,
    // "Accounts"
    DefaultLogin,
    DefaultEmailLogin,
    DefaultPassword,
};

/// A field of the editor: its kind and, for the description fields, the language tab
/// (0 English, 1.. the further languages in tab order).
struct FieldId
{
    FieldKind kind = FieldKind::ProgramName;
    int language = 0;

    friend auto operator<=>(const FieldId&, const FieldId&) = default;
};

/// How a field holds its value.
enum class FieldShape
{
    Text,         ///< one line
    Lines,        ///< a multi-line memo
    Choice,       ///< an entry of a fixed list
    Flag,         ///< a check box, "Y" or "N"
    OsList,       ///< the ticked operating systems
    LanguageList, ///< the ticked languages
};

/// What the program knows about a field kind.
struct FieldInfo
{
    FieldKind kind;
    std::string_view name;    ///< the tag of its store (Program_Version ...), used by the front ends
    std::string_view caption; ///< the editor's label ("Version:")
    FieldShape shape;
};

/// Returns every field kind in editor order.
std::span<const FieldInfo> FieldInfos();

/// Returns the information of a field kind.
const FieldInfo& InfoOf(FieldKind kind);

/// Returns the kind whose name is the text (ASCII case ignored), or nothing.
std::optional<FieldKind> FieldKindByName(std::string_view name);

/// Returns whether the kind is one of the six description fields of a language tab.
bool IsDescriptionField(FieldKind kind);

} // namespace listrider::catalogue
