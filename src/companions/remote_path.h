// The remote directory and file name of a PAD upload.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace listrider::companions {

/// Returns the "Remote Directory:" text as the upload shows it: every "\" made "/", and a "/"
/// in front when it does not start with one ("pub\pad\" gives "/pub/pad/", "" gives "/").
std::string NormalizeRemoteDir(std::string_view text);

/// Returns the directories to create and enter in turn: the parts between slashes, empty ones
/// dropped, in order and letter case as written ("//a//b" gives a, b).
std::vector<std::string> RemoteDirComponents(std::string_view normalized);

/// Returns the name the file is stored under: the local path without its directory ("/" or "\"
/// ends a directory), in ASCII lower case when asked.
std::string RemoteFileName(std::string_view localFile, bool lowerCase);

} // namespace listrider::companions
