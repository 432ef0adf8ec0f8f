#include "engine/request_composer.h"

#include <fstream>

#include "store/ascii.h"
#include "store/file_io.h"
#include "store/file_system.h"
#include "store/line_list.h"
#include "store/web_encoding.h"

namespace listrider::engine {
namespace {

namespace fs = std::filesystem;

constexpr std::string_view kFreewareHome = "Freeware Home";

int HexValue(char c)
{
    if (c >= '0' && c <= '9') {
        return c - '0';
    }
    c = store::AsciiUpper(c);
    return c >= 'A' && c <= 'F' ? c - 'A' + 10 : -1;
}

std::string ReplaceSpaces(std::string_view text)
{
    std::string out;
    for (const char c : text) {
        out += c == ' ' ? std::string("%20") : std::string(1, c);
    }
    return out;
}

} // namespace

std::string PercentDecode(std::string_view text)
{
    std::string out;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '%' && i + 2 < text.size() && HexValue(text[i + 1]) >= 0 &&
            HexValue(text[i + 2]) >= 0) {
            out += static_cast<char>(HexValue(text[i + 1]) * 16 + HexValue(text[i + 2]));
            i += 2;
        } else {
            out += text[i];
        }
    }
    return out;
}

RequestComposer::RequestComposer(std::shared_ptr<net::HttpConnectionPool> pool)
    : m_pool(pool != nullptr ? std::move(pool) : std::make_shared<net::HttpConnectionPool>())
{
    RecreateHTTP();
}

RequestComposer::~RequestComposer()
{
    std::unique_ptr<net::HttpClient> client;
    {
        std::lock_guard lock(m_clientMutex);
        client = std::move(m_client);
    }
}

void RequestComposer::SetTransferControl(net::TransferControl* control)
{
    std::lock_guard lock(m_clientMutex);
    m_control = control;
    m_client->SetTransferControl(control);
}

void RequestComposer::RecreateHTTP()
{
    std::unique_ptr<net::HttpClient> old;
    {
        std::lock_guard lock(m_clientMutex);
        old = std::move(m_client);
    }
    std::string cookie;
    if (old != nullptr) {
        cookie = old->options.cookie;
        old.reset(); // aborts and joins its transfer
    }
    auto client = std::make_unique<net::HttpClient>(m_pool);
    client->options = FixedHttpOptions();
    client->options.cookie = cookie;
    client->options.reference = m_referrer;
    client->SetTransferControl(m_control);
    client->events.onCookie = [this](std::string_view value) {
        HTTPCookie(value);
    };
    client->events.onLocationChange = [this](std::string& location) {
        HTTPLocationChange(location);
    };
    client->events.onDocBegin = [this] {
        HTTPDocBegin();
    };
    client->events.onDocData = [this](std::size_t length) {
        HTTPDocData(length);
    };
    client->events.onDocEnd = [this] {
        HTTPDocEnd();
    };
    client->events.onRequestDone = [this](const store::Result<void>& outcome) {
        HTTPRequestDone(outcome);
    };
    client->events.onSendData = [this](std::size_t length) {
        HTTPSendData(length);
    };
    std::lock_guard lock(m_clientMutex);
    m_client = std::move(client);
}

void RequestComposer::Abort()
{
    {
        std::lock_guard lock(m_clientMutex);
        if (m_client != nullptr) {
            m_client->Abort();
        }
    }
}

int RequestComposer::StatusCode() const
{
    std::lock_guard lock(m_clientMutex);
    return m_client->StatusCode();
}

std::string RequestComposer::Cookie() const
{
    std::lock_guard lock(m_clientMutex);
    return m_client->options.cookie;
}

void RequestComposer::SetReferrer(std::string referrer)
{
    std::lock_guard lock(m_clientMutex);
    m_referrer = std::move(referrer);
    m_client->options.reference = m_referrer;
}

void RequestComposer::ClearCookie()
{
    std::lock_guard lock(m_clientMutex);
    m_client->options.cookie.clear();
}

store::Result<bool>
RequestComposer::SendStepRequest(StepRequest& request, const SiteFacts& site, const UploadPaths& uploadPaths)
{
    net::HttpClient& client = *m_client;
    client.Abort();
    client.Abort();
    ++m_counters.webRequests;

    client.options.contentTypePost = std::string(kFormContentType);
    client.SetMaxResponseBytes(m_maxResponseBytes);
    m_savedPage = request.savedPage;
    m_siteName = site.name;
    m_httpErrorCode = 0;
    m_httpErrorText.clear();
    m_emptyPage = false;
    m_requestReceived = 0;
    m_requestSent = 0;
    if (site.hasPrb) {
        request.path = ReplaceSpaces(request.path);
    }
    std::string body = BuildFormBody(request.names,
                                     request.values,
                                     m_resolve,
                                     FormBodyRules{m_rules.keepEmptyPairs, m_rules.prbInBody && site.hasPrb});
    m_streamToFile = false;
    m_protocolWord = request.method;

    const std::string method = store::AsciiUpper(request.method);
    if (method == "GET") {
        return SendGet(request, site);
    }
    if (method == "POSTSPECIAL" || (method == "POSTUPLOAD" && m_rules.uploadAsForm)) {
        return SendPost(request, std::move(body), method == "POSTSPECIAL" ? "POSTSPECIAL" : "POSTUPLOAD");
    }
    if (method == "POSTUPLOAD") {
        const std::string boundary = store::MakeBoundary();
        store::Result<std::string> multipart =
            BuildMultipartBody(request.names, request.values, uploadPaths, boundary, m_resolve);
        if (!multipart) {
            return multipart.GetError();
        }
        client.options.contentTypePost = "multipart/form-data; boundary=" + boundary.substr(2);
        return SendPost(request, std::move(multipart.Value()), "POSTUPLOAD");
    }
    // POSTBRUTE sends nothing and writes no page; so does a method nobody knows.
    return true;
}

