#include "engine/mail_submission.h"

#include "net/byte_sink.h"
#include "net/http_client.h"
#include "store/ascii.h"
#include "store/file_io.h"
#include "store/web_encoding.h"

namespace listrider::engine {

std::string SenderName(std::string_view firstName, std::string_view lastName)
{
    std::string name(firstName);
    if (!lastName.empty()) {
        name += ' ';
        name += lastName;
    }
    return name;
}

std::string FromHeader(const MailMessage& message)
{
    return message.senderName + " <" + message.generalEmail + ">";
}

std::string RelayMessageText(const std::vector<std::string>& body)
{
    std::string text = "\n";
    for (const std::string& line : body) {
        text += line;
        text += '\n';
    }
    return text;
}

std::string RelayFormText(const RelayFormValues& values)
{
    return "From=" + store::UrlEncode(values.from) + "&To=" + store::UrlEncode(values.to) +
           "&FromName=" + store::UrlEncode(values.fromName) + "&Subject=" + store::UrlEncode(values.subject) +
           "&Message=" + store::UrlEncode(values.message);
}

std::string RelayForm(const MailMessage& message)
{
    // The relay's "From" is the site's address and "To" the author's, as the message is meant.
    return RelayFormText(RelayFormValues{message.recipient,
                                         message.generalEmail,
                                         message.senderName,
                                         message.subject,
                                         RelayMessageText(message.body)});
}

SmtpSettings SmtpSettingsFromPrefs(const store::Prefs& prefs)
{
    return SmtpSettings{
        prefs.smtpServer, prefs.smtpPort, prefs.smtpAuth, prefs.smtpLogin, prefs.smtpPassword, {}};
}

bool SmtpInUse(const store::Prefs& prefs)
{
    return !prefs.doNotUseSmtp && !prefs.smtpServer.empty() && !prefs.smtpPort.empty();
}

SmtpSession::SmtpSession()
{
    m_client.onResponse = [this](const std::string& line) {
        if (line.starts_with("250 AUTH ") || line.starts_with("250-AUTH ")) {
            m_capabilities = line.substr(9);
        }
        m_client.authType = net::ChooseAuthType(line, m_client.authType);
    };
    m_client.onRequestDone = [this](net::SmtpRequest, std::uint16_t error) {
        m_resultCode = std::to_string(error);
    };
}

void SmtpSession::Prepare(const SmtpSettings& settings, bool withLogin)
{
    m_capabilities.clear();
    m_client.host = settings.server;
    m_client.localAddr = store::ContainsNoCase(settings.server, "local") || settings.server == "127.0.0.1"
                             ? "127.0.0.1"
                             : "0.0.0.0";
    m_client.port = settings.port;
    m_client.signOn.clear();
    m_client.xMailer = std::string(kXMailer);
    m_client.username = withLogin ? settings.login : std::string();
    m_client.password = withLogin ? settings.password : std::string();
    m_client.caFile = settings.caFile;
    m_client.authType = withLogin && settings.auth && !settings.login.empty() && !settings.password.empty()
                            ? net::SmtpAuth::Plain
                            : net::SmtpAuth::None;
    if (m_client.Connected()) {
        m_client.Quit();
    }
}

std::string SmtpSession::SMTPConnect(const SmtpSettings& settings)
{
    Prepare(settings, true);
    m_resultCode.clear();
    if (Aborted()) {
        return std::to_string(net::kSmtpAborted);
    }
    const net::TransferSubscription abort(m_control, [this] { m_client.Abort(); });
    // Connect, then EHLO and AUTH when a method is set, HELO otherwise; an abort that came while
    // the connection was made up is honoured before the next command.
    if (m_client.Connect() != 0) {
        return m_resultCode;
    }
    if (Aborted()) {
        m_client.Abort();
        return std::to_string(net::kSmtpAborted);
    }
    if (m_client.authType == net::SmtpAuth::None) {
        m_client.Helo();
    } else if (m_client.Ehlo() == 0 && !Aborted()) {
        m_client.Auth();
    }
    return Aborted() ? std::to_string(net::kSmtpAborted) : m_resultCode;
}

std::string SmtpSession::SMTPConnectNoAuth(const SmtpSettings& settings)
{
    Prepare(settings, false);
    m_resultCode.clear();
    if (Aborted()) {
        return std::to_string(net::kSmtpAborted);
    }
    const net::TransferSubscription abort(m_control, [this] { m_client.Abort(); });
    if (m_client.Connect() == 0 && !Aborted()) {
        m_client.Helo();
    }
    return Aborted() ? std::to_string(net::kSmtpAborted) : m_resultCode;
}

std::string SmtpSession::SMTPSend(const MailMessage& message)
{
    m_resultCode.clear();
    if (!m_client.Connected()) {
        return m_resultCode;
    }
    const std::string from = FromHeader(message);
    m_client.hdrTo = message.recipient;
    m_client.fromName = message.generalEmail;
    m_client.hdrFrom = from;
    m_client.hdrReplyTo = from;
    m_client.hdrReturnPath = from;
    m_client.rcptName = {message.recipient};
    m_client.hdrSubject = message.subject;
    m_client.messageLines = message.body;
    if (Aborted()) {
        return std::to_string(net::kSmtpAborted);
    }
    const net::TransferSubscription abort(m_control, [this] { m_client.Abort(); });
    m_client.SendMail();
    return Aborted() ? std::to_string(net::kSmtpAborted) : m_resultCode;
}

void SmtpSession::SMTPQuit()
{
    if (!m_client.Connected()) {
        return;
    }
    const std::string kept = m_resultCode;
    if (Aborted()) {
        m_client.Abort();
    }
    m_client.Quit();
    m_resultCode = kept;
}

RelayAnswer PostRelayForm(std::string form,
                          std::string_view relayHost,
                          const ProxySettings& proxy,
                          std::shared_ptr<net::HttpConnectionPool> pool,
                          net::TransferControl* control,
                          std::function<void(std::size_t length)> onSent)
{
    RelayAnswer answer;
    if (relayHost.empty()) {
        answer.errorText = std::string(kNoRelayMessage);
        return answer;
    }
    std::string base(relayHost);
    if (!store::StartsWithNoCase(base, "http://") && !store::StartsWithNoCase(base, "https://")) {
        base = "http://" + base;
    }
    while (base.ends_with('/')) {
        base.pop_back();
    }
    net::HttpClient client(std::move(pool));
    client.options = FixedHttpOptions();
    ApplyProxy(proxy, client.options);
    client.options.url = base + "/cgi-bin/mail.cgi";
    client.options.reference = base + "/sendmail.htm";
    client.options.sendStream = std::move(form);
    client.SetTransferControl(control);
    // The relay's first answer is judged as it comes: a redirect is not followed (it is no 200).
    client.events.onLocationChange = [](std::string& location) {
        location = "about:blank";
    };
    client.events.onSendData = std::move(onSent);
    net::StringSink body;
    client.SetResponseStream(&body);
    std::string failure;
    client.events.onRequestDone = [&failure](const store::Result<void>& outcome) {
        if (!outcome) {
            failure = outcome.GetError().message;
        }
    };
    store::Result<void> posted = client.Post();
    if (posted && !failure.empty()) {
        posted = store::MakeError(store::ErrorKind::Io, failure);
    }
    answer.status = client.StatusCode();
    answer.sent = posted.HasValue() && answer.status == 200;
    if (!posted) {
        answer.errorText = client.ReasonPhrase().empty() ? posted.GetError().message : client.ReasonPhrase();
    } else if (answer.status != 200) {
        answer.errorText = client.ReasonPhrase();
    }
    answer.body = body.Text();
    return answer;
}

RelayAnswer SendThroughRelay(const MailMessage& message,
                             std::string_view relayHost,
                             const ProxySettings& proxy,
                             const std::filesystem::path& savedPage,
                             std::shared_ptr<net::HttpConnectionPool> pool,
                             net::TransferControl* control)
{
    RelayAnswer answer = PostRelayForm(RelayForm(message), relayHost, proxy, std::move(pool), control);
    (void)store::SaveStringToFile(
        savedPage, answer.body, store::FileAccess::Shared, store::Durability::Ordered);
    return answer;
}

} // namespace listrider::engine
