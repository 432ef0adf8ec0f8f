#include "companions/pad_upload_settings.h"

namespace listrider::companions {

PadUploadSettings LoadPadUploadSettings(const store::Prefs& prefs, std::string padLocation)
{
    PadUploadSettings settings;
    settings.padLocation = std::move(padLocation);
    settings.remoteDir = prefs.uploadFtpDir;
    settings.host = prefs.uploadFtpHost;
    settings.port = prefs.uploadFtpPort;
    settings.user = prefs.uploadFtpUser;
    settings.password = prefs.uploadFtpPassword;
    settings.passive = prefs.uploadFtpPassive;
    settings.lowerCase = prefs.uploadFtpLowerCase;
    return settings;
}

void StorePadUploadSettings(const PadUploadSettings& settings, store::Prefs& prefs)
{
    prefs.uploadFtpDir = settings.remoteDir;
    prefs.uploadFtpHost = settings.host;
    prefs.uploadFtpPort = settings.port;
    prefs.uploadFtpUser = settings.user;
    prefs.uploadFtpPassword = settings.password;
    prefs.uploadFtpPassive = settings.passive;
    prefs.uploadFtpLowerCase = settings.lowerCase;
}

} // namespace listrider::companions
