// The check flags: "on" when the product has the property, so that a site's check box is sent
// only when it applies.
#include "engine/macro_families.h"
#include "store/ascii.h"

namespace listrider::engine {
namespace {

struct ContainsFlag
{
    std::string_view name;
    std::string_view part;
};

constexpr ContainsFlag kLanguageFlags[] = {
    {"ChkEnglish", "English"},
    {"ChkGerman", "German"},
    {"ChkFrench", "French"},
    {"ChkSpanish", "Spanish"},
    {"ChkItalian", "Italian"},
    {"ChkRussian", "Russian"},
    {"ChkJapanese", "Japan"},
    {"ChkChineseS", "Chinese S"},
    {"ChkChineseT", "Chinese T"},
};

constexpr ContainsFlag kOsFlags[] = {
    {"ChkW95", "95"},
    {"ChkW98", "98"},
    {"ChkWME", "ME"},
    {"ChkWXP", "XP"},
    {"ChkW2000", "2000"},
    {"ChkW2003", "2003"},
    {"ChkWCE", "CE"},
    {"ChkW31", "3.1x"},
    {"ChkWNT3x", "3.x"},
    {"ChkWNT4x", "4.x"},
    {"ChkPalm10", "Palm OS 1.0"},
    {"ChkPalm20", "Palm OS 2.0"},
    {"ChkPalm21", "Palm OS 2.1"},
    {"ChkPalm30", "Palm OS 3.0"},
    {"ChkPalm31", "Palm OS 3.1"},
    {"ChkPalm32", "Palm OS 3.2"},
    {"ChkPalm40", "Palm OS 4.0"},
    {"ChkPalm50", "Palm OS 5"},
    {"ChkPocket", "Pocket PC"},
    {"ChkSymbian", "Symbian"},
    {"ChkMac86k", "Mac 68k"},
    {"ChkMacPPC", "Mac PPC"},
    {"ChkMacOSX", "Mac OS X"},
    {"ChkMacOther", "Mac Other"},
    {"ChkUnix", "Unix"},
    {"ChkLinux", "Linux"},
    {"ChkMSDOS", "S-DOS"},
    {"ChkBEOS", "BEOS"},
    {"ChkOS2", "OS/2"},
    {"ChkOS2Warp", "OS/2 Warp"},
    {"ChkOS2Warp4", "OS/2 Warp 4"},
};

const char* On(bool condition)
{
    return condition ? "on" : "";
}

bool IsOneOf(std::string_view text, std::initializer_list<std::string_view> words, bool ignoreCase)
{
    for (std::string_view word : words) {
        if (ignoreCase ? store::EqualsNoCase(text, word) : text == word) {
            return true;
        }
    }
    return false;
}

bool HasCount(std::string_view count)
{
    return !count.empty() && count != "0";
}

} // namespace

void AddCheckFlagMacros(MacroTable& table, const catalogue::ProductValues& product)
{
    const catalogue::ProgramValues& program = product.program;
    const std::string& os = program.osList;
    for (const ContainsFlag& flag : kLanguageFlags) {
        table[std::string(flag.name)] = On(store::ContainsNoCase(program.languageList, flag.part));
    }
    for (const ContainsFlag& flag : kOsFlags) {
        table[std::string(flag.name)] = On(store::ContainsNoCase(os, flag.part));
    }
    auto any = [&](std::initializer_list<std::string_view> parts) {
        for (std::string_view part : parts) {
            if (store::ContainsNoCase(os, part)) {
                return true;
            }
        }
        return false;
    };
    table["ChkW9x"] = On(any({"95", "98"}));
    table["ChkWNT"] = On(any({"3.x", "4.x"}));
    table["ChkPalmOSAny"] = On(any({"Palm OS 1.0",
                                    "Palm OS 2.0",
                                    "Palm OS 2.1",
                                    "Palm OS 3.0",
                                    "Palm OS 3.1",
                                    "Palm OS 3.2",
                                    "Palm OS 4.0",
                                    "Palm OS 5"}));
    table["ChkMacAny"] = On(any({"Mac 68k", "Mac PPC", "Mac OS X", "Mac Other"}));

    table["ChkASPMember"] = On(product.aspMember == "Y");
    table["ChkTPAMember"] = On(product.tpaMember == "Y");
    table["ChkExpires"] = On(program.hasExpireInfo == "Y");
    table["ChkIncludesJAVA"] = On(program.includesJavaVm == "Y");
    table["ChkIncludesVB"] = On(program.includesVbRuntime == "Y");
    table["ChkIncludesDX"] = On(program.includesDirectX == "Y");

    const catalogue::AffiliateValues& affiliates = product.affiliates;
    table["ChkRegNow"] = On(!affiliates.regNowId.empty());
    table["ChkRegSoft"] = On(!affiliates.regSoftId.empty());
    table["ChkShareIt"] = On(!affiliates.shareItId.empty());
    table["ChkeSellerate"] = On(!affiliates.eSellerateId.empty());

    const std::string& type = program.type;
    table["ChkShareware"] = On(IsOneOf(type, {"Shareware", "Postcardware", "Crippleware"}, true));
    table["ChkDemo"] = On(IsOneOf(type, {"Commercial", "Demo"}, false));
    table["ChkFreeware"] = On(IsOneOf(type, {"Freeware", "Adware"}, false));

    table["ChkEDays"] = On(program.expireBasedOn == "Days" && HasCount(program.expireCount));
    table["ChkEUses"] = On(program.expireBasedOn == "Uses" && HasCount(program.expireCount));
    table["ChkEOther"] = On(store::ContainsNoCase(program.expireBasedOn, "Either"));
    table["ChkBeta"] = On(table["IsBeta"] == "Yes");
}

} // namespace listrider::engine
