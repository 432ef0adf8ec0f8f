#include "net/smtp_client.h"

#include <array>
#include <ctime>

#include <openssl/evp.h>
#include <openssl/hmac.h>
#include <unistd.h>

#include "store/ascii.h"
#include "store/web_encoding.h"

namespace listrider::net {
namespace {

using store::ErrorKind;

std::string Base64Line(std::string_view bytes)
{
    std::string text = store::Base64Encode(bytes);
    std::erase(text, '\r');
    std::erase(text, '\n');
    return text;
}

std::string Base64Decode(std::string_view text)
{
    std::string out;
    unsigned value = 0;
    int bits = 0;
    for (const char c : text) {
        int digit = -1;
        if (c >= 'A' && c <= 'Z') {
            digit = c - 'A';
        } else if (c >= 'a' && c <= 'z') {
            digit = c - 'a' + 26;
        } else if (c >= '0' && c <= '9') {
            digit = c - '0' + 52;
        } else if (c == '+') {
            digit = 62;
        } else if (c == '/') {
            digit = 63;
        } else {
            continue;
        }
        value = (value << 6) | static_cast<unsigned>(digit);
        bits += 6;
        if (bits >= 8) {
            bits -= 8;
            out.push_back(static_cast<char>((value >> bits) & 0xFF));
        }
    }
    return out;
}

std::string CramMd5Answer(const std::string& user, const std::string& password, const std::string& challenge)
{
    unsigned char digest[EVP_MAX_MD_SIZE];
    unsigned int length = 0;
    HMAC(EVP_md5(),
         password.data(),
         static_cast<int>(password.size()),
         reinterpret_cast<const unsigned char*>(challenge.data()),
         challenge.size(),
         digest,
         &length);
    static constexpr char kHex[] = "0123456789abcdef";
    std::string hex;
    for (unsigned int i = 0; i < length; ++i) {
        hex += kHex[digest[i] >> 4];
        hex += kHex[digest[i] & 0x0F];
    }
    return user + " " + hex;
}

// Returns the address inside "Name <address>", or the text itself.
std::string EnvelopeAddress(const std::string& text)
{
    const std::size_t open = text.find('<');
    const std::size_t close = text.find('>', open);
    if (open != std::string::npos && close != std::string::npos) {
        return text.substr(open + 1, close - open - 1);
    }
    return text;
}

std::string DateHeader()
{
    static constexpr std::array<const char*, 7> kDays = {"Sun", "Mon", "Tue", "Wed", "Thu", "Fri", "Sat"};
    static constexpr std::array<const char*, 12> kMonths = {
        "Jan", "Feb", "Mar", "Apr", "May", "Jun", "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    char zone[8] = "+0000";
    std::strftime(zone, sizeof zone, "%z", &local);
    char text[64];
    std::snprintf(text,
                  sizeof text,
                  "%s, %02d %s %04d %02d:%02d:%02d %s",
                  kDays[static_cast<std::size_t>(local.tm_wday)],
                  local.tm_mday,
                  kMonths[static_cast<std::size_t>(local.tm_mon)],
                  local.tm_year + 1900,
                  local.tm_hour,
                  local.tm_min,
                  local.tm_sec,
                  zone);
    return text;
}

} // namespace

SmtpAuth ChooseAuthType(std::string_view replyLine, SmtpAuth current)
{
    if (!replyLine.starts_with("250 AUTH ") && !replyLine.starts_with("250-AUTH ")) {
        return current;
    }
    const std::string_view methods = replyLine.substr(9);
    if (store::ContainsNoCase(methods, "Plain")) {
        return SmtpAuth::Plain;
    }
    if (store::ContainsNoCase(methods, "Login")) {
        return SmtpAuth::Login;
    }
    if (store::ContainsNoCase(methods, "Cram-MD5")) {
        return SmtpAuth::CramMd5;
    }
    return current;
}

std::uint16_t SmtpClient::Finish(SmtpRequest request, std::uint16_t error)
{
    m_lastError = error;
    if (onRequestDone) {
        onRequestDone(request, error);
    }
    return error;
}

std::uint16_t SmtpClient::TransportCode(const store::Error& error)
{
    switch (error.kind) {
    case ErrorKind::Refused:
        return kSmtpRefused;
    case ErrorKind::Timeout:
        return kSmtpTimeout;
    case ErrorKind::NotFound:
        return kSmtpUnknownHost;
    case ErrorKind::Cancelled:
        return kSmtpAborted;
    default:
        return kSmtpBroken;
    }
}

std::uint16_t SmtpClient::ReadReply(Reply& reply)
{
    reply = Reply();
    while (true) {
        store::Result<std::string> line = m_connection.ReadLine(timeout);
        if (!line) {
            m_connection.Close();
            return TransportCode(line.GetError());
        }
        m_transcript.push_back("< " + line.Value());
        if (onResponse) {
            onResponse(line.Value());
        }
        reply.lines.push_back(line.Value());
        if (line.Value().size() < 3) {
            continue;
        }
        if (line.Value().size() == 3 || line.Value()[3] != '-') {
            reply.code = std::atoi(line.Value().substr(0, 3).c_str());
            return 0;
        }
    }
}

std::uint16_t SmtpClient::Command(const std::string& line, int expected, Reply* out, bool secret)
{
    if (!m_connection.IsOpen()) {
        return kSmtpNotConnected;
    }
    // Credentials never reach the transcript; the command word stays readable.
    const std::size_t space = line.rfind(' ');
    m_transcript.push_back("> " + (!secret                      ? line
                                   : space == std::string::npos ? std::string("********")
                                                                : line.substr(0, space) + " ********"));
    if (store::Result<void> sent = m_connection.Send(line + "\r\n", timeout); !sent) {
        m_connection.Close();
        return TransportCode(sent.GetError());
    }
    Reply reply;
    if (const std::uint16_t error = ReadReply(reply); error != 0) {
        return error;
    }
    if (out != nullptr) {
        *out = reply;
    }
    return reply.code == expected ? 0 : static_cast<std::uint16_t>(reply.code);
}

std::string SmtpClient::SignOnName() const
{
    if (!signOn.empty()) {
        return signOn;
    }
    char name[256] = {};
    return ::gethostname(name, sizeof name - 1) == 0 && name[0] != '\0' ? std::string(name) : "localhost";
}

std::uint16_t SmtpClient::Connect()
{
    m_transcript.clear();
    const std::string service = port.empty() || port == "smtp" ? "25" : port;
    if (store::Result<void> connected = m_connection.Connect(host, service, localAddr, timeout); !connected) {
        return Finish(SmtpRequest::Connect, TransportCode(connected.GetError()));
    }
    if (service == "465") {
        if (store::Result<void> tls = m_connection.StartTls(host, caFile); !tls) {
            m_connection.Close();
            return Finish(SmtpRequest::Connect, TransportCode(tls.GetError()));
        }
    }
    Reply greeting;
    std::uint16_t error = ReadReply(greeting);
    if (error == 0 && greeting.code != 220) {
        error = static_cast<std::uint16_t>(greeting.code);
    }
    return Finish(SmtpRequest::Connect, error);
}

std::uint16_t SmtpClient::Greet(const char* verb, Reply& reply)
{
    return Command(std::string(verb) + " " + SignOnName(), 250, &reply);
}

std::uint16_t SmtpClient::Helo()
{
    Reply reply;
    return Finish(SmtpRequest::Helo, Greet("HELO", reply));
}

std::uint16_t SmtpClient::Ehlo()
{
    Reply reply;
    std::uint16_t error = Greet("EHLO", reply);
    if (error == 0 && !m_connection.IsTls()) {
        bool offersTls = false;
        for (const std::string& line : reply.lines) {
            offersTls = offersTls || (line.size() > 4 && store::StartsWithNoCase(line.substr(4), "STARTTLS"));
        }
        if (offersTls) {
            error = Command("STARTTLS", 220);
            if (error == 0) {
                if (store::Result<void> tls = m_connection.StartTls(host, caFile); !tls) {
                    m_connection.Close();
                    return Finish(SmtpRequest::StartTls, TransportCode(tls.GetError()));
                }
                error = Greet("EHLO", reply);
            }
        }
    }
    return Finish(SmtpRequest::Ehlo, error);
}

std::uint16_t SmtpClient::Auth()
{
    std::uint16_t error = 0;
    switch (authType) {
    case SmtpAuth::None:
        break;
    case SmtpAuth::Plain:
        error = Command("AUTH PLAIN " + Base64Line(std::string(1, '\0') + username + '\0' + password),
                        235,
                        nullptr,
                        true);
        break;
    case SmtpAuth::Login:
        error = Command("AUTH LOGIN", 334);
        if (error == 0) {
            error = Command(Base64Line(username), 334, nullptr, true);
        }
        if (error == 0) {
            error = Command(Base64Line(password), 235, nullptr, true);
        }
        break;
    case SmtpAuth::CramMd5: {
        Reply challenge;
        error = Command("AUTH CRAM-MD5", 334, &challenge);
        if (error == 0) {
            const std::string text =
                challenge.lines.back().size() > 4 ? challenge.lines.back().substr(4) : "";
            error = Command(
                Base64Line(CramMd5Answer(username, password, Base64Decode(text))), 235, nullptr, true);
        }
        break;
    }
    }
    return Finish(SmtpRequest::Auth, error);
}

std::uint16_t SmtpClient::Open()
{
    std::uint16_t error = Connect();
    if (error == 0) {
        if (authType == SmtpAuth::None) {
            error = Helo();
        } else {
            error = Ehlo();
            if (error == 0) {
                error = Auth();
            }
        }
    }
    return Finish(SmtpRequest::Open, error);
}

std::uint16_t SmtpClient::SendMail()
{
    std::uint16_t error = Command("MAIL FROM:<" + EnvelopeAddress(fromName) + ">", 250);
    Finish(SmtpRequest::MailFrom, error);
    for (std::size_t i = 0; error == 0 && i < rcptName.size(); ++i) {
        error = Finish(SmtpRequest::RcptTo, Command("RCPT TO:<" + EnvelopeAddress(rcptName[i]) + ">", 250));
    }
    if (error == 0) {
        error = Command("DATA", 354);
    }
    if (error == 0) {
        std::string message;
        auto header = [&message](std::string_view name, const std::string& value) {
            if (!value.empty()) {
                message += std::string(name) + ": " + value + "\r\n";
            }
        };
        header("From", hdrFrom);
        header("To", hdrTo);
        header("Reply-To", hdrReplyTo);
        header("Return-Path", hdrReturnPath);
        header("Subject", hdrSubject);
        header("Date", DateHeader());
        header("X-Mailer", xMailer);
        message += "Mime-Version: 1.0\r\n";
        message += "Content-Type: text/plain; charset=\"" + charSet + "\"\r\n\r\n";
        for (const std::string& line : messageLines) {
            message += (line.starts_with('.') ? "." : "") + line + "\r\n";
        }
        m_transcript.push_back("> (message of " + std::to_string(messageLines.size()) + " lines)");
        if (store::Result<void> sent = m_connection.Send(message, timeout); !sent) {
            m_connection.Close();
            error = TransportCode(sent.GetError());
        } else {
            error = Command(".", 250);
        }
        Finish(SmtpRequest::Data, error);
    }
    return Finish(SmtpRequest::Mail, error);
}

std::uint16_t SmtpClient::Quit()
{
    const std::uint16_t error = Command("QUIT", 221);
    m_connection.Close();
    return Finish(SmtpRequest::Quit, error);
}

void SmtpClient::Abort()
{
    m_connection.Abort();
}

} // namespace listrider::net
