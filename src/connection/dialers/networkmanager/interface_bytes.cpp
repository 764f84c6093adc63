#include "connection/dialers/networkmanager/interface_bytes.hpp"

#include <arpa/inet.h>
#include <ifaddrs.h>
#include <netinet/in.h>

#include <fstream>

namespace tw {

namespace {

std::optional<std::uint64_t> counter(const std::string& name, const char* which) {
    std::ifstream file("/sys/class/net/" + name + "/statistics/" + which);
    std::uint64_t value = 0;
    if (file >> value) return value;
    return std::nullopt;
}

// The numeric text of an interface's IPv4 or IPv6 address; "" for others.
std::string address_text(const sockaddr* address) {
    char text[INET6_ADDRSTRLEN] = {};
    if (address && address->sa_family == AF_INET)
        inet_ntop(AF_INET, &reinterpret_cast<const sockaddr_in*>(address)->sin_addr, text,
                  sizeof text);
    if (address && address->sa_family == AF_INET6)
        inet_ntop(AF_INET6, &reinterpret_cast<const sockaddr_in6*>(address)->sin6_addr, text,
                  sizeof text);
    return text;
}

}  // namespace

std::optional<line_bytes> interface_bytes(const std::string& name) {
    if (name.empty() || name.find('/') != std::string::npos || name[0] == '.') return std::nullopt;
    const auto received = counter(name, "rx_bytes");
    const auto sent = counter(name, "tx_bytes");
    if (!received || !sent) return std::nullopt;
    return line_bytes{*received, *sent};
}

std::string interface_with_address(const std::string& address) {
    ifaddrs* interfaces = nullptr;
    if (address.empty() || ::getifaddrs(&interfaces) != 0) return {};
    std::string found;
    for (const ifaddrs* i = interfaces; i && found.empty(); i = i->ifa_next)
        if (address_text(i->ifa_addr) == address) found = i->ifa_name;
    ::freeifaddrs(interfaces);
    return found;
}

}  // namespace tw
