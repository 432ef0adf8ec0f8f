// The link validator: the product's ten web addresses checked before a run.
#pragma once

#include <array>
#include <memory>
#include <string>
#include <string_view>

#include "catalogue/value_set.h"
#include "engine/http_settings.h"
#include "engine/run_control.h"
#include "engine/run_view.h"
#include "net/http_connection_pool.h"

namespace listrider::engine {

inline constexpr std::string_view kLinksTimedOutMessage =
    "An HTTP session is timed out. Please check your Internet connection and HTTP settings.";
inline constexpr std::string_view kLinksIncorrectMessage =
    "One or more of entered links are incorrect. Please return to the \"Product Information\" tab and make "
    "necessary corrections.";

/// One row of the validation window.
struct LinkRow
{
    std::string label; ///< "Company WebSite URL" ...
    std::string url;
    bool orderPage = false; ///< the "Order Page URL" row
};

/// Returns the ten links of the product in the window's order.
std::array<LinkRow, 10> ProductLinks(const catalogue::ProductValues& values);

/// Returns whether a link (spaces already written "%20") is skipped without a request: empty,
/// exactly "http://", an FTP address, or on the order page row a RegSoft or eSellerate address.
bool IsSkippedLink(std::string_view url, bool orderPage);

/// Returns whether a redirect target names a not-found page ("404", "missing", "notfound").
bool IsNotFoundLocation(std::string_view location);

/// What the validation ended with.
struct ValidationResult
{
    bool allPassed = true;
    bool timedOut = false;
    std::string message; ///< the error message shown, empty when all passed
};

/// The validator's worker (TValidator): checks every row with HEAD (a refused HEAD once more with
/// a GET of the first byte), each within `limit`, and reports every row on the view.
class TValidator
{
public:
    TValidator(RunControl& control,
               RunView& view,
               ProxySettings proxy,
               std::shared_ptr<net::HttpConnectionPool> pool);

    /// The bound of one check (60 seconds by default).
    void SetTimeout(std::chrono::milliseconds limit) { m_limit = limit; }

    ValidationResult Execute(const std::array<LinkRow, 10>& links);

    /// Returns "Passed" or "Failed" for one link.
    bool CheckLink(const std::string& url);

private:
    RunControl& m_control;
    RunView& m_view;
    ProxySettings m_proxy;
    std::shared_ptr<net::HttpConnectionPool> m_pool;
    std::chrono::milliseconds m_limit{60000};
};

} // namespace listrider::engine
