// The fixed settings of every HTTP client of the program, and the clients of the connection test
// and the link validator.
#pragma once

#include <memory>
#include <string>
#include <string_view>

#include "net/completion.h"
#include "net/http_client.h"
#include "store/prefs.h"

namespace listrider::engine {

inline constexpr std::string_view kHttpAccept =
    "image/gif, image/x-xbitmap, image/jpeg, image/pjpeg, "
    "application/x-shockwave-flash, application/x-gsarcade-launch, */*";
inline constexpr std::string_view kHttpAcceptLanguage = "en";
inline constexpr std::string_view kHttpAgent =
    "Mozilla/4.0 (compatible; MSIE 6.0; Windows NT 5.1; .NET CLR 1.0.3705)";
inline constexpr std::string_view kFormContentType = "application/x-www-form-urlencoded";

/// The HTTP proxy of the preferences.
struct ProxySettings
{
    std::string host; ///< empty: direct connections
    std::string port;
    std::string user; ///< sent only when the proxy asks for authentication
    std::string password;
};

/// Returns the HTTP proxy of the preferences; the login is taken only when Proxy_Auth is on.
ProxySettings HttpProxyFromPrefs(const store::Prefs& prefs);

/// Returns fresh request options with the fixed settings: Accept, Accept-Language, User-Agent,
/// the form content type, no-cache, and an empty cookie, referrer and URL.
net::HttpRequestOptions FixedHttpOptions();

/// Applies the proxy to request options.
void ApplyProxy(const ProxySettings& proxy, net::HttpRequestOptions& options);

/// What the connection test learns from its client.
struct ScriptClientState
{
    net::Completion done;
    int errorCode = 0; ///< 0 when the last request completed without an error
};

/// Replaces the connection test's client by a new one with the fixed settings whose request-done
/// event records the error code and sets the completion.
void RecreateHTTPScript(std::unique_ptr<net::HttpClient>& client,
                        std::shared_ptr<net::HttpConnectionPool> pool,
                        ScriptClientState& state);

/// What the link validator learns from its client during one check.
struct LinksClientState
{
    std::string lastLocation; ///< the last redirect target
};

/// Replaces the link validator's client by a new one with the fixed settings: every cookie part
/// is appended to its cookie text, every redirect target recorded.
void RecreateHTTPLinks(std::unique_ptr<net::HttpClient>& client,
                       std::shared_ptr<net::HttpConnectionPool> pool,
                       LinksClientState& state);

/// Returns the cookie text with the name and value of a Set-Cookie value added the way the
/// main client does it: once, unless the text already contains it (ASCII case ignored).
std::string AddCookieOnce(std::string_view cookieText, std::string_view setCookie);

/// Returns the cookie text with the name and value of a Set-Cookie value appended, always.
std::string AddCookieAlways(std::string_view cookieText, std::string_view setCookie);

} // namespace listrider::engine
