#include "store/prefs.h"

#include <charconv>
#include <optional>
#include <variant>

#include "store/ascii.h"
#include "store/file_io.h"
#include "store/file_system.h"
#include "store/system_proxy.h"
#include "store/tag_document.h"
#include "store/workspace.h"

namespace listrider::store {
namespace {

namespace fs = std::filesystem;

using TextField = std::string Prefs::*;
using FlagField = bool Prefs::*;
using IntField = int Prefs::*;

// Binds a tag of Prefs.ini to its setting.
struct PrefKey
{
    const char* tag;
    std::variant<TextField, FlagField, IntField> field;
    bool secret = false;
};

// The written tags, in file order.
const std::vector<PrefKey>& WrittenKeys()
{
    static const std::vector<PrefKey> keys = {
        {"Do_Not_Use_SMTP", &Prefs::doNotUseSmtp},
        {"SMTP_Server", &Prefs::smtpServer},
        {"SMTP_Port", &Prefs::smtpPort},
        {"SMTP_Auth", &Prefs::smtpAuth},
        {"SMTP_Login", &Prefs::smtpLogin},
        {"SMTP_Password", &Prefs::smtpPassword, true},
        {"Proxy_Server", &Prefs::proxyServer},
        {"Proxy_Port", &Prefs::proxyPort},
        {"Proxy_Auth", &Prefs::proxyAuth},
        {"Proxy_User", &Prefs::proxyUser},
        {"Proxy_Password", &Prefs::proxyPassword, true},
        {"FTPProxy_Server", &Prefs::ftpProxyServer},
        {"FTPProxy_Port", &Prefs::ftpProxyPort},
        {"FTPProxy_Auth", &Prefs::ftpProxyAuth},
        {"FTPProxy_User", &Prefs::ftpProxyUser},
        {"FTPProxy_Password", &Prefs::ftpProxyPassword, true},
        {"Quick_Tips", &Prefs::quickTips},
        {"Popup_Tips", &Prefs::popupTips},
        {"HTTP_Expire", &Prefs::httpExpire},
        {"Upload_FTP_Host", &Prefs::uploadFtpHost},
        {"Upload_FTP_Port", &Prefs::uploadFtpPort},
        {"Upload_FTP_User", &Prefs::uploadFtpUser},
        {"Upload_FTP_Password", &Prefs::uploadFtpPassword, true},
        {"Upload_FTP_LowerCase", &Prefs::uploadFtpLowerCase},
        {"Upload_FTP_Passive", &Prefs::uploadFtpPassive},
        {"Upload_FTP_Dir", &Prefs::uploadFtpDir},
        {"Skip_Update_Report", &Prefs::skipUpdateReport},
        {"Update_On_Start", &Prefs::updateOnStart},
        {"Validate_Links", &Prefs::validateLinks},
        {"Hide_UnSuitable", &Prefs::hideUnSuitable},
        {"Autocheck", &Prefs::autocheck},
        {"Play_Sound", &Prefs::playSound},
        {"XML_Dir", &Prefs::xmlDir},
        {"Icon_Dir", &Prefs::iconDir},
        {"Shot_Dir", &Prefs::shotDir},
        {"EXE_Dir", &Prefs::exeDir},
    };
    return keys;
}

// A hand-edited time-out of 0, a negative or an absurd number would make every request of a run
// time out at once or never; only what the dialog allows is kept.
std::optional<int> ReadHttpExpire(std::string_view text)
{
    while (!text.empty() && text.front() == ' ') {
        text.remove_prefix(1);
    }
    while (!text.empty() && text.back() == ' ') {
        text.remove_suffix(1);
    }
    int value = 0;
    const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (text.empty() || ec != std::errc() || end != text.data() + text.size() || value < 1 || value > 999) {
        return std::nullopt;
    }
    return value;
}

std::string ValueText(const Prefs& prefs, const PrefKey& key)
{
    if (const auto* text = std::get_if<TextField>(&key.field)) {
        return prefs.**text;
    }
    if (const auto* flag = std::get_if<FlagField>(&key.field)) {
        return std::string(FlagWord(prefs.**flag, kYnFlags));
    }
    return std::to_string(prefs.*std::get<IntField>(key.field));
}

// Splits "host:port" at the first ':'; false when there is none.
bool SplitHostPort(std::string_view text, std::string& host, std::string& port)
{
    const std::size_t colon = text.find(':');
    if (colon == std::string_view::npos) {
        return false;
    }
    host = std::string(text.substr(0, colon));
    port = std::string(text.substr(colon + 1));
    return true;
}

} // namespace

Prefs DefaultPrefs(std::string_view workspaceText)
{
    Prefs prefs;
    prefs.xmlDir = prefs.iconDir = prefs.shotDir = prefs.exeDir = std::string(workspaceText);
    return prefs;
}

void ApplyPrefsLines(LineSpan lines, Prefs& prefs)
{
    const ElementReader reader(lines);
    for (const PrefKey& key : WrittenKeys()) {
        const std::optional<std::string> value = reader.Find(key.tag);
        if (!value) {
            continue;
        }
        if (const auto* text = std::get_if<TextField>(&key.field)) {
            prefs.** text = *value;
        } else if (const auto* flag = std::get_if<FlagField>(&key.field)) {
            prefs.** flag = ReadFlag(*value, kYnFlags);
        } else {
            prefs.*std::get<IntField>(key.field) = ReadHttpExpire(*value).value_or(kDefaultHttpExpire);
        }
    }
    if (std::optional<std::string> hints = reader.Find("Hints")) {
        prefs.hints = std::move(*hints);
    }
    // SMTP_Auth_Method is recognised and ignored: the method is chosen from the server's list.
}

LineList PrefsLines(const Prefs& prefs)
{
    TagWriter writer;
    for (const PrefKey& key : WrittenKeys()) {
        writer.Element(key.tag, ValueText(prefs, key));
    }
    return writer.Lines();
}

LoadedPrefs LoadINI(const fs::path& workspace)
{
    LoadedPrefs loaded;
    loaded.prefs = DefaultPrefs(WorkspaceText(workspace));
    const fs::path file = ResolveNoCase(workspace, kPrefsFile);
    std::error_code ec;
    if (!fs::is_regular_file(file, ec)) {
        return loaded;
    }
    loaded.found = true;
    ApplyPrefsLines(LoadLines(file), loaded.prefs);
    loaded.prefs.blacklist = LoadLines(ResolveNoCase(workspace, kBlacklistFile)).ToStrings();
    return loaded;
}

Result<void> SaveINI(const fs::path& workspace, const Prefs& prefs)
{
    if (Result<void> saved =
            SaveLines(ResolveNoCase(workspace, kPrefsFile), PrefsLines(prefs), FileAccess::Private);
        !saved) {
        return saved;
    }
    return SaveLines(ResolveNoCase(workspace, kBlacklistFile), prefs.blacklist);
}

std::vector<PrefEntry> ListPrefs(const Prefs& prefs)
{
    std::vector<PrefEntry> entries;
    for (const PrefKey& key : WrittenKeys()) {
        entries.push_back({key.tag, ValueText(prefs, key), key.secret});
    }
    return entries;
}

Result<void> SetPref(Prefs& prefs, std::string_view tag, std::string_view value)
{
    for (const PrefKey& key : WrittenKeys()) {
        if (!EqualsNoCase(key.tag, tag)) {
            continue;
        }
        if (const auto* text = std::get_if<TextField>(&key.field)) {
            prefs.** text = std::string(value);
        } else if (const auto* flag = std::get_if<FlagField>(&key.field)) {
            if (!EqualsNoCase(value, "Y") && !EqualsNoCase(value, "N")) {
                return MakeError(
                    ErrorKind::Usage, std::string(key.tag) + " takes Y or N", std::string(value));
            }
            prefs.** flag = EqualsNoCase(value, "Y");
        } else {
            const std::optional<int> seconds = ReadHttpExpire(value);
            if (!seconds) {
                return MakeError(ErrorKind::Usage,
                                 std::string(key.tag) + " takes a number from 1 to 999",
                                 std::string(value));
            }
            prefs.*std::get<IntField>(key.field) = *seconds;
        }
        return {};
    }
    return MakeError(ErrorKind::NotFound, "unknown preference", std::string(tag));
}

bool DetectHttpProxy(std::string_view proxyServerSetting, Prefs& prefs)
{
    return SplitHostPort(HttpProxyFromSystem(proxyServerSetting), prefs.proxyServer, prefs.proxyPort);
}

bool DetectFtpProxy(std::string_view proxyServerSetting, Prefs& prefs)
{
    return SplitHostPort(FtpProxyFromSystem(proxyServerSetting), prefs.ftpProxyServer, prefs.ftpProxyPort);
}

} // namespace listrider::store
