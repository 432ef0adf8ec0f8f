// The SMTP client: synchronous operations, a result code per request, each reply line reported.
#pragma once

#include <chrono>
#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "net/line_connection.h"

namespace listrider::net {

enum class SmtpAuth
{
    None,
    Plain,
    Login,
    CramMd5,
};

/// The requests whose end the client reports.
enum class SmtpRequest
{
    Connect,
    Helo,
    Ehlo,
    StartTls,
    Auth,
    Open,
    MailFrom,
    RcptTo,
    Data,
    Mail,
    Quit,
    Abort,
};

/// Returns the method to use after a reply line of the greeting: only "250 AUTH " and
/// "250-AUTH " lines count; PLAIN wins over LOGIN, LOGIN over CRAM-MD5 (ASCII case ignored);
/// any other line keeps `current`.
SmtpAuth ChooseAuthType(std::string_view replyLine, SmtpAuth current);

/// Result codes of failures that are not SMTP replies (the socket error numbers of the program).
inline constexpr std::uint16_t kSmtpRefused = 10061;
inline constexpr std::uint16_t kSmtpTimeout = 10060;
inline constexpr std::uint16_t kSmtpUnknownHost = 11001;
inline constexpr std::uint16_t kSmtpAborted = 10004;
inline constexpr std::uint16_t kSmtpBroken = 10054;
inline constexpr std::uint16_t kSmtpNotConnected = 10057;

/// One SMTP session at a time. No operation throws; each returns its result code (0 = success)
/// and reports it through onRequestDone.
class SmtpClient
{
public:
    std::string host;
    std::string port = "25"; ///< "smtp" is taken as 25; "465" means TLS from the start
    std::string localAddr;   ///< "0.0.0.0" or empty: any
    std::string signOn;      ///< the HELO/EHLO name; empty: the computer's host name
    std::string username;
    std::string password;
    SmtpAuth authType = SmtpAuth::None; ///< may be changed by onResponse while the session opens
    std::string fromName;               ///< the envelope sender (MAIL FROM)
    std::string hdrFrom;
    std::string hdrTo;
    std::string hdrReplyTo;
    std::string hdrReturnPath;
    std::string hdrSubject;
    std::vector<std::string> rcptName; ///< the envelope recipients
    std::string xMailer;
    std::string charSet = "iso-8859-1";
    std::vector<std::string> messageLines; ///< the plain-text body
    std::string caFile;                    ///< an extra trusted certificate for TLS (tests)
    std::chrono::milliseconds timeout{15000};

    std::function<void(const std::string& line)> onResponse;
    std::function<void(SmtpRequest request, std::uint16_t error)> onRequestDone;

    SmtpClient() = default;
    SmtpClient(const SmtpClient&) = delete;
    SmtpClient& operator=(const SmtpClient&) = delete;

    /// Connects and reads the greeting (over TLS at once when the port is 465).
    std::uint16_t Connect();
    std::uint16_t Helo();
    /// EHLO, then STARTTLS and EHLO again when the server offers it on a plain connection.
    std::uint16_t Ehlo();
    /// AUTH with authType (nothing to do for None).
    std::uint16_t Auth();
    /// Connect, then EHLO and AUTH when a method is set, HELO otherwise.
    std::uint16_t Open();
    /// MAIL FROM, RCPT TO for every recipient, DATA with the headers and the body.
    std::uint16_t SendMail();
    std::uint16_t Quit();
    /// Drops the connection (callable from any thread).
    void Abort();

    bool Connected() const { return m_connection.IsOpen(); }

    std::uint16_t LastError() const { return m_lastError; }

    /// Every line sent and received in this session ("> " and "< " prefixed), passwords hidden.
    const std::vector<std::string>& Transcript() const { return m_transcript; }

private:
    struct Reply
    {
        int code = 0;
        std::vector<std::string> lines;
    };

    std::uint16_t Finish(SmtpRequest request, std::uint16_t error);
    std::uint16_t Command(const std::string& line, int expected, Reply* reply = nullptr, bool secret = false);
    std::uint16_t ReadReply(Reply& reply);
    std::uint16_t TransportCode(const store::Error& error);
    std::uint16_t Greet(const char* verb, Reply& reply);
    std::string SignOnName() const;

    LineConnection m_connection;
    std::uint16_t m_lastError = 0;
    std::vector<std::string> m_transcript;
};

} // namespace listrider::net