std::string RequestComposer::BaseUrl(const std::string& host) const
{
    // Today's sites name their scheme in the host line; the old ones give a bare host.
    if (store::StartsWithNoCase(host, "http://") || store::StartsWithNoCase(host, "https://")) {
        return host;
    }
    return "http://" + host;
}

bool RequestComposer::SendGet(StepRequest& request, const SiteFacts& site)
{
    net::HttpClient& client = *m_client;
    m_streamToFile = true;
    const std::string host = m_resolve ? store::SubstituteMacros(request.host, m_resolve) : request.host;
    const std::string path = m_resolve ? store::SubstituteMacros(request.path, m_resolve) : request.path;
    const std::string query = BuildQuery(request.names, request.values, site.hasPrb, m_resolve);
    client.options.url = BaseUrl(host) + path + (request.names.empty() ? "" : "?" + query);
    ApplyProxy(m_proxy, client.options);
    client.options.localAddr = m_localAddress;
    client.SetResponseStream(nullptr);

    bool result = true;
    // The transfer runs on this thread; an abort from another thread releases it at once.
    if (store::Result<void> started = client.Get(); !started) {
        RecordStartFailure(started.GetError());
        HTTPDocEnd();
        result = false;
    } else {
        if (client.Truncated()) {
            RecordCutResponse();
            result = false;
        }
    }
    if (!result) {
        LogFailure("GET Failed with error code " + std::to_string(m_httpErrorCode) + " - " + m_httpErrorText);
    }
    const std::int64_t size = store::FileSizeOf(m_savedPage);
    m_emptyPage = size == 0;
    if (size < 0) {
        // A GET whose response never started still leaves an (empty) page behind.
        (void)store::SaveStringToFile(m_savedPage, "");
        m_emptyPage = true;
    }
    return result;
}

bool RequestComposer::SendPost(StepRequest& request, std::string body, const char* method)
{
    net::HttpClient& client = *m_client;
    net::StringSink received;
    client.options.sendStream = std::move(body);
    client.SetResponseStream(&received);
    ApplyProxy(m_proxy, client.options);
    client.options.localAddr = m_localAddress;
    client.options.url = BaseUrl(request.host) + request.path;

    bool result = true;
    if (store::Result<void> started = client.Post(); !started) {
        RecordStartFailure(started.GetError());
        result = false;
    } else {
        if (client.Truncated()) {
            RecordCutResponse();
            result = false;
        }
    }
    client.SetResponseStream(nullptr);
    client.options.sendStream.clear();
    if (!result) {
        LogFailure(std::string(method) + " failed for " + request.stepFileName + " with code " +
                   std::to_string(m_httpErrorCode) + " - " + m_httpErrorText);
    }
    // The page is written also after an error.
    (void)store::SaveLines(m_savedPage, store::LineList::FromText(received.Text()));
    m_emptyPage = store::FileSizeOf(m_savedPage) == 0;
    return result;
}

void RequestComposer::RecordStartFailure(const store::Error& error)
{
    m_httpErrorCode = m_client->StatusCode();
    m_httpErrorText = m_client->ReasonPhrase().empty() ? error.message : m_client->ReasonPhrase();
}

void RequestComposer::RecordCutResponse()
{
    m_httpErrorCode = m_client->StatusCode();
    m_httpErrorText = "Response too large (cut at " + std::to_string(m_maxResponseBytes) + " bytes)";
}

void RequestComposer::LogFailure(const std::string& line)
{
    if (m_runLog.empty()) {
        return;
    }
    std::ofstream log(m_runLog, std::ios::binary | std::ios::app);
    log << line << "\r\n";
}

void RequestComposer::HTTPCookie(std::string_view setCookie)
{
    m_client->options.cookie = AddCookieOnce(m_client->options.cookie, setCookie);
}

void RequestComposer::HTTPLocationChange(std::string& location)
{
    if (m_siteName == kFreewareHome) {
        location = PercentDecode(location);
    }
}

void RequestComposer::HTTPDocBegin()
{
    if (m_streamToFile) {
        m_pageFile = std::make_unique<net::FileSink>(m_savedPage);
        m_client->SetResponseStream(m_pageFile.get());
    }
}

void RequestComposer::HTTPDocData(std::size_t length)
{
    const auto n = static_cast<long long>(length);
    m_counters.bytesReceived += n;
    const long long total = m_requestReceived += n;
    if (m_view != nullptr) {
        m_view->ShowHttpAction("HTTP operation - " + std::to_string(total) + " bytes received");
    }
}

void RequestComposer::HTTPDocEnd()
{
    if (m_pageFile != nullptr) {
        m_pageFile->Close();
        m_client->SetResponseStream(nullptr);
        m_pageFile.reset();
    }
}

void RequestComposer::HTTPRequestDone(const store::Result<void>&)
{
    // The outcome is not looked at: a transport failure shows as an empty page.
}

void RequestComposer::HTTPSendData(std::size_t length)
{
    const auto n = static_cast<long long>(length);
    m_counters.bytesSent += n;
    const long long total = m_requestSent += n;
    if (m_view != nullptr) {
        m_view->ShowHttpAction("HTTP operation - " + std::to_string(total) + " bytes sent");
    }
}

} // namespace listrider::engine
