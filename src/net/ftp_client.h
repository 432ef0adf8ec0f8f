// The FTP client: synchronous commands on one control connection, passive or active transfers,
// direct or through an FTP proxy.
#pragma once

#include <chrono>
#include <cstdint>
#include <functional>
#include <string>

#include "net/line_connection.h"
#include "store/result.h"

namespace listrider::net {

/// One FTP session. Every operation fails with a Result error on a refusal (HttpStatus kind,
/// the reply code in the detail), a connection failure or `timeout` without an answer; during a
/// transfer the deadline is renewed by every block.
class FtpClient
{
public:
    std::string hostName;
    std::string port = "21"; ///< "ftp" is taken as 21
    std::string userName;
    std::string passWord;
    std::string localAddr; ///< "0.0.0.0" or empty: any
    bool useProxy = false; ///< connect through proxyHost:proxyPort (USER user@host[:port], passive)
    std::string proxyHost;
    std::string proxyPort = "21";
    bool passive = true;
    bool binary = true;
    std::string hostDirName;
    std::string hostFileName;
    std::string localFileName;
    std::chrono::milliseconds timeout{15000};

    /// Bytes transferred so far; the handler may set `abort` to stop the transfer.
    std::function<void(std::int64_t bytes, bool& abort)> onProgress;
    std::function<void(int error)> onSessionConnected;
    std::function<void(int error)> onSessionClosed;
    std::function<void(int error)> onRequestDone;

    FtpClient() = default;
    FtpClient(const FtpClient&) = delete;
    FtpClient& operator=(const FtpClient&) = delete;

    /// Connects and reads the greeting.
    store::Result<void> Open();
    store::Result<void> User();
    store::Result<void> Pass();
    /// TYPE I (binary) or TYPE A.
    store::Result<void> Type();
    /// CWD hostDirName.
    store::Result<void> Cwd();
    /// MKD hostDirName.
    store::Result<void> Mkd();
    /// SIZE hostFileName.
    store::Result<std::int64_t> Size();
    /// RETR hostFileName into localFileName.
    store::Result<void> Retr();
    /// STOR localFileName as hostFileName.
    store::Result<void> Stor();
    store::Result<void> Quit();
    /// Cancels the command or transfer in progress (callable from any thread).
    void Abort();

    bool Connected() const { return m_control.IsOpen(); }

    /// The code of the last reply (0 before any).
    int LastReplyCode() const { return m_lastCode; }

private:
    store::Result<void> Done(store::Result<void> outcome);
    store::Result<std::string> Command(const std::string& line, int expectedClass);
    store::Result<std::string> ReadReply();
    store::Result<void> OpenData(LineConnection& data, LineConnection& listener);
    store::Result<void> FinishTransfer();

    LineConnection m_control;
    LineConnection m_data;
    int m_lastCode = 0;
};

} // namespace listrider::net
