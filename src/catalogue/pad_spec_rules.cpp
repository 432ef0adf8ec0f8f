#include "catalogue/pad_spec_rules.h"

#include <algorithm>
#include <functional>
#include <map>

#include "catalogue/pad_spec_checks.h"
#include "catalogue/vocabularies.h"
#include "catalogue/xml_text.h"
#include "store/unicode.h"

namespace listrider::catalogue {
namespace {

using namespace detail;

std::vector<std::string_view> PadCurrencies()
{
    std::vector<std::string_view> codes;
    for (std::string_view code : CurrencyCodes()) {
        // The old Afghani code of the program's list is not one a validator takes.
        if (code != "AFA") {
            codes.push_back(code);
        }
    }
    return codes;
}

struct FieldRule
{
    std::string_view name;
    std::string path;
    std::string_view rule;
    Check check;
};

constexpr std::string_view kCompany = "XML_DIZ_INFO/Company_Info/";
constexpr std::string_view kProgram = "XML_DIZ_INFO/Program_Info/";
constexpr std::string_view kEnglish = "XML_DIZ_INFO/Program_Descriptions/English/";

std::string Under(std::string_view parent, std::string_view tail)
{
    return std::string(parent) + std::string(tail);
}

const std::vector<FieldRule>& Rules()
{
    static const std::vector<FieldRule> rules = [] {
        const std::u32string plain = U"<\t";
        const std::u32string singleLine = U"<\t\n\r";
        const auto address = [](char32_t c) {
            return IsAsciiLetter(c) || IsDigit(c) || IsLatinLetter(c) ||
                   std::u32string_view(U" .-,#/'").find(c) != Text::npos;
        };
        const auto state = [](char32_t c) {
            return IsAsciiLetter(c) || IsDigit(c) || IsLatinLetter(c) ||
                   std::u32string_view(U" .-,/").find(c) != Text::npos;
        };
        const auto country = [](char32_t c) {
            return IsAsciiLetter(c) || IsLatinLetter(c) || std::u32string_view(U" '-").find(c) != Text::npos;
        };
        const auto version = [](char32_t c) {
            return IsAsciiLetter(c) || IsDigit(c) || c == '_' || c == '.' || c == '-';
        };
        const std::vector<std::string_view> downloads = {
            "apk", "app", "bin", "com", "exe",  "dmg", "hqx", "gz",  "gzip", "jar", "msi", "rar",
            "sea", "sh",  "sis", "sit", "sitx", "tar", "taz", "tgx", "tgz",  "uu",  "z",   "zip"};
        static const std::vector<std::string_view> currencies = PadCurrencies();
        static constexpr std::string_view kUnits[] = {"Days", "Uses", "Either/Or"};
        std::vector<FieldRule> list = {
            {"MASTER_PAD_VERSION",
             "XML_DIZ_INFO/MASTER_PAD_VERSION_INFO/MASTER_PAD_VERSION",
             "Decimal major and minor version numbers with separator (.)",
             [](Text t) {
                 return t.size() >= 3 && IsDigit(t[0]) && t[1] != '\n' &&
                        std::all_of(t.begin() + 2, t.end(), IsDigit);
             }},
            {"MASTER_PAD_INFO",
             "XML_DIZ_INFO/MASTER_PAD_VERSION_INFO/MASTER_PAD_INFO",
             "Text string 0-1000 characters",
             FreeText(0, 1000, plain)},
            {"Company_Name",
             "XML_DIZ_INFO/Company_Info/Company_Name",
             "Text string 2-40 characters",
             FreeText(2, 40, plain)},
            {"Address_1",
             "XML_DIZ_INFO/Company_Info/Address_1",
             "Text string 0-40 characters",
             CharSet(0, 40, address)},
            {"Address_2",
             "XML_DIZ_INFO/Company_Info/Address_2",
             "Text string 0-40 characters",
             CharSet(0, 40, address)},
            {"City_Town",
             "XML_DIZ_INFO/Company_Info/City_Town",
             "Text string 2-40 characters",
             CharSet(2, 40, address)},
            {"State_Province",
             "XML_DIZ_INFO/Company_Info/State_Province",
             "Text string 0-30 characters",
             CharSet(0, 30, state)},
            {"Zip_Postal_Code",
             "XML_DIZ_INFO/Company_Info/Zip_Postal_Code",
             "Text string 0-20 characters",
             FreeText(0, 20, plain)},
            {"Country",
             "XML_DIZ_INFO/Company_Info/Country",
             "Text string 2-40 alphabetic",
             CharSet(2, 40, country)},
            {"Company_WebSite_URL",
             "XML_DIZ_INFO/Company_Info/Company_WebSite_URL",
             "URL http:// + 2-70 characters",
             Url({"http://"}, 2, 70, {}, false)},
        };
        const struct
        {
            std::string_view name;
            std::string_view path;
        } people[] = {
            {"Author_First_Name", "Contact_Info/Author_First_Name"},
            {"Author_Last_Name", "Contact_Info/Author_Last_Name"},
            {"Contact_First_Name", "Contact_Info/Contact_First_Name"},
            {"Contact_Last_Name", "Contact_Info/Contact_Last_Name"},
        };
        auto companyPath = [](std::string_view tail) {
            return Under(kCompany, tail);
        };
        for (const auto& person : people) {
            list.push_back({person.name,
                            companyPath(person.path),
                            "Text string 2-30 characters",
                            FreeText(2, 30, plain)});
        }
        for (const auto& [name, tail] : {std::pair{"Author_Email", "Contact_Info/Author_Email"},
                                         std::pair{"Contact_Email", "Contact_Info/Contact_Email"},
                                         std::pair{"Sales_Email", "Support_Info/Sales_Email"},
                                         std::pair{"Support_Email", "Support_Info/Support_Email"},
                                         std::pair{"General_Email", "Support_Info/General_Email"}}) {
            list.push_back({name, companyPath(tail), "Email address 2-30@2-20.2-20 characters", Email});
        }
        for (const auto& [name, tail] : {std::pair{"Sales_Phone", "Support_Info/Sales_Phone"},
                                         std::pair{"Support_Phone", "Support_Info/Support_Phone"},
                                         std::pair{"General_Phone", "Support_Info/General_Phone"},
                                         std::pair{"Fax_Phone", "Support_Info/Fax_Phone"}}) {
            list.push_back({name,
                            companyPath(tail),
                            "Numeric with punctuations (allowed: #*()-/_) 7-40 characters",
                            Phone});
        }
        auto programPath = [](std::string_view tail) {
            return Under(kProgram, tail);
        };
        const std::vector<FieldRule> programRules = {
            {"Program_Name",
             programPath("Program_Name"),
             "Text string 1-40 characters",
             FreeText(1, 40, plain)},
            {"Program_Version",
             programPath("Program_Version"),
             "Alphanumeric with punctuations (allowed: ._-) 1-15 characters",
             CharSet(1, 15, version)},
            {"Program_Release_Month",
             programPath("Program_Release_Month"),
             "2 digits 01-12",
             [](Text t) {
                 return TwoDigitRange(t, 1, 12);
             }},
            {"Program_Release_Day",
             programPath("Program_Release_Day"),
             "2 digits 01-31",
             [](Text t) {
                 return TwoDigitRange(t, 1, 31);
             }},
            {"Program_Release_Year", programPath("Program_Release_Year"), "4 digits 1900-2199", Year},
            {"Program_Cost_Dollars",
             programPath("Program_Cost_Dollars"),
             "Numeric with \".\" as decimal separator",
             Price},
            {"Program_Cost_Other_Code",
             programPath("Program_Cost_Other_Code"),
             "Three letter currency code, must be selected from list",
             Choice(currencies, true)},
            {"Program_Cost_Other",
             programPath("Program_Cost_Other"),
             "Numeric with \".\" as decimal separator",
             Price},
            {"Program_Type",
             programPath("Program_Type"),
             "Program type identifier, must be selected from list",
             Choice(ProgramTypes(), false)},
            {"Program_Release_Status",
             programPath("Program_Release_Status"),
             "Release status identifier, must be selected from list",
             Choice(ReleaseStatuses(), false)},
            {"Program_Install_Support",
             programPath("Program_Install_Support"),
             "Install support identifier, must be selected from list",
             Choice(InstallSupports(), false)},
            {"Program_OS_Support",
             programPath("Program_OS_Support"),
             "Operating system identifiers, must be selected from list",
             [](Text t) {
                 return WordSequence(t, PadSpecOperatingSystems(), U", ", false);
             }},
            {"Program_Language",
             programPath("Program_Language"),
             "Language identifiers, must be selected from list",
             [](Text t) {
                 return WordSequence(t, PadSpecLanguages(), U",", true);
             }},
            {"File_Size_Bytes",
             programPath("File_Info/File_Size_Bytes"),
             "Numerical 3-16 digits",
             CharSet(3, 16, IsDigit)},
            {"File_Size_K",
             programPath("File_Info/File_Size_K"),
             "Numerical 1-12 digits",
             CharSet(1, 12, [](char32_t c) { return IsDigit(c) || c == '.'; })},
            {"File_Size_MB",
             programPath("File_Info/File_Size_MB"),
             "Numerical 1-8 digits",
             CharSet(1, 8, [](char32_t c) { return IsDigit(c) || c == '.'; })},
            {"Has_Expire_Info",
             programPath("Expire_Info/Has_Expire_Info"),
             "Y, y, N, or n",
             [](Text t) {
                 return t.size() == 1 && Text(U"YyNn").find(t[0]) != Text::npos;
             }},
            {"Expire_Count",
             programPath("Expire_Info/Expire_Count"),
             "Numerical 0-15 digits",
             CharSet(0, 15, IsDigit)},
            {"Expire_Based_On",
             programPath("Expire_Info/Expire_Based_On"),
             "Expiration type identifier, must be selected from list",
             Choice(kUnits, true)},
            {"Expire_Other_Info",
             programPath("Expire_Info/Expire_Other_Info"),
             "Text string 0-100 characters",
             FreeText(0, 100, plain)},
            {"Expire_Month",
             programPath("Expire_Info/Expire_Month"),
             "Numeric 2 digits",
             [](Text t) {
                 return t.empty() || TwoDigitRange(t, 1, 12);
             }},
            {"Expire_Day",
             programPath("Expire_Info/Expire_Day"),
             "Numeric 2 digits",
             [](Text t) {
                 return t.empty() || TwoDigitRange(t, 1, 31);
             }},
            {"Expire_Year",
             programPath("Expire_Info/Expire_Year"),
             "Numeric 4 digits (1900-2199)",
             [](Text t) {
                 return t.empty() || Year(t);
             }},
            {"Program_Change_Info",
             programPath("Program_Change_Info"),
             "Text string 0-300 characters",
             FreeText(0, 300, plain)},
            {"Program_Category_Class",
             programPath("Program_Category_Class"),
             "Category class identifier, must be selected from list",
             Choice(CategoryClasses(), false)},
            {"Program_Specific_Category",
             programPath("Program_Specific_Category"),
             "Category identifier, must be selected from list",
             Choice(PadSpecificCategories(), true)},
            {"Program_System_Requirements",
             programPath("Program_System_Requirements"),
             "Text string 0-100 characters",
             FreeText(0, 100, plain)},
        };
        list.insert(list.end(), programRules.begin(), programRules.end());
        auto englishPath = [](std::string_view tail) {
            return Under(kEnglish, tail);
        };
        const std::vector<FieldRule> otherRules = {
            {"Keywords", englishPath("Keywords"), "Text string 0-250 characters", FreeText(0, 250, plain)},
            {"Char_Desc_45",
             englishPath("Char_Desc_45"),
             "Single line (no breaks, no HTML) text string 0-45 characters",
             FreeText(0, 45, singleLine)},
            {"Char_Desc_80",
             englishPath("Char_Desc_80"),
             "Single line (no breaks, no HTML) text string 0-80 characters",
             FreeText(0, 80, singleLine)},
            {"Char_Desc_250",
             englishPath("Char_Desc_250"),
             "Single line (no breaks, no HTML) text string 0-250 characters",
             FreeText(0, 250, singleLine)},
            {"Char_Desc_450",
             englishPath("Char_Desc_450"),
             "Single line (no breaks, no HTML) text string 0-450 characters",
             FreeText(0, 450, singleLine)},
            {"Char_Desc_2000",
             englishPath("Char_Desc_2000"),
             "Multiple lines (no HTML) text string 0-2000 characters",
             FreeText(0, 2000, U"<")},
            {"Application_Info_URL",
             "XML_DIZ_INFO/Web_Info/Application_URLs/Application_Info_URL",
             "URL http:// + 2-120 characters",
             Url({"http://"}, 2, 120, {}, false)},
            {"Application_Order_URL",
             "XML_DIZ_INFO/Web_Info/Application_URLs/Application_Order_URL",
             "URL http:// + 2-120 characters (https:// ok too)",
             Url({"http://", "https://"}, 2, 120, {}, true)},
            {"Application_Screenshot_URL",
             "XML_DIZ_INFO/Web_Info/Application_URLs/Application_Screenshot_URL",
             "URL http:// + 2-120 characters with extension gif, jpg, or png",
             Url({"http://"}, 2, 120, {"gif", "jpg", "png"}, false)},
            {"Application_Icon_URL",
             "XML_DIZ_INFO/Web_Info/Application_URLs/Application_Icon_URL",
             "URL http:// + 2-120 characters with extension gif, jpg, or png",
             Url({"http://"}, 2, 120, {"gif", "jpg", "png"}, false)},
            {"Application_XML_File_URL",
             "XML_DIZ_INFO/Web_Info/Application_URLs/Application_XML_File_URL",
             "URL http:// + 2-120 characters with extension xml",
             Url({"http://"}, 2, 120, {"xml", "cgi", "php", "asp"}, false)},
            {"Primary_Download_URL",
             "XML_DIZ_INFO/Web_Info/Download_URLs/Primary_Download_URL",
             "URL ftp or http:// + 2-120 characters with extension exe, zip, or other",
             Url({"http://", "ftp://"}, 2, 120, downloads, false)},
            {"Secondary_Download_URL",
             "XML_DIZ_INFO/Web_Info/Download_URLs/Secondary_Download_URL",
             "URL ftp or http:// + 2-120 characters type=exe, zip, or other",
             Url({"http://", "ftp://"}, 2, 120, downloads, true)},
            {"Additional_Download_URL_1",
             "XML_DIZ_INFO/Web_Info/Download_URLs/Additional_Download_URL_1",
             "URL ftp or http:// + 2-120 characters with extension exe, zip, or other",
             Url({"http://", "ftp://"}, 2, 120, downloads, true)},
            {"Additional_Download_URL_2",
             "XML_DIZ_INFO/Web_Info/Download_URLs/Additional_Download_URL_2",
             "URL ftp or http:// + 2-120 characters with extension exe, zip, or other",
             Url({"http://", "ftp://"}, 2, 120, downloads, true)},
            {"Distribution_Permissions",
             "XML_DIZ_INFO/Permissions/Distribution_Permissions",
             "Multiple lines (no HTML) text string 0-2000 characters",
             FreeText(0, 2000, U"<")},
            {"EULA",
             "XML_DIZ_INFO/Permissions/EULA",
             "Multiple lines (no HTML) text string 0-20000 characters",
             FreeText(0, 20000, U"<")},
        };
        list.insert(list.end(), otherRules.begin(), otherRules.end());
        return list;
    }();
    return rules;
}

std::string Utf8Of(Text text)
{
    std::string out;
    for (const char32_t c : text) {
        store::AppendUtf8(out, c);
    }
    return out;
}

} // namespace

std::vector<PadWarning> CheckPadConformance(const std::vector<PadLeaf>& leaves)
{
    std::map<std::string_view, std::string_view> values;
    for (const PadLeaf& leaf : leaves) {
        values.emplace(leaf.path, leaf.value);
    }
    std::vector<PadWarning> warnings;
    for (const FieldRule& rule : Rules()) {
        const auto it = values.find(rule.path);
        const std::string_view value = it == values.end() ? std::string_view() : it->second;
        const std::u32string text = DecodeUtf8(value);
        if (!rule.check(text)) {
            warnings.push_back(
                {std::string(rule.name), std::string(rule.path), Utf8Of(text), std::string(rule.rule)});
        }
    }
    return warnings;
}

std::vector<PadWarning> CheckPadConformance(std::string_view utf8Text)
{
    return CheckPadConformance(ScanXmlLeaves(utf8Text));
}

std::string PadSpecPath(std::string_view field)
{
    for (const FieldRule& rule : Rules()) {
        if (rule.name == field) {
            return rule.path;
        }
    }
    return {};
}

std::string DescribeWarning(const PadWarning& warning)
{
    return warning.field + ": a PAD validator expects " + warning.rule + " (value \"" + warning.value + "\")";
}

} // namespace listrider::catalogue
