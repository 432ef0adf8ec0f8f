#include "net/local_addresses.h"

#include <algorithm>

#include <arpa/inet.h>
#include <ifaddrs.h>
#include <netdb.h>
#include <netinet/in.h>

namespace listrider::net {

std::vector<std::string> OrderLocalAddresses(std::vector<std::string> addresses)
{
    std::erase(addresses, "192.168.0.1");
    std::stable_partition(
        addresses.begin(), addresses.end(), [](const std::string& a) { return !a.ends_with(".0.1"); });
    addresses.emplace_back();
    addresses.emplace_back("0.0.0.0");
    return addresses;
}

std::vector<std::string> GetLocalIP()
{
    std::vector<std::string> addresses;
    ifaddrs* list = nullptr;
    if (::getifaddrs(&list) == 0) {
        for (const ifaddrs* entry = list; entry != nullptr; entry = entry->ifa_next) {
            if (entry->ifa_addr == nullptr || entry->ifa_addr->sa_family != AF_INET) {
                continue;
            }
            char text[INET_ADDRSTRLEN] = {};
            const auto* in = reinterpret_cast<const sockaddr_in*>(entry->ifa_addr);
            if (::inet_ntop(AF_INET, &in->sin_addr, text, sizeof text) != nullptr) {
                addresses.emplace_back(text);
            }
        }
        ::freeifaddrs(list);
    }
    return OrderLocalAddresses(std::move(addresses));
}

bool ResolvesToLoopback(std::string_view host)
{
    if (host.empty()) {
        return false;
    }
    addrinfo hints{};
    hints.ai_family = AF_UNSPEC;
    hints.ai_socktype = SOCK_STREAM;
    addrinfo* found = nullptr;
    if (::getaddrinfo(std::string(host).c_str(), nullptr, &hints, &found) != 0) {
        return false;
    }
    bool loopback = found != nullptr;
    for (const addrinfo* a = found; a != nullptr; a = a->ai_next) {
        if (a->ai_family == AF_INET) {
            const auto* in = reinterpret_cast<const sockaddr_in*>(a->ai_addr);
            loopback = loopback && (ntohl(in->sin_addr.s_addr) >> 24) == 127;
        } else if (a->ai_family == AF_INET6) {
            const auto* in6 = reinterpret_cast<const sockaddr_in6*>(a->ai_addr);
            loopback = loopback && IN6_IS_ADDR_LOOPBACK(&in6->sin6_addr);
        }
    }
    ::freeaddrinfo(found);
    return loopback;
}

std::string SmtpLocalAddress(std::string_view host)
{
    // A server name that merely contains "local" is no reason to bind loopback: only a server
    // that is reached over loopback is.
    return ResolvesToLoopback(host) ? "127.0.0.1" : "0.0.0.0";
}

} // namespace listrider::net
