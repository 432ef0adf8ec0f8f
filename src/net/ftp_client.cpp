#include "net/ftp_client.h"

#include <cstdio>
#include <fstream>

namespace listrider::net {
namespace {

using store::ErrorKind;
using store::MakeError;

int ErrorCode(const store::Result<void>& outcome, int lastCode)
{
    if (outcome) {
        return 0;
    }
    return outcome.GetError().kind == ErrorKind::HttpStatus && lastCode > 0 ? lastCode : 1;
}

} // namespace

store::Result<void> FtpClient::Done(store::Result<void> outcome)
{
    if (onRequestDone) {
        onRequestDone(ErrorCode(outcome, m_lastCode));
    }
    return outcome;
}

store::Result<std::string> FtpClient::ReadReply()
{
    std::string text;
    std::string code;
    while (true) {
        store::Result<std::string> line = m_control.ReadLine(timeout);
        if (!line) {
            m_control.Close();
            return line.GetError();
        }
        const std::string& l = line.Value();
        text += (text.empty() ? "" : "\n") + l;
        if (code.empty() && l.size() >= 3) {
            code = l.substr(0, 3);
        }
        // A reply ends with the line "nnn " (or "nnn" alone) of its own code.
        if (!code.empty() && l.size() >= 3 && l.compare(0, 3, code) == 0 && (l.size() == 3 || l[3] == ' ')) {
            m_lastCode = std::atoi(code.c_str());
            return text;
        }
    }
}

store::Result<std::string> FtpClient::Command(const std::string& line, int expectedClass)
{
    if (!m_control.IsOpen()) {
        return MakeError(ErrorKind::Io, "Not connected");
    }
    if (store::Result<void> sent = m_control.Send(line + "\r\n", timeout); !sent) {
        m_control.Close();
        return sent.GetError();
    }
    store::Result<std::string> reply = ReadReply();
    if (reply && m_lastCode / 100 != expectedClass) {
        return MakeError(ErrorKind::HttpStatus, "Refused: " + reply.Value(), std::to_string(m_lastCode));
    }
    return reply;
}

store::Result<void> FtpClient::Open()
{
    m_lastCode = 0;
    const std::string& host = useProxy ? proxyHost : hostName;
    std::string service = useProxy ? proxyPort : port;
    if (service.empty() || service == "ftp") {
        service = "21";
    }
    store::Result<void> outcome = m_control.Connect(host, service, localAddr, timeout);
    if (outcome) {
        store::Result<std::string> greeting = ReadReply();
        if (!greeting) {
            outcome = greeting.GetError();
        } else if (m_lastCode / 100 != 2) {
            m_control.Close();
            outcome =
                MakeError(ErrorKind::Refused, "Refused: " + greeting.Value(), std::to_string(m_lastCode));
        }
    }
    if (onSessionConnected) {
        onSessionConnected(ErrorCode(outcome, m_lastCode));
    }
    return Done(outcome);
}

store::Result<void> FtpClient::User()
{
    if (userName.empty()) {
        return Done(MakeError(ErrorKind::Usage, "No user name"));
    }
    std::string argument = userName;
    if (useProxy) {
        argument += "@" + hostName;
        if (!port.empty() && port != "ftp" && port != "21") {
            argument += ":" + port;
        }
    }
    store::Result<std::string> reply = Command("USER " + argument, 3);
    if (!reply && m_lastCode / 100 == 2) {
        return Done({}); // logged in without a password
    }
    return Done(reply ? store::Result<void>() : store::Result<void>(reply.GetError()));
}

store::Result<void> FtpClient::Pass()
{
    if (passWord.empty()) {
        return Done(MakeError(ErrorKind::Usage, "No password"));
    }
    store::Result<std::string> reply = Command("PASS " + passWord, 2);
    return Done(reply ? store::Result<void>() : store::Result<void>(reply.GetError()));
}

store::Result<void> FtpClient::Type()
{
    store::Result<std::string> reply = Command(binary ? "TYPE I" : "TYPE A", 2);
    return Done(reply ? store::Result<void>() : store::Result<void>(reply.GetError()));
}

store::Result<void> FtpClient::Cwd()
{
    store::Result<std::string> reply = Command("CWD " + hostDirName, 2);
    return Done(reply ? store::Result<void>() : store::Result<void>(reply.GetError()));
}

store::Result<void> FtpClient::Mkd()
{
    store::Result<std::string> reply = Command("MKD " + hostDirName, 2);
    return Done(reply ? store::Result<void>() : store::Result<void>(reply.GetError()));
}

store::Result<std::int64_t> FtpClient::Size()
{
    store::Result<std::string> reply = Command("SIZE " + hostFileName, 2);
    (void)Done(reply ? store::Result<void>() : store::Result<void>(reply.GetError()));
    if (!reply) {
        return reply.GetError();
    }
    const std::string& text = reply.Value();
    const std::size_t space = text.rfind(' ');
    return static_cast<std::int64_t>(
        std::atoll(text.substr(space == std::string::npos ? 0 : space + 1).c_str()));
}

store::Result<void> FtpClient::OpenData(LineConnection& data, LineConnection& listener)
{
    if (passive || useProxy) {
        store::Result<std::string> reply = Command("PASV", 2);
        if (!reply) {
            return reply.GetError();
        }
        const std::string& text = reply.Value();
        const std::size_t open = text.find('(');
        int h[4] = {};
        int p[2] = {};
        if (open == std::string::npos ||
            std::sscanf(
                text.c_str() + open, "(%d,%d,%d,%d,%d,%d)", &h[0], &h[1], &h[2], &h[3], &p[0], &p[1]) != 6) {
            return MakeError(ErrorKind::Malformed, "Unreadable passive reply", text);
        }
        const std::string address = std::to_string(h[0]) + "." + std::to_string(h[1]) + "." +
                                    std::to_string(h[2]) + "." + std::to_string(h[3]);
        return data.Connect(address, std::to_string(p[0] * 256 + p[1]), localAddr, timeout);
    }
    const std::string local = m_control.LocalAddress();
    store::Result<int> dataPort = listener.Listen(local);
    if (!dataPort) {
        return dataPort.GetError();
    }
    std::string argument = local;
    for (char& c : argument) {
        c = c == '.' ? ',' : c;
    }
    argument += "," + std::to_string(dataPort.Value() / 256) + "," + std::to_string(dataPort.Value() % 256);
    store::Result<std::string> reply = Command("PORT " + argument, 2);
    return reply ? store::Result<void>() : store::Result<void>(reply.GetError());
}

store::Result<void> FtpClient::FinishTransfer()
{
    store::Result<std::string> reply = ReadReply();
    if (!reply) {
        return reply.GetError();
    }
    if (m_lastCode / 100 != 2) {
        return MakeError(ErrorKind::HttpStatus, "Refused: " + reply.Value(), std::to_string(m_lastCode));
    }
    return {};
}

store::Result<void> FtpClient::Retr()
{
    LineConnection listener;
    store::Result<void> opened = OpenData(m_data, listener);
    if (!opened) {
        return Done(opened);
    }
    if (store::Result<std::string> reply = Command("RETR " + hostFileName, 1); !reply) {
        m_data.Close();
        return Done(reply.GetError());
    }
    if (listener.IsOpen()) {
        if (store::Result<void> accepted = listener.Accept(m_data, timeout); !accepted) {
            return Done(accepted);
        }
    }
    std::ofstream out(localFileName, std::ios::binary | std::ios::trunc);
    if (!out) {
        m_data.Close();
        return Done(MakeError(ErrorKind::Io, "Cannot write the local file", localFileName));
    }
    std::int64_t total = 0;
    while (true) {
        store::Result<std::string> block = m_data.ReadSome(65536, timeout);
        if (!block) {
            m_data.Close();
            return Done(block.GetError());
        }
        if (block.Value().empty()) {
            break;
        }
        out.write(block.Value().data(), static_cast<std::streamsize>(block.Value().size()));
        total += static_cast<std::int64_t>(block.Value().size());
        bool abort = false;
        if (onProgress) {
            onProgress(total, abort);
        }
        if (abort) {
            m_data.Close();
            return Done(MakeError(ErrorKind::Cancelled, "Transfer aborted"));
        }
    }
    m_data.Close();
    out.close();
    if (!out) {
        return Done(MakeError(ErrorKind::Io, "Cannot write the local file", localFileName));
    }
    return Done(FinishTransfer());
}

store::Result<void> FtpClient::Stor()
{
    std::ifstream in(localFileName, std::ios::binary);
    if (!in) {
        return Done(MakeError(ErrorKind::NotFound, "Cannot read the local file", localFileName));
    }
    LineConnection listener;
    store::Result<void> opened = OpenData(m_data, listener);
    if (!opened) {
        return Done(opened);
    }
    if (store::Result<std::string> reply = Command("STOR " + hostFileName, 1); !reply) {
        m_data.Close();
        return Done(reply.GetError());
    }
    if (listener.IsOpen()) {
        if (store::Result<void> accepted = listener.Accept(m_data, timeout); !accepted) {
            return Done(accepted);
        }
    }
    std::int64_t total = 0;
    std::string block(65536, '\0');
    while (in) {
        in.read(block.data(), static_cast<std::streamsize>(block.size()));
        const auto n = static_cast<std::size_t>(in.gcount());
        if (n == 0) {
            break;
        }
        if (store::Result<void> sent = m_data.Send(std::string_view(block.data(), n), timeout); !sent) {
            m_data.Close();
            return Done(sent);
        }
        total += static_cast<std::int64_t>(n);
        bool abort = false;
        if (onProgress) {
            onProgress(total, abort);
        }
        if (abort) {
            m_data.Close();
            return Done(MakeError(ErrorKind::Cancelled, "Transfer aborted"));
        }
    }
    m_data.Close();
    return Done(FinishTransfer());
}

store::Result<void> FtpClient::Quit()
{
    store::Result<std::string> reply = Command("QUIT", 2);
    m_control.Close();
    if (onSessionClosed) {
        onSessionClosed(reply ? 0 : 1);
    }
    return Done(reply ? store::Result<void>() : store::Result<void>(reply.GetError()));
}

void FtpClient::Abort()
{
    m_data.Abort();
    m_control.Abort();
}

} // namespace listrider::net
