#include "engine/link_validator.h"

#include "net/byte_sink.h"
#include "store/ascii.h"

namespace listrider::engine {
namespace {

std::string SpacesAsPercent20(std::string_view text)
{
    std::string out;
    for (const char c : text) {
        if (c == ' ') {
            out += "%20";
        } else {
            out += c;
        }
    }
    return out;
}

} // namespace

std::array<LinkRow, 10> ProductLinks(const catalogue::ProductValues& values)
{
    const catalogue::ProductUrls& urls = values.web.urls;
    return {LinkRow{"Company WebSite URL", values.company.webSiteUrl, false},
            LinkRow{"Application Info URL", urls.infoUrl, false},
            LinkRow{"Order Page URL", urls.orderUrl, true},
            LinkRow{"Screenshot URL", urls.screenshotUrl, false},
            LinkRow{"Program Icon URL", urls.iconUrl, false},
            LinkRow{"PAD XML file URL", urls.xmlFileUrl, false},
            LinkRow{"Primary Download URL", urls.primaryDownloadUrl, false},
            LinkRow{"Secondary Download URL", urls.secondaryDownloadUrl, false},
            LinkRow{"Additional Download URL1", urls.additionalDownloadUrl1, false},
            LinkRow{"Additional Download URL2", urls.additionalDownloadUrl2, false}};
}

bool IsSkippedLink(std::string_view url, bool orderPage)
{
    if (url.empty() || url == "http://" || store::ContainsNoCase(url, "ftp://")) {
        return true;
    }
    return orderPage && (store::ContainsNoCase(url, "RegSoft") || store::ContainsNoCase(url, "eSellerate"));
}

bool IsNotFoundLocation(std::string_view location)
{
    return store::ContainsNoCase(location, "404") || store::ContainsNoCase(location, "missing") ||
           store::ContainsNoCase(location, "notfound");
}

TValidator::TValidator(RunControl& control,
                       RunView& view,
                       ProxySettings proxy,
                       std::shared_ptr<net::HttpConnectionPool> pool)
    : m_control(control)
    , m_view(view)
    , m_proxy(std::move(proxy))
    , m_pool(std::move(pool))
{}

ValidationResult TValidator::Execute(const std::array<LinkRow, 10>& links)
{
    ValidationResult result;
    for (const LinkRow& row : links) {
        const std::string url = SpacesAsPercent20(row.url);
        std::string state;
        if (IsSkippedLink(url, row.orderPage)) {
            state = "Skipped";
        } else if (CheckLink(url)) {
            state = "Passed";
        } else {
            state = "Failed";
            result.allPassed = false;
        }
        m_view.Apply(run_event::LinkChecked{row.label, state});
        if (m_control.StopRequested()) {
            result.allPassed = false;
            return result;
        }
        if (m_control.GetOutcome() == Outcome::Skip) {
            result.allPassed = false;
            result.timedOut = true;
            result.message = std::string(kLinksTimedOutMessage);
            m_view.Apply(run_event::Message{result.message});
            return result;
        }
    }
    if (!result.allPassed) {
        result.message = std::string(kLinksIncorrectMessage);
        m_view.Apply(run_event::Message{result.message});
    }
    return result;
}

bool TValidator::CheckLink(const std::string& url)
{
    std::unique_ptr<net::HttpClient> client;
    LinksClientState state;
    RecreateHTTPLinks(client, m_pool, state);
    client->options.url = url;
    ApplyProxy(m_proxy, client->options);
    client->SetTransferControl(&m_control.Transfer());
    net::StringSink discard;
    client->SetResponseStream(&discard);

    m_control.BeginTransfer();
    m_control.ArmWatchdog(m_limit);
    bool passed = client->Head().HasValue();
    // Many servers refuse HEAD for pages that work: such a link gets one GET that stops after the
    // first byte of the answer.
    if (!passed && (client->StatusCode() == 405 || client->StatusCode() == 501) &&
        m_control.GetOutcome() != Outcome::Skip && !m_control.StopRequested()) {
        state.lastLocation.clear();
        client->SetMaxResponseBytes(1);
        const store::Result<void> got = client->Get();
        passed =
            (got.HasValue() || client->Truncated()) && client->StatusCode() > 0 && client->StatusCode() < 400;
    }
    m_control.DisarmWatchdog();
    if (!state.lastLocation.empty() && IsNotFoundLocation(state.lastLocation)) {
        passed = false;
    }
    return passed;
}

} // namespace listrider::engine
