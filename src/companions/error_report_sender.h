// The error report sender (TErrorSender): the report archive sent as text through the vendor's
// mail relay.
#pragma once

#include <filesystem>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "catalogue/company_info.h"
#include "companions/error_report_archive.h"
#include "engine/run_control.h"
#include "net/http_connection_pool.h"
#include "store/date_time.h"
#include "store/installation_config.h"
#include "store/prefs.h"

namespace listrider::companions {

/// The sending window's texts and the two messages after it closes.
inline constexpr std::string_view kErrorReportWindow = "Sending Errors Report";
inline constexpr std::string_view kCreatingErrorReport = "Creating Error Report...";
inline constexpr std::string_view kSendingErrorReport = "Sending report...";
inline constexpr std::string_view kErrorReportSent =
    "The Error Report has been successfully sent to Listrider support team. Thank you very much for your "
    "support.";
inline constexpr std::string_view kErrorReportFailed =
    "An error has happened during sending the Error Report. Please try again.";

/// The sending window.
class ErrorSenderView
{
public:
    virtual ~ErrorSenderView() = default;

    /// Shows the window's label.
    virtual void ShowLabel(std::string_view text) = 0;

    /// Sets the progress bar (0 to 100).
    virtual void ShowProgress(int percent) = 0;
};

/// What a report is built and sent from.
struct ErrorSenderInputs
{
    ErrorReportSources sources;
    std::string productName;
    catalogue::CompanyInfo company;   ///< the general e-mail and the contact's names
    store::Prefs prefs;               ///< the proxy
    store::InstallationConfig config; ///< the relay, the report sender and the user name
    store::CivilDate today;
    std::shared_ptr<net::HttpConnectionPool> pool;
};

/// How the sending ended.
struct ErrorSenderOutcome
{
    bool sent = false;
    std::string message;   ///< one of the two messages
    std::string detail;    ///< why it failed
    std::string firstLine; ///< the relay's first answer line
};

/// Returns the message text: the user name, product name and date lines, an empty line and the
/// archive in Base64, lines separated by LF.
std::string ErrorReportMessage(std::string_view userName,
                               std::string_view productName,
                               const store::CivilDate& today,
                               std::string_view archive);

/// Builds the archive, posts it and removes it again. Never throws.
class TErrorSender
{
public:
    TErrorSender(ErrorSenderInputs& inputs, ErrorSenderView& view, engine::RunControl& control);

    ErrorSenderOutcome Execute();

private:
    ErrorSenderOutcome Send();

    ErrorSenderInputs& m_in;
    ErrorSenderView& m_view;
    engine::RunControl& m_control;
};

} // namespace listrider::companions
