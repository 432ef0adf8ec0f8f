// Program, release, file and date values.
#include "engine/macro_families.h"
#include "store/ascii.h"
#include "store/text_helpers.h"
#include "store/web_encoding.h"

namespace listrider::engine {
namespace {

constexpr std::string_view kAlwaysEmpty[] = {"ReceivedAwards",
                                             "IsNew",
                                             "IsUpdate",
                                             "UpdateBool",
                                             "WebAtPrice",
                                             "Add-Update-StuffAll",
                                             "Add-Update-ABCdatos",
                                             "Add-Update-Slaughter",
                                             "Add-Update-GrassHeap",
                                             "Add-Update-Rad"};

std::string ReplaceAll(std::string_view text, char from, std::string_view to)
{
    std::string result;
    for (const char c : text) {
        if (c == from) {
            result += to;
        } else {
            result.push_back(c);
        }
    }
    return result;
}

std::string WithoutChars(std::string_view text, std::string_view drop)
{
    std::string result;
    for (const char c : text) {
        if (drop.find(c) == std::string_view::npos) {
            result.push_back(c);
        }
    }
    return result;
}

// The first of the file names that is set; last the file part of the primary download URL.
std::string GeneralFileName(const catalogue::ProductValues& product)
{
    const catalogue::ProgramValues& program = product.program;
    for (const std::string* name :
         {&program.filenameGeneric, &program.filenameVersioned, &program.filenameLong}) {
        if (!name->empty()) {
            return *name;
        }
    }
    const std::string& url = product.web.urls.primaryDownloadUrl;
    const std::size_t slash = url.rfind('/');
    return slash == std::string::npos ? url : url.substr(slash + 1);
}

} // namespace

std::string Head(std::string_view text, std::size_t count)
{
    return std::string(text.substr(0, count));
}

std::string WithoutLeadingZero(std::string_view text)
{
    if (text.size() == 2 && text[0] == '0') {
        return std::string(text.substr(1));
    }
    return std::string(text);
}

std::string TwoDigits(int value)
{
    return (value < 10 ? "0" : "") + std::to_string(value);
}

void AddProgramMacros(MacroTable& table,
                      const catalogue::ProductValues& product,
                      const store::CivilDate& today)
{
    const catalogue::ProgramValues& program = product.program;
    const std::string& name = program.name;
    table["ProgramName"] = name;
    table["ProgramNameFirstLetter"] = store::UpperCyrillic(Head(name, 1));
    table["ProgramName10"] = Head(name, 10);
    table["ProgramName20"] = Head(name, 20);
    table["ProgramName30"] = Head(name, 30);
    table["ProgramNameSpecial"] = store::UrlEncode(name, true);
    table["ProgramNameDefis"] = program.nameWithDashes;
    table["ProgramNameExact"] = ReplaceAll(name, ' ', " & ");
    table["ProgramVersion"] = program.version;
    table["ProgramType"] = program.type;
    table["SoftwareType"] = program.type;
    table["AdSupported"] = store::ContainsNoCase(program.type, "Adwar") ? "Yes" : "No";
    table["ReleaseStatus"] = program.releaseStatus;
    table["InstallSupport"] = program.installSupport;
    table["SysReq"] = program.systemRequirements.empty() ? "n/a" : program.systemRequirements;
    table["ProgramChangeInfo"] = program.changeInfo;
    table["EULA"] = program.eula;
    table["Permissions"] = program.permissions;
    table["OSSupport"] = program.osList;
    table["OSSupportShort"] = program.osShortList;
    table["ProgramLanguages"] = program.languageList;
    table["MainLanguage"] = program.mainLanguage;
    table["ExtraLanguagesWinSite"] = program.extraLanguages;
    table["GeneralFileName"] = GeneralFileName(product);
    table["SizeB"] = WithoutChars(program.fileSizeBytes, ".,");
    table["SizeK"] = program.fileSizeK;
    table["SizeM"] = program.fileSizeMb;

    table["ReleaseDD"] = program.releaseDay;
    table["ReleaseMM"] = program.releaseMonth;
    table["ReleaseD"] = WithoutLeadingZero(program.releaseDay);
    table["ReleaseM"] = WithoutLeadingZero(program.releaseMonth);
    table["ReleaseYY"] = program.releaseYear.size() > 2 ? program.releaseYear.substr(2, 2) : std::string();
    table["RMonth"] = program.releaseMonth;
    table["RYear"] = program.releaseYear;

    const std::string year = std::to_string(today.year);
    table["TodayD"] = std::to_string(today.day);
    table["TodayM"] = std::to_string(today.month);
    table["TodayDD"] = TwoDigits(today.day);
    table["TodayMM"] = TwoDigits(today.month);
    table["TodayY"] = year;
    table["TodayYear"] = year;
    table["TodayYY"] = TwoDigits(today.year % 100);
    table["IsBeta"] = "No";

    for (std::string_view empty : kAlwaysEmpty) {
        table[std::string(empty)].clear();
    }
}

} // namespace listrider::engine
