// The machine's IPv4 addresses that clients may bind to.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace listrider::net {

/// Returns the address list ordered for binding: "192.168.0.1" removed, every address ending
/// with ".0.1" moved to the end (the others keep their order), then "" and "0.0.0.0" appended.
std::vector<std::string> OrderLocalAddresses(std::vector<std::string> addresses);

/// Returns the machine's IPv4 addresses, in the system's order, ordered by OrderLocalAddresses.
std::vector<std::string> GetLocalIP();

/// Returns whether the host name or address resolves to a loopback address only.
bool ResolvesToLoopback(std::string_view host);

/// Returns the local address an SMTP client binds for a server: "127.0.0.1" when the server
/// resolves to loopback, else "0.0.0.0".
std::string SmtpLocalAddress(std::string_view host);

} // namespace listrider::net
