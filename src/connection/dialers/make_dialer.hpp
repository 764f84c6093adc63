#pragma once

#include <memory>
#include <string>

#include "connection/dialer.hpp"
#include "toolkit/event_loop.hpp"

namespace tw {

// The dialer backend named by `choice` (the TARNWICK_DIALER environment
// variable): "none" for a machine without remote access, "networkmanager"
// for NetworkManager's profiles, "ras" for the system's remote access on
// Windows (also the default there), anything else (or nothing elsewhere) for
// the simulated dialer.
std::unique_ptr<dialer> make_dialer(const char* choice, event_loop& loop,
                                    const std::string& default_phonebook);

}  // namespace tw
