#pragma once

#include <optional>
#include <string>

#include "connection/dialer.hpp"

namespace tw {

// The bytes the network interface `name` has received and sent, from the
// kernel's counters; none when there is no such interface.
std::optional<line_bytes> interface_bytes(const std::string& name);

// The name of the network interface holding the IPv4 or IPv6 `address`
// (numeric text); "" when none does.
std::string interface_with_address(const std::string& address);

}  // namespace tw
