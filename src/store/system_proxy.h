// The user's proxy settings, as the desktop and the shell give them.
#pragma once

#include <string>
#include <string_view>

namespace listrider::store {

/// Returns the HTTP proxy as "host:port". A setting in the "http=host:port;ftp=host:port" form
/// (or one "host:port" for every protocol) takes precedence; without one the http_proxy and
/// HTTP_PROXY environment variables are used, with scheme, login and trailing '/' stripped.
std::string HttpProxyFromSystem(std::string_view proxyServerSetting);

/// Returns the FTP proxy as "host:port", or the empty text. A single proxy given for every
/// protocol is not taken for FTP; without a setting ftp_proxy and FTP_PROXY are used.
std::string FtpProxyFromSystem(std::string_view proxyServerSetting);

} // namespace listrider::store
