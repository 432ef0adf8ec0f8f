#include "companions/error_report_sender.h"

#include <algorithm>
#include <atomic>

#include "companions/worker_guard.h"
#include "engine/http_settings.h"
#include "engine/mail_submission.h"
#include "store/file_io.h"
#include "store/line_list.h"
#include "store/web_encoding.h"

namespace listrider::companions {
namespace {

namespace fs = std::filesystem;

ErrorSenderOutcome Failed(std::string detail)
{
    return ErrorSenderOutcome{false, std::string(kErrorReportFailed), std::move(detail), {}};
}

} // namespace

std::string ErrorReportMessage(std::string_view userName,
                               std::string_view productName,
                               const store::CivilDate& today,
                               std::string_view archive)
{
    return "User Name: " + std::string(userName) + "\nProduct Name: " + std::string(productName) +
           "\nDate: " + store::FormatDayMonthYear(today, '.') + "\n\n" + store::Base64Encode(archive);
}

TErrorSender::TErrorSender(ErrorSenderInputs& inputs, ErrorSenderView& view, engine::RunControl& control)
    : m_in(inputs)
    , m_view(view)
    , m_control(control)
{}

ErrorSenderOutcome TErrorSender::Execute()
{
    ErrorSenderOutcome outcome = RunGuarded([this] { return Send(); }, &Failed);
    // The archive and the summary go in every case.
    std::error_code ec;
    fs::remove(m_in.sources.scratchDir / kErrorReportArchive, ec);
    fs::remove(m_in.sources.scratchDir / kErrorReportSummary, ec);
    return outcome;
}

ErrorSenderOutcome TErrorSender::Send()
{
    m_view.ShowLabel(kCreatingErrorReport);
    m_view.ShowProgress(0);
    if (m_in.config.mailRelayHost.empty()) {
        return Failed(std::string(engine::kNoRelayMessage));
    }
    m_view.ShowLabel(kSendingErrorReport);
    store::Result<fs::path> archive = WriteErrorReportArchive(m_in.sources);
    if (!archive) {
        return Failed(archive.GetError().message + " " + archive.GetError().detail);
    }
    const std::string bytes = store::LoadFileAsString(archive.Value());
    const engine::RelayFormValues form{
        m_in.config.reportSender,
        m_in.company.generalEmail,
        engine::SenderName(m_in.company.contactFirstName, m_in.company.contactLastName),
        "Error Report",
        ErrorReportMessage(m_in.config.reportUserName, m_in.productName, m_in.today, bytes)};
    // The progress compares the bytes sent with the encoded archive alone, as the window shows it.
    const long long encodedLength =
        static_cast<long long>(store::UrlEncode(store::Base64Encode(bytes)).size());
    long long sentBytes = 0;
    auto onSent = [this, &sentBytes, encodedLength](std::size_t length) {
        sentBytes += static_cast<long long>(length);
        if (encodedLength > 0) {
            m_view.ShowProgress(static_cast<int>(std::min<long long>(sentBytes * 100 / encodedLength, 100)));
        }
        m_view.ShowLabel(std::to_string(sentBytes) + " of " + std::to_string(encodedLength) + " bytes sent.");
    };
    m_control.BeginTransfer();
    const engine::RelayAnswer answer = engine::PostRelayForm(engine::RelayFormText(form),
                                                             m_in.config.mailRelayHost,
                                                             engine::HttpProxyFromPrefs(m_in.prefs),
                                                             m_in.pool,
                                                             &m_control.Transfer(),
                                                             onSent);
    const store::LineList lines = store::LineList::FromText(answer.body);
    // An error page (404, 500) has lines too: only a 200 answer with a line is a sent report.
    if (answer.sent && lines.empty()) {
        return Failed("The relay gave an empty answer");
    }
    if (!answer.sent) {
        return Failed(answer.status != 0 ? "HTTP " + std::to_string(answer.status) + " " + answer.errorText
                                         : answer.errorText);
    }
    return ErrorSenderOutcome{true, std::string(kErrorReportSent), {}, std::string(lines[0])};
}

} // namespace listrider::companions
