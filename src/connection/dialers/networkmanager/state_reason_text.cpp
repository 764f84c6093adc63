#include "connection/dialers/networkmanager/state_reason_text.hpp"

#include <array>
#include <string_view>

namespace tw {

namespace {

// In NetworkManager's order of the reasons, from 0.
constexpr std::array<std::string_view, 15> reasons{
    "NetworkManager gave no reason",
    "",
    "a user or another program took it down",
    "the network connection beneath it went down",
    "the VPN service stopped unexpectedly",
    "the VPN service gave an invalid IP configuration",
    "the connection attempt timed out",
    "the VPN service did not start in time",
    "the VPN service failed to start",
    "no valid secrets (password, key) were given",
    "the login was refused",
    "its profile was deleted",
    "a connection it depends on failed",
    "its software device could not be made",
    "its device went away",
};

}  // namespace

std::string state_reason_text(unsigned reason) {
    if (reason < reasons.size()) return std::string(reasons[reason]);
    return "NetworkManager's reason " + std::to_string(reason);
}

}  // namespace tw
