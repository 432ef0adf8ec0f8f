// The PAD upload: one local file sent to the author's FTP server, creating the remote
// directory on the way.
#pragma once

#include <chrono>
#include <string_view>

#include "companions/pad_upload_settings.h"
#include "store/prefs.h"
#include "store/result.h"

namespace listrider::companions {

/// The upload window's progress panel.
class PadUploadView
{
public:
    virtual ~PadUploadView() = default;

    /// Shows the stage in the status label ("Connecting...", "Authorizing..." ...).
    virtual void ShowStatus(std::string_view stage) = 0;

    /// Sets the progress bar (0 to 100).
    virtual void ShowProgress(int percent) = 0;
};

/// The messages of the stages that fail, and of success.
inline constexpr std::string_view kUploadConnectFailed = "Unable to connect to FTP server";
inline constexpr std::string_view kUploadLoginFailed = "Unable to log in to FTP server";
inline constexpr std::string_view kUploadFolderFailed = "Unable to create remote folder";
inline constexpr std::string_view kUploadStoreFailed = "Error while uploading the file";
inline constexpr std::string_view kUploadSucceeded = "PAD file was successfully uploaded";

/// Uploads the PAD file ("Upload"): connects (through the FTP proxy when FTPProxy_Auth is on,
/// then always passive), logs in with binary transfers, creates and enters each component of
/// the remote directory (MKD failures ignored), and stores the file under its own name. The
/// remote directory is normalised in `settings`, as the field shows it afterwards. A failure
/// carries the message of the stage that failed, with what the server said as its detail; the
/// session is closed with QUIT in every case.
store::Result<void> UploadPad(PadUploadSettings& settings,
                              const store::Prefs& prefs,
                              PadUploadView& view,
                              std::chrono::milliseconds timeout = std::chrono::seconds(15));

} // namespace listrider::companions
