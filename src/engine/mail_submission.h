// E-mail submission: a site's e-mail step sent through the user's SMTP server, or handed to the
// vendor's mail relay form over HTTP.
#pragma once

#include <filesystem>
#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "engine/http_settings.h"
#include "net/http_connection_pool.h"
#include "net/smtp_client.h"
#include "net/transfer_control.h"
#include "store/prefs.h"

namespace listrider::engine {

/// The X-Mailer header of every message.
inline constexpr std::string_view kXMailer = "The Bat! (v1.62d) Business";

/// One e-mail step's message, every text macro-expanded.
struct MailMessage
{
    std::string senderName;   ///< contact first name [+ " " + last name]
    std::string generalEmail; ///< the envelope sender and the address in From
    std::string recipient;
    std::string subject;
    std::vector<std::string> body;
};

/// Returns the sender name: the first name, then one space and the last name when there is one.
std::string SenderName(std::string_view firstName, std::string_view lastName);

/// Returns the From, Reply-To and Return-Path header text: name <address>.
std::string FromHeader(const MailMessage& message);

/// Returns the relay's message text: a line feed, then every body line followed by a line feed.
std::string RelayMessageText(const std::vector<std::string>& body);

/// The five values of a relay form.
struct RelayFormValues
{
    std::string from;
    std::string to;
    std::string fromName;
    std::string subject;
    std::string message;
};

/// Returns the relay form text: From, To, FromName, Subject and Message in that order, each
/// value URL-encoded so that "&" and "=" in a text reach the relay intact.
std::string RelayFormText(const RelayFormValues& values);

/// Returns the relay form of an e-mail step: From (the recipient), To (the author), FromName,
/// Subject and Message.
std::string RelayForm(const MailMessage& message);

/// The SMTP settings of the preferences.
struct SmtpSettings
{
    std::string server;
    std::string port;
    bool auth = false;
    std::string login;
    std::string password;
    std::string caFile; ///< an extra trusted certificate (tests)
};

/// Returns the SMTP settings of the preferences.
SmtpSettings SmtpSettingsFromPrefs(const store::Prefs& prefs);

/// Returns whether a run sends by SMTP: not switched off, server and port set.
bool SmtpInUse(const store::Prefs& prefs);

/// The program's SMTP client with the session rules of e-mail steps. Every operation returns the
/// result code: the last finished request's error code as decimal text, "0" for success, empty
/// when no session was open. Aborts of the run's control drop the connection at once.
class SmtpSession
{
public:
    SmtpSession();

    void SetTransferControl(net::TransferControl* control) { m_control = control; }

    /// Connects with authentication when the settings ask for it (SMTPConnect): PLAIN at first
    /// when login and password are both set, then the method the server's AUTH line offers.
    std::string SMTPConnect(const SmtpSettings& settings);

    /// Connects and greets with HELO, without authentication (SMTPConnectNoAuth).
    std::string SMTPConnectNoAuth(const SmtpSettings& settings);

    /// Sends one message over the open session (SMTPSend); without a session the result code
    /// stays empty.
    std::string SMTPSend(const MailMessage& message);

    /// Ends a session that is still open (SMTPQuit).
    void SMTPQuit();

    bool Connected() const { return m_client.Connected(); }

    /// The method chosen from the server's capability lines in the last session.
    net::SmtpAuth AuthType() const { return m_client.authType; }

    /// The remembered capability text of the last session.
    const std::string& Capabilities() const { return m_capabilities; }

    const net::SmtpClient& Client() const { return m_client; }

private:
    void Prepare(const SmtpSettings& settings, bool withLogin);

    bool Aborted() const { return m_control != nullptr && m_control->IsAbortRequested(); }

    net::SmtpClient m_client;
    net::TransferControl* m_control = nullptr;
    std::string m_capabilities;
    std::string m_resultCode;
};

/// What the relay answered.
struct RelayAnswer
{
    bool sent = false; ///< status 200
    int status = 0;
    std::string errorText; ///< the reason of a failed request
    std::string body;      ///< the answer's body
};

/// Posts a form text to the relay at `relayHost` (host[:port], optionally with a scheme), path
/// /cgi-bin/mail.cgi, referred by /sendmail.htm, through the proxy. `onSent` sees the bytes of
/// each piece of the body as it goes out. An empty relay host refuses without a request.
RelayAnswer PostRelayForm(std::string form,
                          std::string_view relayHost,
                          const ProxySettings& proxy,
                          std::shared_ptr<net::HttpConnectionPool> pool,
                          net::TransferControl* control,
                          std::function<void(std::size_t length)> onSent = {});

/// Posts the message's relay form (PostRelayForm) and saves the answer's body as `savedPage`.
RelayAnswer SendThroughRelay(const MailMessage& message,
                             std::string_view relayHost,
                             const ProxySettings& proxy,
                             const std::filesystem::path& savedPage,
                             std::shared_ptr<net::HttpConnectionPool> pool,
                             net::TransferControl* control);

/// The reason given when no relay is configured.
inline constexpr std::string_view kNoRelayMessage = "No mail relay is configured (Mail_Relay_Host)";

} // namespace listrider::engine
