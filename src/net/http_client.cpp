#include "net/http_client.h"

#include <charconv>
#include <optional>
#include <vector>

#include "net/curl_context.h"
#include "store/ascii.h"

namespace listrider::net {

using store::ErrorKind;
using store::MakeError;

// The state of one hop of a request (the first request or a redirect).
struct HttpClient::Hop
{
    HttpClient* client = nullptr;
    int status = 0;
    std::string reason;
    std::string location;
    std::vector<std::string> cookies;
    bool headersDone = false;
    bool isRedirect = false;
};

namespace {

struct SlistDeleter
{
    void operator()(curl_slist* list) const { curl_slist_free_all(list); }
};

using Slist = std::unique_ptr<curl_slist, SlistDeleter>;

struct UrlDeleter
{
    void operator()(CURLU* url) const { curl_url_cleanup(url); }
};

void Append(Slist& list, const std::string& line)
{
    curl_slist* grown = curl_slist_append(list.get(), line.c_str());
    if (grown != nullptr) {
        list.release();
        list.reset(grown);
    }
}

std::string_view Trim(std::string_view text)
{
    while (!text.empty() && (text.front() == ' ' || text.front() == '\t')) {
        text.remove_prefix(1);
    }
    while (!text.empty() && (text.back() == '\r' || text.back() == '\n' || text.back() == ' ')) {
        text.remove_suffix(1);
    }
    return text;
}

bool IsRedirectStatus(int status)
{
    return status == 301 || status == 302 || status == 303 || status == 307 || status == 308;
}

// Returns the location resolved against the address it came from, or nothing.
std::optional<std::string> ResolveLocation(const std::string& base, std::string location)
{
    for (std::size_t pos = 0; (pos = location.find(' ', pos)) != std::string::npos;) {
        location.replace(pos, 1, "%20");
    }
    std::unique_ptr<CURLU, UrlDeleter> url(curl_url());
    if (url == nullptr || curl_url_set(url.get(), CURLUPART_URL, base.c_str(), 0) != CURLUE_OK ||
        curl_url_set(url.get(), CURLUPART_URL, location.c_str(), CURLU_NON_SUPPORT_SCHEME) != CURLUE_OK) {
        return std::nullopt;
    }
    char* full = nullptr;
    if (curl_url_get(url.get(), CURLUPART_URL, &full, 0) != CURLUE_OK) {
        return std::nullopt;
    }
    std::string text(full);
    curl_free(full);
    return text;
}

bool IsWebAddress(std::string_view url)
{
    return store::StartsWithNoCase(url, "http://") || store::StartsWithNoCase(url, "https://");
}

// Returns whether the address is an http or https URL with a host that libcurl can use.
bool IsUsableWebAddress(const std::string& url)
{
    if (!IsWebAddress(url)) {
        return false;
    }
    std::unique_ptr<CURLU, UrlDeleter> parsed(curl_url());
    char* host = nullptr;
    if (parsed == nullptr || curl_url_set(parsed.get(), CURLUPART_URL, url.c_str(), 0) != CURLUE_OK ||
        curl_url_get(parsed.get(), CURLUPART_HOST, &host, 0) != CURLUE_OK) {
        return false;
    }
    const bool hasHost = host != nullptr && host[0] != '\0';
    curl_free(host);
    return hasHost;
}

store::Error TransportError(CURLcode code, const char* detail)
{
    const std::string text = detail[0] != '\0' ? detail : curl_easy_strerror(code);
    switch (code) {
    case CURLE_COULDNT_CONNECT:
        return MakeError(ErrorKind::Refused, "Connection refused", text);
    case CURLE_COULDNT_RESOLVE_HOST:
    case CURLE_COULDNT_RESOLVE_PROXY:
        return MakeError(ErrorKind::NotFound, "Unknown host", text);
    case CURLE_OPERATION_TIMEDOUT:
        return MakeError(ErrorKind::Timeout, "Timed out", text);
    case CURLE_ABORTED_BY_CALLBACK:
        return MakeError(ErrorKind::Cancelled, "Request aborted", text);
    case CURLE_URL_MALFORMAT:
    case CURLE_UNSUPPORTED_PROTOCOL:
        return MakeError(ErrorKind::Malformed, "Invalid URL", text);
    default:
        return MakeError(ErrorKind::Io, "Connection failed", text);
    }
}

} // namespace

HttpClient::HttpClient(std::shared_ptr<HttpConnectionPool> pool)
    : m_pool(std::move(pool))
{
    detail::EnsureCurlInitialised();
}

HttpClient::~HttpClient()
{
    Abort();
    if (m_thread.joinable()) {
        m_thread.join();
    }
}

store::Result<void> HttpClient::GetAsync()
{
    return Start(Method::Get);
}

store::Result<void> HttpClient::PostAsync()
{
    return Start(Method::Post);
}

store::Result<void> HttpClient::Get()
{
    return Run(Method::Get);
}

store::Result<void> HttpClient::Post()
{
    return Run(Method::Post);
}

// Marks the client busy for a request that may start; fails when one is in progress or the
// address cannot be used.
store::Result<void> HttpClient::Claim()
{
    if (m_busy.exchange(true)) {
        return MakeError(ErrorKind::Usage, "Client busy", options.url);
    }
    if (m_thread.joinable()) {
        m_thread.join();
    }
    if (!IsUsableWebAddress(options.url)) {
        m_busy = false;
        m_reasonPhrase = "Invalid URL";
        return MakeError(ErrorKind::Malformed, "Invalid URL", options.url);
    }
    m_aborted = false;
    return {};
}

store::Result<void> HttpClient::Run(Method method)
{
    if (store::Result<void> claimed = Claim(); !claimed) {
        return claimed;
    }
    const store::Result<void> outcome = Perform(method);
    m_busy = false;
    if (events.onRequestDone) {
        events.onRequestDone(outcome);
    }
    return {};
}

store::Result<void> HttpClient::Start(Method method)
{
    if (store::Result<void> claimed = Claim(); !claimed) {
        return claimed;
    }
    m_thread = std::thread([this, method] {
        const store::Result<void> outcome = Perform(method);
        m_busy = false;
        if (events.onRequestDone) {
            events.onRequestDone(outcome);
        }
    });
    return {};
}

store::Result<void> HttpClient::Head()
{
    if (m_busy.exchange(true)) {
        return MakeError(ErrorKind::Usage, "Client busy", options.url);
    }
    if (m_thread.joinable()) {
        m_thread.join();
    }
    m_aborted = false;
    store::Result<void> outcome =
        IsWebAddress(options.url)
            ? Perform(Method::Head)
            : store::Result<void>(MakeError(ErrorKind::Malformed, "Invalid URL", options.url));
    m_busy = false;
    if (events.onRequestDone) {
        events.onRequestDone(outcome);
    }
    if (outcome && m_statusCode >= 400) {
        return MakeError(ErrorKind::HttpStatus, m_reasonPhrase, std::to_string(m_statusCode));
    }
    return outcome;
}

void HttpClient::Abort()
{
    m_aborted = true;
    Wake();
}

void HttpClient::Wake()
{
    std::lock_guard lock(m_wakeMutex);
    if (m_active != nullptr) {
        curl_multi_wakeup(m_active->multi);
    }
}

store::Result<void> HttpClient::Perform(Method method)
{
    m_statusCode = 0;
    m_reasonPhrase.clear();
    m_location.clear();
    m_truncated = false;
    m_docBegun = false;
    m_received = 0;

    detail::CurlContextPtr context;
    if (m_pool != nullptr) {
        context = m_pool->Acquire();
    } else {
        if (m_ownContext == nullptr) {
            m_ownContext = detail::MakeCurlContext();
        }
        context = std::move(m_ownContext);
    }
    if (context == nullptr) {
        return MakeError(ErrorKind::Internal, "Cannot create a transfer handle");
    }
    {
        std::lock_guard lock(m_wakeMutex);
        m_active = context.get();
    }
    const TransferSubscription subscription(m_control, [this] { Abort(); });

    std::string url = options.url;
    store::Result<void> outcome;
    for (int redirects = 0;; ++redirects) {
        Hop hop;
        hop.client = this;
        outcome = PerformHop(method, hop, url);
        if (!outcome || !hop.isRedirect) {
            break;
        }
        std::optional<std::string> next = ResolveLocation(url, hop.location);
        if (!next) {
            outcome = MakeError(ErrorKind::Malformed, "Invalid redirect", hop.location);
            break;
        }
        if (events.onLocationChange) {
            events.onLocationChange(*next);
        }
        m_location = *next;
        // A redirect loop or a jump to another scheme (file:, ftp: ...) ends the request
        // without a document.
        if (redirects + 1 > kMaxRedirects) {
            outcome = MakeError(ErrorKind::Malformed, "Too many redirects", m_location);
            break;
        }
        if (!IsUsableWebAddress(m_location)) {
            outcome = MakeError(ErrorKind::Unsupported, "Redirect to an unsupported address", m_location);
            break;
        }
        if (hop.status == 303 || (method == Method::Post && (hop.status == 301 || hop.status == 302))) {
            method = Method::Get;
        }
        url = m_location;
    }
    if (m_docBegun && events.onDocEnd) {
        events.onDocEnd();
    }
    {
        std::lock_guard lock(m_wakeMutex);
        m_active = nullptr;
    }
    if (m_pool != nullptr) {
        m_pool->Release(std::move(context));
    } else {
        m_ownContext = std::move(context);
    }
    return outcome;
}

store::Result<void> HttpClient::PerformHop(Method method, Hop& hop, const std::string& url)
{
    CURL* easy = m_active->easy;
    curl_easy_reset(easy);
    char errorText[CURL_ERROR_SIZE] = {};
    curl_easy_setopt(easy, CURLOPT_ERRORBUFFER, errorText);
    curl_easy_setopt(easy, CURLOPT_URL, url.c_str());
    curl_easy_setopt(easy, CURLOPT_HTTP_VERSION, static_cast<long>(CURL_HTTP_VERSION_1_1));
    curl_easy_setopt(easy, CURLOPT_NOSIGNAL, 1L);
    curl_easy_setopt(easy, CURLOPT_FOLLOWLOCATION, 0L);
    curl_easy_setopt(easy, CURLOPT_PROTOCOLS_STR, "http,https");
    curl_easy_setopt(easy, CURLOPT_SUPPRESS_CONNECT_HEADERS, 1L);

    // Exactly the configured headers: an empty value removes the one libcurl would add.
    Slist headers;
    Append(headers, "Accept:" + (options.accept.empty() ? "" : " " + options.accept));
    if (!options.acceptLanguage.empty()) {
        Append(headers, "Accept-Language: " + options.acceptLanguage);
    }
    Append(headers, "User-Agent:" + (options.agent.empty() ? "" : " " + options.agent));
    if (method == Method::Post) {
        Append(headers,
               "Content-Type:" + (options.contentTypePost.empty() ? "" : " " + options.contentTypePost));
    }
    if (!options.reference.empty()) {
        Append(headers, "Referer: " + options.reference);
    }
    if (!options.cookie.empty()) {
        Append(headers, "Cookie: " + options.cookie);
    }
    if (options.noCache) {
        Append(headers, "Pragma: no-cache");
    }
    Append(headers, "Expect:");
    Append(headers, "Proxy-Connection:");
    curl_easy_setopt(easy, CURLOPT_HTTPHEADER, headers.get());

    if (options.proxy.empty()) {
        curl_easy_setopt(easy, CURLOPT_PROXY, "");
    } else {
        curl_easy_setopt(easy, CURLOPT_PROXY, options.proxy.c_str());
        long port = 0;
        std::from_chars(options.proxyPort.data(), options.proxyPort.data() + options.proxyPort.size(), port);
        if (port > 0) {
            curl_easy_setopt(easy, CURLOPT_PROXYPORT, port);
        }
        if (!options.proxyUsername.empty()) {
            curl_easy_setopt(easy, CURLOPT_PROXYUSERNAME, options.proxyUsername.c_str());
            curl_easy_setopt(easy, CURLOPT_PROXYPASSWORD, options.proxyPassword.c_str());
        }
    }
    const std::string interface = "host!" + options.localAddr;
    if (!options.localAddr.empty() && options.localAddr != "0.0.0.0") {
        curl_easy_setopt(easy, CURLOPT_INTERFACE, interface.c_str());
    }

    switch (method) {
    case Method::Get:
        curl_easy_setopt(easy, CURLOPT_HTTPGET, 1L);
        break;
    case Method::Head:
        curl_easy_setopt(easy, CURLOPT_NOBODY, 1L);
        break;
    case Method::Post:
        m_sendOffset = 0;
        curl_easy_setopt(easy, CURLOPT_POST, 1L);
        curl_easy_setopt(
            easy, CURLOPT_POSTFIELDSIZE_LARGE, static_cast<curl_off_t>(options.sendStream.size()));
        curl_easy_setopt(easy, CURLOPT_READFUNCTION, &HttpClient::ReadCallback);
        curl_easy_setopt(easy, CURLOPT_READDATA, this);
        break;
    }
    curl_easy_setopt(easy, CURLOPT_HEADERFUNCTION, &HttpClient::HeaderCallback);
    curl_easy_setopt(easy, CURLOPT_HEADERDATA, &hop);
    curl_easy_setopt(easy, CURLOPT_WRITEFUNCTION, &HttpClient::WriteCallback);
    curl_easy_setopt(easy, CURLOPT_WRITEDATA, &hop);
    curl_easy_setopt(easy, CURLOPT_NOPROGRESS, 0L);
    curl_easy_setopt(easy, CURLOPT_XFERINFOFUNCTION, &HttpClient::ProgressCallback);
    curl_easy_setopt(easy, CURLOPT_XFERINFODATA, this);

    CURLM* multi = m_active->multi;
    curl_multi_add_handle(multi, easy);
    CURLcode result = CURLE_OK;
    bool done = false;
    while (!done) {
        if (m_aborted) {
            result = CURLE_ABORTED_BY_CALLBACK;
            break;
        }
        int running = 0;
        if (curl_multi_perform(multi, &running) != CURLM_OK) {
            result = CURLE_FAILED_INIT;
            break;
        }
        int queued = 0;
        while (CURLMsg* message = curl_multi_info_read(multi, &queued)) {
            if (message->msg == CURLMSG_DONE) {
                result = message->data.result;
                done = true;
            }
        }
        if (!done && !m_aborted) {
            curl_multi_poll(multi, nullptr, 0, 1000, nullptr);
        }
    }
    curl_multi_remove_handle(multi, easy);
    curl_easy_setopt(easy, CURLOPT_ERRORBUFFER, nullptr);

    if (m_aborted) {
        return MakeError(ErrorKind::Cancelled, "Request aborted", url);
    }
    if (m_truncated) {
        return MakeError(ErrorKind::Malformed, "Response too large", std::to_string(m_maxResponseBytes));
    }
    if (result != CURLE_OK) {
        return TransportError(result, errorText);
    }
    return {};
}

std::size_t HttpClient::HeaderCallback(char* data, std::size_t size, std::size_t count, void* user)
{
    auto& hop = *static_cast<Hop*>(user);
    HttpClient& client = *hop.client;
    const std::string_view line(data, size * count);
    if (line.starts_with("HTTP/")) {
        // A new status line: an interim answer (100 Continue) or the final one.
        hop = Hop();
        hop.client = &client;
        const std::size_t space = line.find(' ');
        if (space != std::string_view::npos) {
            const std::string_view rest = line.substr(space + 1);
            std::from_chars(rest.data(), rest.data() + rest.size(), hop.status);
            const std::size_t reason = rest.find(' ');
            hop.reason =
                reason == std::string_view::npos ? std::string() : std::string(Trim(rest.substr(reason)));
        }
        client.m_statusCode = hop.status;
        client.m_reasonPhrase = hop.reason;
        return line.size();
    }
    const std::string_view trimmed = Trim(line);
    if (trimmed.empty()) {
        if (hop.status >= 100 && hop.status < 200) {
            return line.size();
        }
        hop.headersDone = true;
        hop.isRedirect = IsRedirectStatus(hop.status) && !hop.location.empty();
        for (const std::string& cookie : hop.cookies) {
            if (client.events.onCookie) {
                client.events.onCookie(cookie);
            }
        }
        if (!hop.isRedirect && !client.m_docBegun) {
            client.m_docBegun = true;
            if (client.events.onDocBegin) {
                client.events.onDocBegin();
            }
        }
        return line.size();
    }
    const std::size_t colon = trimmed.find(':');
    if (colon != std::string_view::npos) {
        const std::string_view name = trimmed.substr(0, colon);
        const std::string_view value = Trim(trimmed.substr(colon + 1));
        if (store::EqualsNoCase(name, "Set-Cookie")) {
            hop.cookies.emplace_back(value);
        } else if (store::EqualsNoCase(name, "Location")) {
            hop.location = std::string(value);
        }
    }
    return line.size();
}

std::size_t HttpClient::WriteCallback(char* data, std::size_t size, std::size_t count, void* user)
{
    auto& hop = *static_cast<Hop*>(user);
    HttpClient& client = *hop.client;
    const std::size_t length = size * count;
    if (hop.isRedirect) {
        return length; // the body of a followed redirect is not the document
    }
    std::string_view bytes(data, length);
    const std::size_t room =
        client.m_maxResponseBytes - std::min(client.m_received, client.m_maxResponseBytes);
    if (bytes.size() > room) {
        bytes = bytes.substr(0, room);
        client.m_truncated = true;
    }
    if (!bytes.empty()) {
        if (client.m_sink != nullptr && !client.m_sink->Write(bytes)) {
            return 0;
        }
        client.m_received += bytes.size();
        if (client.events.onDocData) {
            client.events.onDocData(bytes.size());
        }
    }
    return client.m_truncated ? 0 : length;
}

std::size_t HttpClient::ReadCallback(char* data, std::size_t size, std::size_t count, void* user)
{
    auto& client = *static_cast<HttpClient*>(user);
    const std::string& body = client.options.sendStream;
    const std::size_t length = std::min(size * count, body.size() - client.m_sendOffset);
    body.copy(data, length, client.m_sendOffset);
    client.m_sendOffset += length;
    if (length > 0 && client.events.onSendData) {
        client.events.onSendData(length);
    }
    return length;
}

int HttpClient::ProgressCallback(void* user, long long, long long, long long, long long)
{
    return static_cast<HttpClient*>(user)->m_aborted ? 1 : 0;
}

} // namespace listrider::net
