// The fields of the PAD upload and the preferences they come from and go back to.
#pragma once

#include <string>

#include "store/prefs.h"

namespace listrider::companions {

/// What the upload window shows and sends.
struct PadUploadSettings
{
    std::string padLocation; ///< "PAD File Location:", the product's PAD file
    std::string remoteDir;   ///< "Remote Directory:"
    std::string host;
    std::string port;
    std::string user;
    std::string password;
    bool passive = false;   ///< "Use passive mode for transfers"
    bool lowerCase = false; ///< "Convert file name to lowercase"
};

/// Returns the fields as the window fills them when shown: the product's PAD file location and
/// the Upload_FTP_* preferences.
PadUploadSettings LoadPadUploadSettings(const store::Prefs& prefs, std::string padLocation);

/// Copies the fields back into the Upload_FTP_* preferences ("Continue"); the PAD file location
/// belongs to the product and is left to the caller.
void StorePadUploadSettings(const PadUploadSettings& settings, store::Prefs& prefs);

} // namespace listrider::companions
