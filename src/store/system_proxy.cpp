#include "store/system_proxy.h"

#include <cstdlib>

#include "store/ascii.h"

namespace listrider::store {
namespace {

// The text after the first "name=" up to the next ';', or nothing when the setting lacks it.
std::string ProtocolEntry(std::string_view setting, std::string_view name, bool& found)
{
    const std::size_t pos = FindNoCase(setting, name);
    found = pos != std::string_view::npos;
    if (!found) {
        return {};
    }
    const std::string_view rest = setting.substr(pos + name.size());
    return std::string(rest.substr(0, rest.find(';')));
}

std::string FromEnvironment(const char* lower, const char* upper)
{
    const char* value = std::getenv(lower);
    if (value == nullptr || *value == '\0') {
        value = std::getenv(upper);
    }
    if (value == nullptr) {
        return {};
    }
    std::string_view text(value);
    if (const std::size_t scheme = text.find("://"); scheme != std::string_view::npos) {
        text.remove_prefix(scheme + 3);
    }
    if (const std::size_t at = text.rfind('@'); at != std::string_view::npos) {
        text.remove_prefix(at + 1);
    }
    while (!text.empty() && text.back() == '/') {
        text.remove_suffix(1);
    }
    return std::string(text);
}

} // namespace

std::string HttpProxyFromSystem(std::string_view proxyServerSetting)
{
    if (proxyServerSetting.empty()) {
        return FromEnvironment("http_proxy", "HTTP_PROXY");
    }
    bool found = false;
    std::string entry = ProtocolEntry(proxyServerSetting, "http=", found);
    return found ? entry : std::string(proxyServerSetting);
}

std::string FtpProxyFromSystem(std::string_view proxyServerSetting)
{
    if (proxyServerSetting.empty()) {
        return FromEnvironment("ftp_proxy", "FTP_PROXY");
    }
    bool found = false;
    return ProtocolEntry(proxyServerSetting, "ftp=", found);
}

} // namespace listrider::store
