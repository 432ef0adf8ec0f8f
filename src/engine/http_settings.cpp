#include "engine/http_settings.h"

#include "store/ascii.h"

namespace listrider::engine {
namespace {

std::string_view CookiePart(std::string_view setCookie)
{
    return setCookie.substr(0, setCookie.find(';'));
}

} // namespace

ProxySettings HttpProxyFromPrefs(const store::Prefs& prefs)
{
    ProxySettings proxy{prefs.proxyServer, prefs.proxyPort, {}, {}};
    if (prefs.proxyAuth) {
        proxy.user = prefs.proxyUser;
        proxy.password = prefs.proxyPassword;
    }
    return proxy;
}

net::HttpRequestOptions FixedHttpOptions()
{
    net::HttpRequestOptions options;
    options.accept = std::string(kHttpAccept);
    options.acceptLanguage = std::string(kHttpAcceptLanguage);
    options.agent = std::string(kHttpAgent);
    options.contentTypePost = std::string(kFormContentType);
    options.noCache = true;
    return options;
}

void ApplyProxy(const ProxySettings& proxy, net::HttpRequestOptions& options)
{
    options.proxy = proxy.host;
    options.proxyPort = proxy.port;
    options.proxyUsername = proxy.user;
    options.proxyPassword = proxy.password;
}

void RecreateHTTPScript(std::unique_ptr<net::HttpClient>& client,
                        std::shared_ptr<net::HttpConnectionPool> pool,
                        ScriptClientState& state)
{
    client.reset();
    client = std::make_unique<net::HttpClient>(std::move(pool));
    client->options = FixedHttpOptions();
    client->events.onRequestDone = [&state](const store::Result<void>& outcome) {
        state.errorCode = outcome ? 0 : 1 + static_cast<int>(outcome.GetError().kind);
        state.done.Set();
    };
}

void RecreateHTTPLinks(std::unique_ptr<net::HttpClient>& client,
                       std::shared_ptr<net::HttpConnectionPool> pool,
                       LinksClientState& state)
{
    client.reset();
    client = std::make_unique<net::HttpClient>(std::move(pool));
    client->options = FixedHttpOptions();
    net::HttpClient* raw = client.get();
    client->events.onCookie = [raw](std::string_view value) {
        raw->options.cookie = AddCookieAlways(raw->options.cookie, value);
    };
    client->events.onLocationChange = [&state](std::string& location) {
        state.lastLocation = location;
    };
}

std::string AddCookieOnce(std::string_view cookieText, std::string_view setCookie)
{
    const std::string_view part = CookiePart(setCookie);
    if (cookieText.empty()) {
        return std::string(part);
    }
    if (store::ContainsNoCase(cookieText, part)) {
        return std::string(cookieText);
    }
    return std::string(cookieText) + "; " + std::string(part);
}

std::string AddCookieAlways(std::string_view cookieText, std::string_view setCookie)
{
    const std::string_view part = CookiePart(setCookie);
    return cookieText.empty() ? std::string(part) : std::string(cookieText) + "; " + std::string(part);
}

} // namespace listrider::engine
