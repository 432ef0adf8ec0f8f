// The request composer: one web step of a site script sent as one HTTP request with the main
// client, its response kept as the step's saved response page.
#pragma once

#include <atomic>
#include <filesystem>
#include <memory>
#include <mutex>
#include <string>
#include <string_view>
#include <vector>

#include "engine/form_fields.h"
#include "engine/http_settings.h"
#include "net/byte_sink.h"
#include "net/http_client.h"
#include "net/transfer_control.h"
#include "store/macro_scanner.h"
#include "store/result.h"

namespace listrider::engine {

/// The fields of a loaded web step that the composer sends. SendStepRequest expands the macros
/// of the lists again and removes their empty pairs.
struct StepRequest
{
    std::string host; ///< host[:port], or an address starting with "http://" or "https://"
    std::string path;
    std::string method; ///< GET, POSTSPECIAL, POSTUPLOAD or POSTBRUTE (any case)
    std::vector<std::string> names;
    std::vector<std::string> values;
    std::filesystem::path savedPage;
    std::string stepFileName; ///< named in the run log's failure lines
};

/// What the composer needs to know about the site.
struct SiteFacts
{
    std::string name;
    bool hasPrb = false; ///< spaces in the site's URLs are written "%20"
};

/// Where the byte counts of a running request are shown. Called on the thread that sends; an
/// implementation posts without blocking.
class RequestView
{
public:
    virtual ~RequestView() = default;
    /// Shows "HTTP operation - N bytes received" or "... bytes sent".
    virtual void ShowHttpAction(const std::string& text) = 0;
};

/// How a companion run's requests differ from the submission's.
struct RequestRules
{
    bool keepEmptyPairs = false; ///< empty pairs stay and give "=&" in the body and the query
    bool prbInBody = false;      ///< "%20" for spaces in form-body values too at HasPrb sites
    bool uploadAsForm = false;   ///< POSTUPLOAD sends the URL-encoded form body, no file part
};

/// The report counters the composer moves.
struct RequestCounters
{
    std::atomic<long long> webRequests{0};
    std::atomic<long long> bytesSent{0};
    std::atomic<long long> bytesReceived{0};
};

/// Owns the main HTTP client of a run and sends web steps with it.
class RequestComposer
{
public:
    explicit RequestComposer(std::shared_ptr<net::HttpConnectionPool> pool = nullptr);
    RequestComposer(const RequestComposer&) = delete;
    RequestComposer& operator=(const RequestComposer&) = delete;
    ~RequestComposer();

    void SetProxy(ProxySettings proxy) { m_proxy = std::move(proxy); }

    /// The address the main client binds (empty: any). Never the SMTP client's.
    void SetLocalAddress(std::string address) { m_localAddress = std::move(address); }

    void SetView(RequestView* view) { m_view = view; }

    /// The run's abort hook (Skip, Stop, the watchdog); not owned.
    void SetTransferControl(net::TransferControl* control);

    /// The run log (Debug/Log.txt of the result folder) that receives the failure lines; empty: none.
    void SetRunLog(std::filesystem::path file) { m_runLog = std::move(file); }

    /// Resolves the macros left in the fields; none: fields are sent as they are.
    void SetMacroResolver(store::NarrowMacroResolver resolve) { m_resolve = std::move(resolve); }

    void SetMaxResponseBytes(std::size_t limit) { m_maxResponseBytes = limit; }

    void SetRules(RequestRules rules) { m_rules = rules; }

    /// Aborts the client's request and replaces the client by a new one with the fixed
    /// settings, keeping only the cookie text.
    void RecreateHTTP();

    /// Sends the step. Returns true when it was sent and finished without an error (or nothing
    /// had to be sent), false when it could not be sent or its response was cut; an Io error when
    /// a file to upload cannot be read.
    store::Result<bool>
    SendStepRequest(StepRequest& request, const SiteFacts& site, const UploadPaths& uploadPaths);

    /// Aborts the request in progress and releases the waiting worker (Skip, Stop, watchdog).
    /// Callable from any thread.
    void Abort();

    std::string Cookie() const;

    /// Clears the cookie text (a new site starts).
    void ClearCookie();

    /// Sets the Referer of the next request (empty: none); RecreateHTTP keeps it.
    void SetReferrer(std::string referrer);

    int HttpErrorCode() const { return m_httpErrorCode; }

    /// The status of the last answer received (0 when none came).
    int StatusCode() const;

    const std::string& HttpErrorText() const { return m_httpErrorText; }

    bool EmptyPage() const { return m_emptyPage; }

    const std::string& ProtocolWord() const { return m_protocolWord; }

    long long RequestBytesReceived() const { return m_requestReceived; }

    long long RequestBytesSent() const { return m_requestSent; }

    const RequestCounters& Counters() const { return m_counters; }

    /// Event handlers of the main client.
    void HTTPCookie(std::string_view setCookie);
    void HTTPLocationChange(std::string& location);
    void HTTPDocBegin();
    void HTTPDocData(std::size_t length);
    void HTTPDocEnd();
    void HTTPRequestDone(const store::Result<void>& outcome);
    void HTTPSendData(std::size_t length);

private:
    bool SendGet(StepRequest& request, const SiteFacts& site);
    bool SendPost(StepRequest& request, std::string body, const char* method);
    void RecordStartFailure(const store::Error& error);
    void RecordCutResponse();
    void LogFailure(const std::string& line);
    std::string BaseUrl(const std::string& host) const;

    std::shared_ptr<net::HttpConnectionPool> m_pool;
    mutable std::mutex m_clientMutex;
    std::unique_ptr<net::HttpClient> m_client;
    net::TransferControl* m_control = nullptr;
    RequestView* m_view = nullptr;
    ProxySettings m_proxy;
    std::string m_localAddress;
    std::string m_referrer;
    std::filesystem::path m_runLog;
    store::NarrowMacroResolver m_resolve;
    std::size_t m_maxResponseBytes = net::kDefaultMaxResponseBytes;
    RequestRules m_rules;

    std::filesystem::path m_savedPage;
    std::string m_siteName;
    bool m_streamToFile = false;
    std::unique_ptr<net::FileSink> m_pageFile;

    int m_httpErrorCode = 0;
    std::string m_httpErrorText;
    bool m_emptyPage = false;
    std::string m_protocolWord;
    std::atomic<long long> m_requestReceived{0};
    std::atomic<long long> m_requestSent{0};
    RequestCounters m_counters;
};

/// Returns the text with every %XX sequence turned back into its byte.
std::string PercentDecode(std::string_view text);

} // namespace listrider::engine
