#include "companions/pad_upload.h"

#include <algorithm>
#include <cmath>

#include "companions/remote_path.h"
#include "net/ftp_client.h"
#include "store/file_system.h"

namespace listrider::companions {
namespace {

store::Error StageError(std::string_view message, const store::Error& cause)
{
    std::string detail = cause.message;
    if (!cause.detail.empty()) {
        detail += " (" + cause.detail + ")";
    }
    return store::MakeError(cause.kind, std::string(message), detail);
}

store::Result<void> RunStages(net::FtpClient& ftp, PadUploadSettings& settings, PadUploadView& view)
{
    view.ShowStatus("Connecting...");
    if (store::Result<void> opened = ftp.Open(); !opened) {
        return StageError(kUploadConnectFailed, opened.GetError());
    }

    view.ShowStatus("Authorizing...");
    store::Result<void> login = ftp.User();
    if (login) {
        login = ftp.Pass();
    }
    if (login) {
        login = ftp.Type();
    }
    if (!login) {
        return StageError(kUploadLoginFailed, login.GetError());
    }

    view.ShowStatus("Creating dir...");
    for (const std::string& component : RemoteDirComponents(settings.remoteDir)) {
        ftp.hostDirName = component;
        (void)ftp.Mkd(); // the directory may exist already
        if (store::Result<void> entered = ftp.Cwd(); !entered) {
            return StageError(kUploadFolderFailed, entered.GetError());
        }
    }

    const std::int64_t size = store::FileSizeOf(settings.padLocation);
    ftp.localFileName = settings.padLocation;
    ftp.hostFileName = RemoteFileName(settings.padLocation, settings.lowerCase);
    ftp.onProgress = [&view, size](std::int64_t bytes, bool&) {
        if (size > 0) {
            const long percent = std::lround(static_cast<double>(bytes) * 100.0 / static_cast<double>(size));
            view.ShowProgress(static_cast<int>(std::min(percent, 100L))); // the file may grow meanwhile
        }
    };
    view.ShowStatus("Uploading...");
    if (store::Result<void> stored = ftp.Stor(); !stored) {
        return StageError(kUploadStoreFailed, stored.GetError());
    }
    if (size == 0) {
        view.ShowProgress(100); // an empty file sends no block, yet it is all there
    }
    return {};
}

} // namespace

store::Result<void> UploadPad(PadUploadSettings& settings,
                              const store::Prefs& prefs,
                              PadUploadView& view,
                              std::chrono::milliseconds timeout)
{
    view.ShowProgress(0);
    settings.remoteDir = NormalizeRemoteDir(settings.remoteDir);

    net::FtpClient ftp;
    ftp.binary = true;
    ftp.timeout = timeout;
    ftp.localAddr = "0.0.0.0";
    ftp.useProxy = prefs.ftpProxyAuth;
    ftp.proxyHost = prefs.ftpProxyAuth ? prefs.ftpProxyServer : std::string();
    ftp.proxyPort = prefs.ftpProxyAuth ? prefs.ftpProxyPort : std::string();
    ftp.hostName = settings.host;
    ftp.port = settings.port;
    ftp.userName = settings.user;
    ftp.passWord = settings.password;
    ftp.passive = settings.passive; // through the proxy the client is passive whatever this says

    store::Result<void> outcome = RunStages(ftp, settings, view);
    if (ftp.Connected()) {
        (void)ftp.Quit();
    }
    return outcome;
}

} // namespace listrider::companions
